#pragma once

#include <QString>

#include <optional>

namespace terrovane::ui {

// How far a job has come: the bar's range, the position last set, and the caption stem with the
// percentage last shown in it.
class ProgressCount {
  public:
    explicit ProgressCount(QString caption) : caption_(std::move(caption)) {}

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    void SetRange(int lower, int upper, int step);
    int Lower() const { return lower_; }
    int Upper() const { return upper_; }

    int Position() const { return position_; }
    // Moves to `pos`; returns the previous position.
    int MoveTo(int pos);
    // The caption with the percentage the position covers, when that differs from the one shown last.
    std::optional<QString> ChangedPercentCaption();
    // The caption stem and one space, in place of the percentage.
    QString CaptionWithoutPercent() const { return caption_ + QLatin1Char(' '); }

  private:
    QString caption_;
    int lower_ = 0;
    int upper_ = 100;
    int step_ = 1;
    int position_ = 0;
    int percent_ = 0;
};

}  // namespace terrovane::ui
