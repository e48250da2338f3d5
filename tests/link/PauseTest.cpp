#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include "Pause.h"

namespace terrovane::platform {
namespace {

void RunEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

TEST(PauseTest, KeepsTheLoopRunningButTellsHandlersToHoldBack) {
    int ticks = 0;
    int ticksWhilePaused = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        ticksWhilePaused += IsPaused() ? 1 : 0;
    });
    timer.start(5);
    QElapsedTimer clock;
    clock.start();
    Pause(100);
    const qint64 waited = clock.elapsed();
    EXPECT_FALSE(IsPaused());
    EXPECT_GE(waited, 100);
    EXPECT_LT(waited, 150);
    EXPECT_GT(ticks, 0);                 // the loop ran (so windows would be painted) ...
    EXPECT_EQ(ticksWhilePaused, ticks);  // ... and every handler could see that a command was pausing
}

TEST(PauseTest, ListenersHearOnceWhenTheCommandHasReturned) {
    RunEventsFor(20);  // let the end of earlier pauses be told first
    int calls = 0;
    bool pausedAtCall = true;
    const int id = AddPauseEndListener([&] {
        ++calls;
        pausedAtCall = IsPaused();
    });
    // A command pacing its lines: pauses back to back without returning to the loop in between.
    QTimer::singleShot(0, [] {
        for (int i = 0; i < 3; ++i) {
            Pause(20);
        }
    });
    RunEventsFor(150);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(pausedAtCall);

    RemovePauseEndListener(id);
    Pause(5);
    RunEventsFor(30);
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace terrovane::platform
