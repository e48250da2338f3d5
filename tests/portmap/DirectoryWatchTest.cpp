#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "DirectoryWatch.h"
#include "EventWait.h"

namespace terrovane::platform {
namespace {

class DirectoryWatchTest : public ::testing::Test {
  protected:
    void Touch(const std::string& name) {
        std::ofstream(folder_.filePath(QString::fromStdString(name)).toStdString());
    }

    QTemporaryDir folder_;
    DirectoryWatch watch_{{folder_.path().toStdString()}, DirectoryWatch::Events::Entries};
};

// Outside a loop's tick a caller that changes a folder and looks straight after must see the change.
TEST_F(DirectoryWatchTest, ACallerOutsideTheLoopSeesItsOwnChangeAtOnce) {
    ASSERT_TRUE(watch_.Working());
    EXPECT_FALSE(watch_.Changed());
    Touch("a");
    EXPECT_TRUE(watch_.Changed());
    EXPECT_FALSE(watch_.Changed());
}

// Within a tick the loop's word counts: news reaches the tick once the loop has turned, exactly once,
// and looking does not lose news that came while the notice rested.
TEST_F(DirectoryWatchTest, ATickTakesTheLoopsWordForNews) {
    auto tick = [this] {
        const LoopNoticeScope fromTheLoop;
        return watch_.Changed();
    };
    EXPECT_FALSE(tick());
    Touch("a");
    EXPECT_TRUE(testing::RunEventsUntil(tick, 2000));
    EXPECT_FALSE(tick());
    for (const char* name : {"b", "c"}) {
        Touch(name);
        EXPECT_TRUE(testing::RunEventsUntil(tick, 2000)) << name;
        EXPECT_FALSE(tick()) << name;
    }
    Touch("d");
    EXPECT_TRUE(watch_.Changed());  // read outside a tick: reported there, and not again by the tick
    EXPECT_FALSE(tick());
}

// Quiet is the loop's word that nothing came: only once a tick has set the loop to watch, and only until
// news arrives.
TEST_F(DirectoryWatchTest, QuietOnlyWhileTheLoopWatchesAndNoNewsCame) {
    auto tick = [this] {
        const LoopNoticeScope fromTheLoop;
        return watch_.Changed();
    };
    EXPECT_FALSE(watch_.Quiet());
    EXPECT_FALSE(watch_.Changed());
    EXPECT_FALSE(watch_.Quiet());  // looked outside the loop: nobody watches
    EXPECT_FALSE(tick());
    EXPECT_TRUE(watch_.Quiet());
    Touch("a");
    EXPECT_TRUE(testing::RunEventsUntil([this] { return !watch_.Quiet(); }, 2000));
    EXPECT_TRUE(tick());
    EXPECT_TRUE(watch_.Quiet());

    const DirectoryWatch nothing{{"/nonexistent/folder"}};
    EXPECT_FALSE(nothing.Quiet());
}

}  // namespace
}  // namespace terrovane::platform
