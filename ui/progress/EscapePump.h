#pragma once

#include <QObject>

#include <functional>

namespace terrovane::ui {

// One pass of the event loop for a job that runs on the user-interface thread, in which Escape may cancel
// the job. An Escape that cancels goes no further: reaching the main dialog it would end the program.
class EscapePump : public QObject {
    Q_OBJECT

  public:
    // `cancel` is asked on Escape: true when it has cancelled the job now.
    explicit EscapePump(std::function<bool()> cancel, QObject* parent = nullptr);

    // Handles every waiting event; Escape cancels when `cancelOnEscape`.
    void Pump(bool cancelOnEscape);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool()> cancel_;
    bool pumping_ = false;
    bool cancelOnEscape_ = true;
};

}  // namespace terrovane::ui
