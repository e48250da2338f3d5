#pragma once

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "CTesterDlg.h"
#include "MessageRecorder.h"
#include "RecordTable.h"
#include "SimProcess.h"

namespace terrovane::testing {

// A shown main dialog with a port map, hand-off folder and settings of its own, every message recorded.
class DialogFixture : public ::testing::Test {
  protected:
    DialogFixture();
    ~DialogFixture() override;

    std::string PortMapPath() const { return dir_.filePath(QStringLiteral("portmap.ini")).toStdString(); }
    QString TempPath(const QString& name) const { return dir_.filePath(name); }
    // The archive of this test's dialog.
    std::string ArchivePath() const { return dir_.filePath(QStringLiteral("archive.sqlite")).toStdString(); }
    // (Re)creates the main dialog, shown, its session at the fixture's fast pacing; the environment's port
    // map, hand-off folder and archive are read as it starts.
    void OpenDialog();
    // Starts the simulated instrument; fails the test when it does not come up.
    void PlugIn(const std::vector<std::string>& arguments = {});
    // Runs the Read command and then the event loop until the instrument's answer was judged.
    bool ReadOut();
    // The dialog's session at the instrument's own pacing (the fixture runs it fast).
    void RealPacing();
    // As though `image` had just been read out and accepted.
    void AsIfRead(const record::ReadOutBuffer& image);
    // Further: the list filled from it, and the record of `slot` on the display, as the user left them.
    void AsIfReadAndShown(const record::ReadOutBuffer& image, std::size_t slot);
    // The record list's date and time column, one "date time" text per row.
    std::vector<std::string> ListTexts() const;
    // What the list shows for `table`.
    static std::vector<std::string> ListTextsOf(const record::RecordTable& table);
    // The panel controls now visible, and the main and slot digits.
    std::set<int> VisiblePanelControls() const;
    std::string MainDigits() const;
    std::string SlotDigits() const;
    void ClickListRow(int row);
    // Runs the command by id, then the event loop until its exchange ended (or `waitMs` passed with the
    // reply still awaited), and until the port watch has looked once more.
    void RunCommand(int id, int waitMs = 5000);
    // The same for a command whose reply never comes: until its line is out and its reply awaited.
    void RunUnansweredCommand(int id);

  private:
    void AwaitPortWatchLook();

  protected:
    QTemporaryDir dir_;
    MessageRecorder recorder_;
    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<app::CTesterDlg> dialog_;
};

}  // namespace terrovane::testing
