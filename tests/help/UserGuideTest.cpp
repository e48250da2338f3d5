#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <set>

#include "GuideWindow.h"
#include "HistoryWindow.h"
#include "UserGuide.h"

namespace terrovane::help {
namespace {

QString BuiltIn(const QString& name) {
    QFile file(QStringLiteral(":/guide/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The anchors of every heading of a built-in guide, as the window sees them.
std::set<QString> Anchors(const QString& name) {
    QTextDocument document;
    document.setMarkdown(BuiltIn(name));
    std::set<QString> anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() > 0)
            anchors.insert(HeadingAnchor(block.text()));
    return anchors;
}

bool WaitFor(const std::function<bool()>& condition) {
    const QDeadlineTimer deadline(10000);
    while (!condition() && !deadline.hasExpired())
        QTest::qWait(10);
    return condition();
}

GuideWindow* VisibleGuide() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* guide = qobject_cast<GuideWindow*>(window); guide && guide->isVisible())
            return guide;
    return nullptr;
}

TEST(UserGuide, AnchorsAreThoseMarkdownRenderersMake) {
    EXPECT_EQ(HeadingAnchor(QStringLiteral("Sites, test points, limits and verdicts")),
              QStringLiteral("sites-test-points-limits-and-verdicts"));
    EXPECT_EQ(HeadingAnchor(QStringLiteral("Joining (an engineer)")), QStringLiteral("joining-an-engineer"));
    EXPECT_EQ(HeadingAnchor(QStringLiteral("Keyboard, screens and screen readers")),
              QStringLiteral("keyboard-screens-and-screen-readers"));
}

TEST(UserGuide, EveryPageAWindowOpensIsAHeadingOfTheGuide) {
    // A heading renamed in the guide would leave F1 at the guide's beginning without a word.
    const std::set<QString> anchors = Anchors(QStringLiteral("user-guide.md"));
    for (const char* page :
         {kPageReading, kPageArchive, kPageSoil, kPageFallOfPotential, kPageGrid, kPageTeam})
        EXPECT_TRUE(anchors.count(QString::fromLatin1(page))) << page;
}

TEST(UserGuide, EveryLinkBetweenTheGuidesLeadsToAHeading) {
    static const QRegularExpression link(QStringLiteral(R"(\]\(([a-z-]*\.md)?#([a-z0-9_-]+)\))"));
    for (const QString& from :
         {QStringLiteral("user-guide.md"), QStringLiteral("team-server.md"), QStringLiteral("team.md"),
          QStringLiteral("architecture.md"), QStringLiteral("testing.md")}) {
        for (auto it = link.globalMatch(BuiltIn(from)); it.hasNext();) {
            const auto match = it.next();
            const QString target = match.captured(1).isEmpty() ? from : match.captured(1);
            EXPECT_TRUE(Anchors(target).count(match.captured(2)))
                << from.toStdString() << " links to " << target.toStdString() << "#"
                << match.captured(2).toStdString();
        }
    }
}

TEST(UserGuide, ALanguageWithoutATranslatedGuideGetsTheEnglishOne) {
    EXPECT_EQ(GuideFileFor(QStringLiteral("en")), QStringLiteral(":/guide/user-guide.md"));
    EXPECT_EQ(GuideFileFor(QStringLiteral("de")), QStringLiteral(":/guide/user-guide.md"));
}

TEST(UserGuide, OpensAtThePageAndFollowsLinks) {
    GuideWindow* guide = OpenUserGuide(kPageTeam);
    ASSERT_TRUE(WaitFor([guide] { return guide->ShowsHeading(QString::fromLatin1(kPageTeam)); }));
    EXPECT_GT(guide->Browser()->verticalScrollBar()->value(), 0);

    // The same window again, at another page.
    EXPECT_EQ(OpenUserGuide(kPageSoil), guide);
    ASSERT_TRUE(WaitFor([guide] { return guide->ShowsHeading(QString::fromLatin1(kPageSoil)); }));
    EXPECT_FALSE(guide->ShowsHeading(QString::fromLatin1(kPageTeam)));

    // A link inside the guide, then one to another built-in guide.
    emit guide->Browser()->anchorClicked(QUrl(QStringLiteral("#grid-safety")));
    ASSERT_TRUE(WaitFor([guide] { return guide->ShowsHeading(QStringLiteral("grid-safety")); }));
    emit guide->Browser()->anchorClicked(QUrl(QStringLiteral("team-server.md#upgrading-the-server")));
    EXPECT_EQ(guide->CurrentFile(), QStringLiteral(":/guide/team-server.md"));
    ASSERT_TRUE(WaitFor([guide] { return guide->ShowsHeading(QStringLiteral("upgrading-the-server")); }));
    guide->close();
}

TEST(UserGuide, F1InTheArchiveWindowOpensItsPage) {
    history::HistoryWindow window(nullptr, QStringLiteral("no archive here"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    GuideWindow* guide = nullptr;
    ASSERT_TRUE(WaitFor([&guide] { return (guide = VisibleGuide()) != nullptr; }));
    ASSERT_TRUE(WaitFor([guide] { return guide->ShowsHeading(QString::fromLatin1(kPageArchive)); }));
    guide->close();
}

}  // namespace
}  // namespace terrovane::help
