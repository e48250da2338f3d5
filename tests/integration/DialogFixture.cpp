#include "DialogFixture.h"

#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

#include "CommandIds.h"
#include "DigitField.h"
#include "DisplayPanel.h"
#include "InstrumentLink.h"
#include "PanelControls.h"

namespace terrovane::testing {

DialogFixture::DialogFixture() {
    ::setenv("TERROVANE_PORTMAP", PortMapPath().c_str(), 1);
    ::setenv("TERROVANE_HANDOFF_DIR", TempPath(QStringLiteral("handoff")).toUtf8().constData(), 1);
    dialog_ = std::make_unique<app::CTesterDlg>();
    dialog_->show();
}

DialogFixture::~DialogFixture() {
    dialog_.reset();
    sim_.reset();
    ::unsetenv("TERROVANE_PORTMAP");
    ::unsetenv("TERROVANE_HANDOFF_DIR");
}

void DialogFixture::PlugIn(const std::vector<std::string>& arguments) {
    // Without an image of its own it serves its demo results.
    sim_ = std::make_unique<SimProcess>(arguments, nullptr, PortMapPath());
    ASSERT_TRUE(sim_->Started());
}

bool DialogFixture::ReadOut() {
    QSignalSpy ended(&dialog_->Link(), &link::InstrumentLink::ExchangeEnded);
    dialog_->OnCommand(res::kCmdRead);
    if (ended.isEmpty() && !ended.wait(5000)) {
        return false;
    }
    return ended.first().first().toBool();
}

void DialogFixture::AsIfRead(const record::ReadOutBuffer& image) {
    record::ReadOutState& state = dialog_->State();
    state.buffer = image;
    record::ParseRecords(image, state.table);
    state.dataRead = true;
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
