#pragma once

#include <QObject>
#include <QWidget>

#include <memory>

#include "HistoryWindow.h"
#include "LinkView.h"
#include "ReadOutState.h"
#include "TeamSession.h"

namespace terrovane::app {

class ArchiveHook;

// File > History...: the archive's window, and loading a past read-out back into the main window.
class HistoryCommand : public QObject {
    Q_OBJECT

  public:
    HistoryCommand(ArchiveHook& archive, teamui::TeamSession& team, link::LinkView& view,
                   record::ReadOutState& state, QWidget& owner);
    ~HistoryCommand() override;

    // Opens the window, made on first use, and brings it to the front.
    void Open();
    history::HistoryWindow* Window() const { return window_.get(); }
    // Loads an archived read-out as though it had just been read; false after a message.
    bool OpenReadOut(qint64 readoutId);

  private:
    void CreateWindow();
    void AddSyncStrip(archive::Archive& store);

    ArchiveHook& archive_;
    teamui::TeamSession& team_;
    link::LinkView& view_;
    record::ReadOutState& state_;
    QWidget& owner_;
    std::unique_ptr<history::HistoryWindow> window_;
};

}  // namespace terrovane::app
