#pragma once

#include <QColor>
#include <QWidget>
#include <string>
#include <vector>

#include "SegmentGlyph.h"

namespace terrovane::panel {

// A text field drawn as liquid-crystal segment glyphs: lit segments dark, unlit ones in the off colour,
// scaled to the field. Characters without a glyph are skipped.
class DigitField : public QWidget {
    Q_OBJECT
  public:
    static constexpr QColor kDefaultBackground{236, 233, 216};
    static constexpr QColor kDefaultOffColour{173, 211, 193};

    explicit DigitField(QWidget* parent = nullptr);

    // Repaints only when the text actually changes.
    void SetText(const std::string& text);
    const std::string& Text() const { return text_; }
    void SetBackgroundColour(QColor colour);
    QColor BackgroundColour() const { return background_; }
    // Refuses (false) when `remove` and `add` share a bit.
    bool ModifyStyle(unsigned remove, unsigned add);
    unsigned Style() const { return style_; }

    // The glyphs as painted (rebuilt if the text or style changed since).
    const std::vector<SegmentGlyph>& Glyphs();
    // How many times the field has painted itself (lets tests see that no repaint happened).
    int PaintCount() const { return paintCount_; }

    // Draws the field into an image of `size` (what paintEvent shows).
    QImage Render(QSize size);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::string text_;
    bool rebuild_ = true;
    std::vector<SegmentGlyph> glyphs_;
    QColor offColour_ = kDefaultOffColour;
    QColor onColour_ = Qt::black;
    QColor background_ = kDefaultBackground;
    unsigned style_ = kStyleKeepAspect;
    int paintCount_ = 0;
};

}  // namespace terrovane::panel
