#include "DialogFixture.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cstdlib>

#include "CommandIds.h"
#include "DigitField.h"
#include "DisplayPanel.h"
#include "EventWait.h"
#include "InstrumentSession.h"
#include "PanelControls.h"
#include "RecordList.h"
#include "RecordTexts.h"

namespace terrovane::testing {

DialogFixture::DialogFixture() {
    ::setenv("TERROVANE_PORTMAP", PortMapPath().c_str(), 1);
    ::setenv("TERROVANE_HANDOFF_DIR", TempPath(QStringLiteral("handoff")).toUtf8().constData(), 1);
    ::setenv("TERROVANE_ARCHIVE", ArchivePath().c_str(), 1);
    OpenDialog();
}

void DialogFixture::OpenDialog() {
    dialog_.reset();
    dialog_ = std::make_unique<app::CTesterDlg>();
    // The simulator answers at once: requests every millisecond; the handshake and the last pause end
    // once its answer is there, and otherwise after the instrument's own 100 ms, the room a loaded
    // machine needs.
    link::SessionPacing pacing;
    pacing.requestPaceMs = 1;
    pacing.lastPaceMs = link::kRequestPaceMs;
    pacing.endWaitsOnArrival = true;
    dialog_->Session().SetPacing(pacing);
    dialog_->show();
}

DialogFixture::~DialogFixture() {
    dialog_.reset();
    sim_.reset();
    ::unsetenv("TERROVANE_PORTMAP");
    ::unsetenv("TERROVANE_HANDOFF_DIR");
    ::unsetenv("TERROVANE_ARCHIVE");
}

void DialogFixture::PlugIn(const std::vector<std::string>& arguments) {
    // Without an image of its own it serves its demo results.
    sim_ = std::make_unique<SimProcess>(arguments, nullptr, PortMapPath());
    ASSERT_TRUE(sim_->Started());
}

void DialogFixture::RealPacing() {
    dialog_->Session().SetPacing(link::SessionPacing{});
}

bool DialogFixture::ReadOut() {
    QSignalSpy ended(&dialog_->Commands(), &link::CommandHost::CommandEnded);
    dialog_->OnCommand(res::kCmdRead);
    if (ended.isEmpty() && !ended.wait(30000)) {
        return false;
    }
    return ended.first().first().value<link::Outcome>().kind == link::OutcomeKind::ReadOutAccepted;
}

void DialogFixture::AsIfRead(const record::ReadOutBuffer& image) {
    record::ReadOutState& state = dialog_->State();
    state.buffer = image;
    record::ParseRecords(image, state.table);
    state.dataRead = true;
}

void DialogFixture::AsIfReadAndShown(const record::ReadOutBuffer& image, std::size_t slot) {
    AsIfRead(image);
    record::ReadOutState& state = dialog_->State();
    state.requestsSent = true;
    state.currentIndex = static_cast<std::uint16_t>(slot);
    app::FillRecordListTexts(dialog_->RecordList(), state.table);
    dialog_->Panel().ShowRecord(slot);
}

std::vector<std::string> DialogFixture::ListTexts() const {
    std::vector<std::string> texts;
    const QTableWidget* list = dialog_->RecordList();
    for (int row = 0; row < list->rowCount(); ++row) {
        texts.push_back((list->item(row, 1)->text() + ' ' + list->item(row, 2)->text()).toStdString());
    }
    return texts;
}

std::vector<std::string> DialogFixture::ListTextsOf(const record::RecordTable& table) {
    std::vector<std::string> texts;
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        const auto row = format::RecordListTexts(table, slot);
        texts.push_back(row ? row->date + ' ' + row->time : std::string(" "));
    }
    return texts;
}

void DialogFixture::RunCommand(int id, int waitMs) {
    link::CommandHost& commands = dialog_->Commands();
    dialog_->OnCommand(id);
    // A silent instrument never answers: the caller checks what the wait left behind.
    [[maybe_unused]] const bool ended = RunEventsUntil([&commands] { return !commands.Running(); }, waitMs);
    AwaitPortWatchLook();
}

void DialogFixture::RunUnansweredCommand(int id) {
    dialog_->OnCommand(id);
    link::InstrumentSession& session = dialog_->Session();
    [[maybe_unused]] const bool awaiting = RunEventsUntil([&session] { return session.AwaitingReply(); });
    AwaitPortWatchLook();
}

void DialogFixture::AwaitPortWatchLook() {
    // The spy's slot runs after the dialog's own: one tick counted is one look of the port watch done. A
    // watch at rest would change nothing by looking.
    QSignalSpy ticks(&dialog_->Parts().Watch().Timer(), &QTimer::timeout);
    link::CommandHost& commands = dialog_->Commands();
    [[maybe_unused]] const bool looked =
        RunEventsUntil([&] { return !ticks.isEmpty() || commands.PortWatchAtRest(); });
}

std::set<int> DialogFixture::VisiblePanelControls() const {
    std::set<int> visible;
    for (const auto& row : panel::kPanelControls) {
        if (dialog_->Panel().Control(row.id)->isVisibleTo(dialog_.get())) {
            visible.insert(row.id);
        }
    }
    return visible;
}

std::string DialogFixture::MainDigits() const {
    return dialog_->Panel().Field(panel::kMainDigits)->Text();
}

std::string DialogFixture::SlotDigits() const {
    return dialog_->Panel().Field(panel::kSlotDigits)->Text();
}

void DialogFixture::ClickListRow(int row) {
    QTableWidget* list = dialog_->RecordList();
    list->scrollToItem(list->item(row, 0));
    const QRect cell = list->visualItemRect(list->item(row, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

}  // namespace terrovane::testing
