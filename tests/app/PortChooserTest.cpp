#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

#include "CTesterDlg.h"
#include "PortChooser.h"
#include "PortTexts.h"
#include "Settings.h"

namespace terrovane::app {
namespace {

using platform::BridgePort;

const std::vector<BridgePort> kTwoBridges = {
    {4, "/dev/terrovane-usb-1-1.4", "ea60", "0001", "1-1.4"},
    {1, "/dev/terrovane-A1B2", "ea70", "A1B2", "2-3"},
};

TEST(PortChooser, ListsEachBridgeAndStartsOnTheRememberedOne) {
    const auto rows = PortChooserRows({{7, "/dev/pts/3", "", "", ""}});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (std::array<QString, 4>{"/dev/pts/3", "-", "-", "-"}));

    PortChooser chooser(kTwoBridges, "A1B2");
    EXPECT_EQ(chooser.Table()->rowCount(), 2);
    EXPECT_EQ(chooser.Table()->item(0, 3)->text(), "1-1.4");
    EXPECT_EQ(chooser.Table()->horizontalHeaderItem(2)->text(), res::kPortChooserColumns[2]);
    EXPECT_EQ(chooser.Chosen(), kTwoBridges[1]);
    EXPECT_EQ(ChosenRow(kTwoBridges, "1-1.4"), 0);
    EXPECT_EQ(ChosenRow(kTwoBridges, "unplugged"), 0);

    PortChooser empty({}, "");
    EXPECT_FALSE(empty.Chosen().has_value());
    for (QPushButton* button : empty.findChildren<QPushButton*>())
        EXPECT_EQ(button->isEnabled(), button->text() != res::kPortChooserOk);
}

// A generic serial would name every such bridge alike: the choice is kept by USB path, and the next start
// of the program takes it up.
TEST(PortChooser, ChoiceIsKeptBySerialElseByUsbPathAndTakenUpAtStart) {
    {
        CTesterDlg dialog;
        dialog.Parts().PortChoice().Apply(kTwoBridges[0]);
        EXPECT_EQ(platform::Settings().PortChoice(), "1-1.4");
        EXPECT_EQ(dialog.Session().Choice(), (link::PortChoice{"1-1.4", false}));
        dialog.Parts().PortChoice().Apply(kTwoBridges[1]);
    }
    CTesterDlg restarted;
    EXPECT_EQ(restarted.Session().Choice(), (link::PortChoice{"A1B2", false}));
    QSettings().clear();
}

}  // namespace
}  // namespace terrovane::app
