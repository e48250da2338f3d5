// The History window over a real archive file, on the offscreen platform.
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "ArchiveFixtures.h"
#include "ArchiveSetting.h"
#include "HistoryColumns.h"
#include "HistoryWindow.h"
#include "MessageRecorder.h"
#include "TrendWindow.h"

namespace terrovane::history {
namespace {

using archive::testing::DistinctImage;
using archive::testing::ImageWith;
using archive::testing::MakeResult;

class HistoryWindowTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        // Read-out 1 holds a 3-pole result and a resistivity result; read-out 2 two more 3-pole ones.
        ASSERT_TRUE(StoreImage(*archive_,
                               ImageWith({{3, MakeResult(1, 5, 0, 12.5f)}, {8, MakeResult(9, 6, 0, 250.0f)}}))
                        .stored);
        ASSERT_TRUE(StoreImage(*archive_,
                               ImageWith({{0, MakeResult(1, 7, 0, 11.0f)}, {1, MakeResult(1, 9, 0, 10.0f)}}),
                               "2024-06-01T08:00:00+02:00")
                        .stored);
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
    }

    QString Cell(int row, int column) const { return window_->Model().index(row, column).data().toString(); }
    void Select(int row) { window_->View().selectRow(row); }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    testing::MessageRecorder recorder_;
};

TEST_F(HistoryWindowTest, ListsEveryResultNewestFirstWithTheWorkbookTexts) {
    HistoryModel& model = window_->Model();
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(Cell(0, kReadAtColumn), QStringLiteral("2024-06-01 08:00:00+02:00"));
    EXPECT_EQ(Cell(0, kSlotColumn), QStringLiteral("00"));
    EXPECT_EQ(Cell(2, kSlotColumn), QStringLiteral("03"));
    EXPECT_EQ(Cell(3, kModeColumn), QString::fromUtf8("ρ"));
    EXPECT_EQ(Cell(2, kDateColumn), QStringLiteral("2009-01-05"));
    EXPECT_EQ(Cell(2, kTimeColumn), QStringLiteral("10:00:00"));
    EXPECT_EQ(Cell(2, kFirstCellColumn), QStringLiteral("20"));         // voltage
    EXPECT_EQ(Cell(2, kFirstCellColumn + 2), QStringLiteral("12.50"));  // Re
    EXPECT_EQ(Cell(3, kFirstCellColumn + 8), QStringLiteral("250.0"));  // resistivity
    EXPECT_EQ(model.headerData(kFirstCellColumn + 2, Qt::Horizontal).toString(), QString::fromUtf8("Re(Ω)"));
    EXPECT_EQ(model.headerData(kLabelColumn, Qt::Horizontal).toString(), QStringLiteral("Label"));
    EXPECT_EQ(model.headerData(0, Qt::Vertical).toLongLong(), 3);  // the result's id
    EXPECT_EQ(window_->Status().text(), QStringLiteral("4 results"));
}

TEST_F(HistoryWindowTest, ClickingAHeaderSortsTheWholeArchive) {
    window_->View().sortByColumn(kFirstCellColumn + 2, Qt::AscendingOrder);
    EXPECT_EQ(Cell(0, kFirstCellColumn + 2), QString());  // the resistivity result has no Re
    EXPECT_EQ(Cell(1, kFirstCellColumn + 2), QStringLiteral("10.00"));
    EXPECT_EQ(Cell(3, kFirstCellColumn + 2), QStringLiteral("12.50"));
    window_->View().sortByColumn(kDateColumn, Qt::DescendingOrder);
    EXPECT_EQ(Cell(0, kDateColumn), QStringLiteral("2009-01-09"));
    window_->View().sortByColumn(kReadAtColumn, Qt::AscendingOrder);
    EXPECT_EQ(Cell(0, kSlotColumn), QStringLiteral("08"));  // oldest read-out, last slot first
    EXPECT_EQ(SortForColumn(kFirstCellColumn + 13, Qt::AscendingOrder).order, archive::ResultOrder::Distance);
    EXPECT_EQ(SortForColumn(kFirstCellColumn + 12, Qt::AscendingOrder).order,
              static_cast<archive::ResultOrder>(static_cast<int>(archive::ResultOrder::Value0) + 10));
}

TEST_F(HistoryWindowTest, FiltersByDateModeAndLabel) {
    window_->Filters().ModeChoice().setCurrentIndex(window_->Filters().ModeChoice().findData(9));
    ASSERT_EQ(window_->Model().rowCount(), 1);
    EXPECT_EQ(Cell(0, kSlotColumn), QStringLiteral("08"));
    window_->Filters().ModeChoice().setCurrentIndex(0);
    window_->Filters().Since().setDate(QDate(2009, 1, 6));
    window_->Filters().Until().setDate(QDate(2009, 1, 7));
    window_->Filters().SinceEnabled().setChecked(true);
    window_->Filters().UntilEnabled().setChecked(true);
    EXPECT_EQ(window_->Model().rowCount(), 2);
    window_->Filters().UntilEnabled().setChecked(false);
    EXPECT_EQ(window_->Model().rowCount(), 3);
    window_->Filters().SinceEnabled().setChecked(false);
    std::string error;
    ASSERT_TRUE(archive_->SetLabel(archive::LabelTarget::Result, 1, "Pole 7", std::nullopt, error));
    window_->Filters().LabelFilter().setText(QStringLiteral("pole"));
    ASSERT_EQ(window_->Model().rowCount(), 1);
    EXPECT_EQ(Cell(0, kLabelColumn), QStringLiteral("Pole 7"));
}

TEST_F(HistoryWindowTest, LabelsAResultOrItsWholeReadOut) {
    QString askedTitle;
    window_->Results().labelEditor = [&](const QString& title, const LabelEdit&) -> std::optional<LabelEdit> {
        askedTitle = title;
        return LabelEdit{QStringLiteral("Tower 9"), QStringLiteral("after rain")};
    };
    Select(2);
    window_->Results().LabelSelectedResults();
    EXPECT_EQ(askedTitle,
              QStringLiteral("Label of slot %1 of %2").arg(Cell(2, kSlotColumn), Cell(2, kDateColumn)));
    EXPECT_EQ(Cell(2, kLabelColumn), QStringLiteral("Tower 9"));
    EXPECT_EQ(Cell(2, kNoteColumn), QStringLiteral("after rain"));
    EXPECT_EQ(Cell(3, kLabelColumn), QString());

    window_->Results().labelEditor = [](const QString&, const LabelEdit&) -> std::optional<LabelEdit> {
        return LabelEdit{QStringLiteral("Site B"), QString()};
    };
    Select(0);
    window_->Results().LabelSelectedReadOut();
    EXPECT_EQ(Cell(0, kLabelColumn), QStringLiteral("Site B"));
    EXPECT_EQ(Cell(1, kLabelColumn), QStringLiteral("Site B"));
    EXPECT_EQ(Cell(2, kLabelColumn), QStringLiteral("Tower 9"));  // another read-out: untouched

    window_->Results().labelEditor = [](const QString&, const LabelEdit&) {
        return std::optional<LabelEdit>();
    };
    Select(2);
    window_->Results().LabelSelectedResults();  // cancelled: nothing changes
    EXPECT_EQ(Cell(2, kLabelColumn), QStringLiteral("Tower 9"));
}

TEST_F(HistoryWindowTest, OpenReadOutNamesTheReadOutOfTheChosenResult) {
    QSignalSpy opened(window_.get(), &HistoryWindow::OpenReadOut);
    window_->Results().OpenSelectedReadOut();
    EXPECT_EQ(opened.count(), 0);
    EXPECT_EQ(recorder_.Texts(), std::vector<std::string>{"Choose one or more results in the list first."});
    Select(3);
    window_->Results().OpenSelectedReadOut();
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.first().first().toLongLong(), 1);
}

TEST_F(HistoryWindowTest, ExportsTheChosenResultsAsCsvJsonOrWorkbook) {
    window_->View().selectAll();
    for (const char* name : {"chosen.csv", "chosen.json", "chosen.xls"}) {
        const QString path = QString::fromStdString(Path(name));
        window_->Results().exportFileChooser = [path] { return path; };
        window_->Results().ExportSelected();
        EXPECT_TRUE(recorder_.Texts().empty()) << recorder_.Texts().front();
        EXPECT_EQ(window_->Status().text(), QStringLiteral("4 results exported to ") + path);
    }
    EXPECT_EQ(
        archive::testing::RunPython(
            "import json, sys\nprint([r['id'] for r in json.load(open('" + Path("chosen.json") + "'))])", ""),
        "[3, 4, 1, 2]");
    EXPECT_EQ(archive::testing::ReadFile(Path("chosen.csv")).rfind("\xEF\xBB\xBFid,", 0), 0u);
    EXPECT_EQ(archive::testing::RunPython("import xlrd\nprint(xlrd.open_workbook('" + Path("chosen.xls") +
                                              "').sheet_by_index(0).nrows)",
                                          ""),
              "5");
    window_->Results().exportFileChooser = [this] { return QString::fromStdString(Path("chosen.txt")); };
    window_->Results().ExportSelected();
    ASSERT_EQ(recorder_.Texts().size(), 1u);
    EXPECT_NE(recorder_.Texts()[0].find(".xls, .csv or .json"), std::string::npos);
}

TEST_F(HistoryWindowTest, ResultsArriveAPageAtATime) {
    for (int seed = 0; seed < 3; ++seed) {
        ASSERT_TRUE(StoreImage(*archive_, DistinctImage(seed)).stored);
    }
    window_->Refresh();
    HistoryModel& model = window_->Model();
    EXPECT_EQ(model.rowCount(), HistoryModel::kPageSize);
    EXPECT_TRUE(model.canFetchMore({}));
    EXPECT_EQ(window_->Status().text(), QStringLiteral("200 results shown, more as you scroll"));
    model.fetchMore({});
    EXPECT_EQ(model.rowCount(), 304);
    EXPECT_FALSE(model.canFetchMore({}));
    // No result twice, none left out.
    std::set<qlonglong> ids;
    for (int row = 0; row < model.rowCount(); ++row) {
        ids.insert(model.headerData(row, Qt::Vertical).toLongLong());
    }
    EXPECT_EQ(ids.size(), 304u);
}

TEST_F(HistoryWindowTest, TheTrendFollowsTheLabelOfTheChosenResult) {
    std::string error;
    for (std::int64_t id : {1, 3, 4}) {
        ASSERT_TRUE(archive_->SetLabel(archive::LabelTarget::Result, id, "Pole 7", std::nullopt, error));
    }
    Select(0);
    auto* trend = static_cast<TrendWindow*>(window_->Results().ShowTrend());
    EXPECT_EQ(trend->LabelChoice().currentText(), QStringLiteral("Pole 7"));
    const TrendSeries& series = trend->Chart().Series();
    EXPECT_EQ(series.quantity, format::Quantity::Re);
    ASSERT_EQ(series.samples.size(), 3u);
    EXPECT_EQ(series.samples[0].value, 12.5);  // the 5th, the 7th, the 9th
    EXPECT_EQ(series.samples[2].value, 10.0);
}

TEST_F(HistoryWindowTest, TheSettingKeepsNewReadOutsOutOfTheArchive) {
    SetArchivingEnabled(true);
    HistoryWindow window(archive_.get(), QString());
    EXPECT_TRUE(window.KeepReadOuts().isChecked());
    window.KeepReadOuts().setChecked(false);
    EXPECT_FALSE(ArchivingEnabled());
    window.KeepReadOuts().setChecked(true);
    EXPECT_TRUE(ArchivingEnabled());
}

TEST(HistoryWindowAlone, AnArchiveThatCannotBeOpenedIsSaidInTheWindow) {
    HistoryWindow window(nullptr, QStringLiteral("disk on fire"));
    EXPECT_EQ(window.Model().rowCount(), 0);
    EXPECT_EQ(window.Status().text(), QStringLiteral("The archive cannot be opened: disk on fire"));
}

}  // namespace
}  // namespace terrovane::history
