#include <QTimer>

#include <gtest/gtest.h>

#include "DemoImage.h"
#include "DialogFixture.h"
#include "DisplayPanel.h"
#include "EventWait.h"

namespace terrovane::testing {
namespace {

using IdleWatchTest = DialogFixture;

// The idle window's port watch rests, and still sees the instrument come and go, and still blanks a
// display that no read-out asked for.
TEST_F(IdleWatchTest, RestsUntilTheInstrumentComesOrGoesOrTheDisplayIsDrawn) {
    const QTimer& timer = dialog_->Parts().Watch().Timer();
    const QWidget* idle = dialog_->IdlePicture();
    auto resting = [&timer] { return !timer.isActive(); };
    auto idleShown = [this, idle] { return idle->isVisibleTo(dialog_.get()); };
    ASSERT_TRUE(RunEventsUntil(resting));
    EXPECT_FALSE(idleShown());  // nothing attached

    PlugIn();
    EXPECT_TRUE(RunEventsUntil(idleShown));
    EXPECT_TRUE(RunEventsUntil(resting));

    // A record drawn while no read-out has run on this instrument is blanked again.
    AsIfRead(sim::DemoImage());
    const auto slot = dialog_->State().table.FirstOccupied();
    ASSERT_TRUE(slot);
    dialog_->Panel().ShowRecord(*slot);
    ASSERT_FALSE(dialog_->Panel().Blank());
    EXPECT_TRUE(RunEventsUntil([&] { return dialog_->Panel().Blank() && idleShown(); }));
    EXPECT_TRUE(RunEventsUntil(resting));

    sim_->Stop();  // its entry leaves the port map, as a pulled cable's port leaves the system
    EXPECT_TRUE(RunEventsUntil([&] { return !idleShown(); }));
    EXPECT_TRUE(RunEventsUntil(resting));
    EXPECT_TRUE(recorder_.Texts().empty());
}

}  // namespace
}  // namespace terrovane::testing
