// The archive window's search field typed into as a user types: the tree and the list both narrow to what
// the words find once the typing pauses, Chinese included, and come back whole when the field is cleared.
#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

#include "ArchiveFixtures.h"
#include "EventWait.h"
#include "HistoryWindow.h"
#include "Sites.h"
#include "TypedResults.h"

namespace terrovane::history {
namespace {

class SearchWindowTest : public archive::testing::ArchiveTest {
  protected:
    // "Depot" with "Rod 1" and "Rod 2", a result each; "Barn" with "Gate post" and a typed result by its
    // instrument; "北京变电站"; two results left unassigned, one of them labelled "Campaign Rhine".
    void SetUp() override {
        archive_ = OpenArchive();
        ASSERT_TRUE(StoreImage(*archive_, archive::testing::DistinctImage(1, 4)).stored);
        const auto site = [this](const std::string& name) {
            archive::SiteFields fields;
            fields.name = name;
            std::int64_t id = 0;
            EXPECT_TRUE(archive::AddSite(*archive_, fields, id, error_)) << error_;
            return id;
        };
        const auto point = [this](std::int64_t site, const std::string& name) {
            archive::PointFields fields;
            fields.name = name;
            std::int64_t id = 0;
            EXPECT_TRUE(archive::AddPoint(*archive_, site, fields, id, error_)) << error_;
            return id;
        };
        const std::int64_t depot = site("Depot");
        ASSERT_TRUE(archive::Assign(*archive_, {1}, point(depot, "Rod 1"), error_)) << error_;
        ASSERT_TRUE(archive::Assign(*archive_, {2}, point(depot, "Rod 2"), error_)) << error_;
        archive::TypedResultFields typed;
        typed.point = point(site("Barn"), "Gate post");
        typed.method = "3-pole";
        typed.values = {{"Re", 4.2, false}};
        typed.measured = "2024-03-01 09:15";
        typed.instrument = "Ohmcraft T-100";
        ASSERT_TRUE(archive::AddTypedResult(*archive_, typed));
        site("北京变电站");
        ASSERT_TRUE(
            archive_->SetLabel(archive::LabelTarget::Result, 4, "Campaign Rhine", std::nullopt, error_));
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    // The tree's entries below the first two, depth first, the points indented.
    QString Tree() const {
        QStringList names;
        SiteTree& tree = window_->Tree();
        for (int i = 2; i < tree.topLevelItemCount(); ++i) {
            QTreeWidgetItem* site = tree.topLevelItem(i);
            names << site->text(0);
            for (int j = 0; j < site->childCount(); ++j) {
                names << QStringLiteral("  ") + site->child(j)->text(0);
            }
        }
        return names.join(QLatin1Char('|'));
    }

    // Types into the search field as a user does, and waits for the list to show `rows` rows.
    void Type(const QString& text, int rows) {
        QLineEdit& field = window_->Search().SearchField();
        field.setFocus();
        field.selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(&field, Qt::Key_Delete);
        } else if (text.front().unicode() >= 0x80) {
            // Chinese comes as an input method commits it.
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(&field, &commit);
        } else {
            QTest::keyClicks(&field, text);
        }
        EXPECT_TRUE(testing::RunEventsUntil([&] {
            return window_->Tree().Searched() == text && window_->Model().rowCount() == rows;
        })) << text.toStdString()
            << ": " << window_->Model().rowCount() << " rows";
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    std::string error_;
};

TEST_F(SearchWindowTest, TypingNarrowsTheTreeAndTheListAndClearingBringsThemBack) {
    const QString whole = Tree();
    const auto typedRows = [this] { return window_->Typed().List().topLevelItemCount(); };
    EXPECT_EQ(window_->Model().rowCount(), 4);
    EXPECT_EQ(typedRows(), 1);
    Type(QStringLiteral("rod 2"), 1);
    EXPECT_EQ(Tree(), QStringLiteral("Depot|  Rod 2"));
    EXPECT_EQ(typedRows(), 0);  // the typed result is of another site
    Type(QStringLiteral("depot"), 2);
    EXPECT_EQ(Tree(), QStringLiteral("Depot|  Rod 1|  Rod 2"));
    // By a typed result's instrument: its point in the tree and the typed result below; the read-outs'
    // list has nothing of it.
    Type(QStringLiteral("ohmcraft"), 0);
    EXPECT_EQ(Tree(), QStringLiteral("Barn|  Gate post"));
    EXPECT_EQ(window_->Status().text(), QStringLiteral("No results match"));
    EXPECT_EQ(typedRows(), 1);
    // By its point's site: everything measured there.
    Type(QStringLiteral("barn"), 0);
    EXPECT_EQ(typedRows(), 1);
    Type(QStringLiteral("rhine"), 1);
    EXPECT_EQ(Tree(), QString());
    Type(QStringLiteral("变电"), 0);
    EXPECT_EQ(Tree(), QStringLiteral("北京变电站"));
    // The index's syntax is taken as typed: nothing found, nothing failed.
    Type(QStringLiteral("NEAR(\"*"), 0);
    EXPECT_EQ(Tree(), QString());
    Type(QString(), 4);
    EXPECT_EQ(Tree(), whole);
    EXPECT_EQ(typedRows(), 1);
}

TEST_F(SearchWindowTest, AChosenSiteAndTheWordsNarrowTogether) {
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, 1}));
    EXPECT_EQ(window_->Model().rowCount(), 2);
    Type(QStringLiteral("rod 1"), 1);
    EXPECT_EQ(window_->Tree().Current().kind, TreeChoice::Kind::Site);
    // The words leave the chosen site out: "All results" is chosen, and the list follows the words.
    Type(QStringLiteral("barn"), 0);
    EXPECT_EQ(window_->Tree().Current().kind, TreeChoice::Kind::All);
    EXPECT_EQ(Tree(), QStringLiteral("Barn|  Gate post"));
}

}  // namespace
}  // namespace terrovane::history
