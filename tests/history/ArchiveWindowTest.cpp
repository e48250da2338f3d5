// The archive window's sites and points: the tree, the assignment step, verdicts in the list, the
// fixes a new user asked for (empty list, export extension, select all, Enter in the label dialog).
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>

#include <map>

#include "ArchiveFixtures.h"
#include "ExportPath.h"
#include "HistoryColumns.h"
#include "HistoryWindow.h"
#include "MessageRecorder.h"
#include "MessageText.h"
#include "SiteReportPdf.h"
#include "SiteReportPrinting.h"
#include "Sites.h"
#include "TabChain.h"
#include "TreeColumns.h"

namespace terrovane::history {
namespace {

using archive::testing::DistinctImage;
using archive::testing::ImageWith;
using archive::testing::MakeResult;

class ArchiveWindowTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        // One campaign of four legs: 8, 10 (at the limit), 10.5 ohm and a resistivity reading.
        ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, MakeResult(1, 5, 0, 8.0f)},
                                                     {1, MakeResult(1, 5, 1, 10.0f)},
                                                     {2, MakeResult(1, 5, 2, 10.5f)},
                                                     {3, MakeResult(9, 5, 3, 300.0f)}}))
                        .stored);
        archive::SiteFields site;
        site.name = "Line 4";
        site.limit = archive::Limit{10, "IEC 62305-3"};
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        for (const char* name : {"Leg A", "Leg B", "Leg C", "Leg D"}) {
            archive::PointFields point;
            point.name = name;
            std::int64_t id = 0;
            ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, id, error_)) << error_;
            points_.push_back(id);
        }
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
    }

    QString Cell(int row, int column) const { return window_->Model().index(row, column).data().toString(); }
    void ChooseTree(TreeChoice::Kind kind, std::int64_t id = 0) {
        ASSERT_TRUE(window_->Tree().Choose({kind, id}));
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    std::int64_t siteId_ = 0;
    std::vector<std::int64_t> points_;
    std::string error_;
    testing::MessageRecorder recorder_;
};

TEST_F(ArchiveWindowTest, ARunOfSlotsIsAssignedInOrderAndJudgedInWordsAndColour) {
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Archive"));
    ChooseTree(TreeChoice::Kind::Unassigned);
    ASSERT_EQ(window_->Model().rowCount(), 4);
    window_->SelectAll();
    window_->Assignment().assignChooser = [this](int results) {
        EXPECT_EQ(results, 4);
        return std::optional(AssignChoice{siteId_, points_[0], true});
    };
    window_->Assignment().AssignSelected();
    EXPECT_EQ(window_->Status().text(), QStringLiteral("No results match"));  // none unassigned now

    ChooseTree(TreeChoice::Kind::Site, siteId_);
    ASSERT_EQ(window_->Model().rowCount(), 4);
    // Newest first: slots 0 to 3 went to legs A to D.
    EXPECT_EQ(Cell(0, kPointColumn), QStringLiteral("Leg A"));
    EXPECT_EQ(Cell(3, kPointColumn), QStringLiteral("Leg D"));
    EXPECT_EQ(Cell(0, kSiteColumn), QStringLiteral("Line 4"));
    EXPECT_EQ(Cell(0, kValueColumn), QString::fromUtf8("8.00 Ω"));
    EXPECT_EQ(Cell(1, kVerdictColumn), QStringLiteral("pass"));  // exactly at the limit
    EXPECT_EQ(Cell(2, kVerdictColumn), QStringLiteral("fail"));
    EXPECT_EQ(Cell(3, kVerdictColumn), QStringLiteral("none"));
    EXPECT_EQ(Cell(3, kValueColumn), QString::fromUtf8("300 Ωm"));
    const QModelIndex fail = window_->Model().index(2, kVerdictColumn);
    EXPECT_EQ(fail.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0xB7, 0x1C, 0x1C));
    EXPECT_NE(fail.data(Qt::ToolTipRole).toString().indexOf(QStringLiteral("IEC 62305-3")), -1);

    ChooseTree(TreeChoice::Kind::Point, points_[2]);
    ASSERT_EQ(window_->Model().rowCount(), 1);
    EXPECT_EQ(Cell(0, kPointColumn), QStringLiteral("Leg C"));
}

TEST_F(ArchiveWindowTest, TheSiteReportOfTheChosenPointsSiteIsWrittenWithTheTesterAndInstrumentGiven) {
    ASSERT_TRUE(archive::AssignInOrder(*archive_, {1, 2, 3, 4}, siteId_, 0, error_)) << error_;
    window_->Refresh();
    const QString path = QString::fromStdString(Path("line 4.pdf"));
    window_->Reporting().reportFileChooser = [path] { return path; };
    std::vector<SiteReportRequest> offered;
    window_->Reporting().reportAsker = [&offered](const QString& site, const SiteReportRequest& last) {
        EXPECT_EQ(site, QStringLiteral("Line 4"));
        offered.push_back(last);
        return std::optional(SiteReportRequest{SiteReportRequest::Output::Pdf, QStringLiteral("Zoë"),
                                               QStringLiteral("SN-0815"), QStringLiteral("Netz Süd AG"),
                                               QStringLiteral("Jana Roth"), QStringLiteral("Malik Öztürk"),
                                               QString()});
    };
    window_->Reporting().ReportChosenSite();  // "All results" is no site
    ASSERT_EQ(recorder_.Texts().size(), 1u);
    EXPECT_TRUE(offered.empty());
    ChooseTree(TreeChoice::Kind::Point, points_[1]);
    window_->Reporting().ReportChosenSite();
    EXPECT_EQ(window_->Status().text(), QStringLiteral("Site report of Line 4 written to ") + path +
                                            QStringLiteral(" (2 passed, 1 failed, 1 without limit)"));
    const std::string text =
        archive::testing::RunCommand("pdftotext -layout '" + path.toStdString() + "' -").text;
    for (const char* expected : {"Leg D", "Zoë", "SN-0815", "Netz Süd AG", "Jana Roth", "Malik Öztürk"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    // The next report offers the tester and instrument of this one.
    window_->Reporting().ReportChosenSite();
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_TRUE(offered[0].tester.isEmpty());
    EXPECT_EQ(offered[1].tester, QStringLiteral("Zoë"));
    EXPECT_EQ(offered[1].instrument, QStringLiteral("SN-0815"));

    // The dialog's third choice: a certificate page per test point.
    window_->Reporting().reportAsker = [](const QString&, const SiteReportRequest&) {
        return std::optional(SiteReportRequest{SiteReportRequest::Output::Certificates, QString(), QString(),
                                               QString(), QStringLiteral("Jana Roth"), QString(), QString()});
    };
    window_->Reporting().ReportChosenSite();
    EXPECT_EQ(window_->Status().text(), QStringLiteral("Certificates of Line 4 written to ") + path);
    EXPECT_EQ(
        archive::testing::RunCommand("pdfinfo '" + path.toStdString() + "' | awk '/^Pages:/ {print $2}'")
            .text,
        "4\n");
    EXPECT_NE(archive::testing::RunCommand("pdftotext '" + path.toStdString() + "' -")
                  .text.find("Certificate 4 of 4"),
              std::string::npos);
}

TEST_F(ArchiveWindowTest, TheSiteReportPreviewShowsThePagesThePrinterGets) {
    ASSERT_TRUE(archive::AssignInOrder(*archive_, {1, 2, 3, 4}, siteId_, 0, error_)) << error_;
    window_->Refresh();
    ChooseTree(TreeChoice::Kind::Site, siteId_);
    window_->Reporting().reportAsker = [](const QString&, const SiteReportRequest&) {
        return std::optional(SiteReportRequest{SiteReportRequest::Output::Preview, QStringLiteral("Tester T"),
                                               QString(), QString(), QString(), QString(), QString()});
    };
    int pages = -1;
    QString title;
    window_->Reporting().previewShown = [&](QPrintPreviewDialog& preview) {
        title = preview.windowTitle();
        pages = PreviewPageCount(preview);
        preview.reject();
    };
    window_->Reporting().ReportChosenSite();
    EXPECT_EQ(title, QStringLiteral("Site report: Line 4"));
    EXPECT_EQ(pages, 4);  // title, summary, results, signatures

    // The printer is drawn on by the same pages: a printer writing a PDF file, read back.
    sitereport::SiteReport report;
    ASSERT_TRUE(sitereport::LoadSiteReport(*archive_, "Line 4", "", "", {}, report, error_)) << error_;
    report.tester = "Tester T";
    report.version = "1.2.3";
    QPrinter printer(QPrinter::HighResolution);
    sitereport::SetSiteReportPaper(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string path = Path("printed.pdf");
    printer.setOutputFileName(QString::fromStdString(path));
    ASSERT_TRUE(PrintSiteReport(report, printer));
    const std::string text = archive::testing::RunCommand("pdftotext -layout '" + path + "' -").text;
    for (const char* expected : {"Earth resistance test report", "Line 4", "Tester T", "Leg A", "Leg D",
                                 "IEC 62305-3", "Summary: 2 passed, 1 failed, 1 without limit",
                                 "Terrovane 1.2.3", "Page 4 of 4", "not recorded by the instrument"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
}

TEST(TreeColumnsTest, AColumnIsAsWideAsItsWidestTextAtEveryFontSize) {
    for (const int pixels : {13, 26}) {  // 1x and 2x
        QFont font;
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const std::vector<ShownText> texts = {
            {QStringLiteral("Due"), 0},
            {QStringLiteral("2024-07-03 (overdue)"), 0},
            {QStringLiteral("now (overdue)"), 40},
        };
        const int width = WholeTextWidth(metrics, texts, 3);
        EXPECT_EQ(width, std::max(metrics.horizontalAdvance(QStringLiteral("2024-07-03 (overdue)")),
                                  40 + metrics.horizontalAdvance(QStringLiteral("now (overdue)"))) +
                             6);
        EXPECT_EQ(WholeTextWidth(metrics, texts, 3, 50), 50);  // a bound cuts it
        EXPECT_EQ(WholeTextWidth(metrics, {}, 3), 6);
    }
}

TEST_F(ArchiveWindowTest, TheSiteTreeShowsEveryTextOfItsColumnsWhole) {
    archive::SiteRow site = *archive::FindSite(*archive_, "Line 4", error_);
    site.fields.intervalMonths = 12;  // measured in 2009: every tested point is overdue
    ASSERT_TRUE(archive::UpdateSite(*archive_, siteId_, site.fields, error_)) << error_;
    ASSERT_TRUE(archive::AssignInOrder(*archive_, {1, 2, 3}, siteId_, 0, error_)) << error_;
    archive::PointFields longName;
    longName.name = "Down conductor, north-east corner";
    std::int64_t id = 0;
    ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, longName, id, error_)) << error_;
    window_->Refresh();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    SiteTree& tree = window_->Tree();
    // The pane is as wide as the user makes it; made as wide as its texts, it shows them whole.
    window_->resize(1600, window_->height());
    window_->findChild<QSplitter*>()->setSizes({tree.FittedWidth(), 1600 - tree.FittedWidth()});
    QApplication::processEvents();
    int overdue = 0;
    for (QTreeWidgetItemIterator it(&tree); *it != nullptr; ++it) {
        int depth = 0;
        for (auto* parent = (*it)->parent(); parent != nullptr; parent = parent->parent()) {
            ++depth;
        }
        for (int column = 0; column < tree.columnCount(); ++column) {
            const int indent = column == SiteTree::kNameColumn ? tree.indentation() * (depth + 1) : 0;
            EXPECT_GT(tree.header()->sectionSize(column),
                      indent + tree.fontMetrics().horizontalAdvance((*it)->text(column)))
                << (*it)->text(column).toStdString();
        }
        overdue += (*it)->text(SiteTree::kDueColumn).contains(QStringLiteral("overdue"));
    }
    EXPECT_EQ(overdue, 5);  // three tested in 2009, two never tested
    // Every column within the tree's width: nothing scrolled out of sight.
    EXPECT_LE(tree.header()->length(), tree.viewport()->width());
}

// A failed reading after a point's last test is said beside it and moves neither the test nor the due date.
TEST_F(ArchiveWindowTest, TheSiteTreeTellsAFailedReadingAfterTheLastTest) {
    archive::SiteRow site = *archive::FindSite(*archive_, "Line 4", error_);
    site.fields.intervalMonths = 12;
    ASSERT_TRUE(archive::UpdateSite(*archive_, siteId_, site.fields, error_)) << error_;
    // Results 5 and 6: failed readings on 2009-01-20, after Leg A's test on the 5th and as Leg B's only one.
    ASSERT_TRUE(
        StoreImage(*archive_, ImageWith({{0, MakeResult(1, 20, 0, -1.0f)}, {1, MakeResult(1, 20, 1, -1.0f)}}))
            .stored);
    ASSERT_TRUE(archive::Assign(*archive_, {1, 5}, points_[0], error_)) << error_;
    ASSERT_TRUE(archive::Assign(*archive_, {6}, points_[1], error_)) << error_;
    window_->Refresh();
    std::map<QString, std::pair<QString, QString>> shown;  // name: last test, due
    for (QTreeWidgetItemIterator it(&window_->Tree()); *it != nullptr; ++it) {
        if ((*it)->parent() != nullptr &&
            (*it)->parent()->text(SiteTree::kNameColumn) == QStringLiteral("Line 4")) {
            shown[(*it)->text(SiteTree::kNameColumn)] = {(*it)->text(SiteTree::kLastTestColumn),
                                                         (*it)->text(SiteTree::kDueColumn)};
        }
    }
    EXPECT_EQ(shown[QStringLiteral("Leg A")].first, QStringLiteral("2009-01-05, then 1 failed reading"));
    EXPECT_EQ(shown[QStringLiteral("Leg A")].second, QStringLiteral("2010-01-05 (overdue)"));
    EXPECT_EQ(shown[QStringLiteral("Leg B")].first, QStringLiteral("never, then 1 failed reading"));
    EXPECT_EQ(shown[QStringLiteral("Leg B")].second, QStringLiteral("now (overdue)"));
}

TEST_F(ArchiveWindowTest, TheAssignDialogMakesSitesAndPointsOnTheSpot) {
    AssignDialog dialog(*archive_, 2);
    EXPECT_EQ(dialog.SiteChoice().currentText(), QStringLiteral("Line 4"));
    EXPECT_EQ(dialog.PointChoice().count(), 4);
    ASSERT_TRUE(dialog.NewEntries().NewSite(QString::fromUtf8("Подстанция")));
    EXPECT_EQ(dialog.SiteChoice().currentText(), QString::fromUtf8("Подстанция"));
    EXPECT_FALSE(dialog.Choice());  // the new site has no point yet
    ASSERT_TRUE(dialog.NewEntries().NewPoint(QStringLiteral("E1")));
    const auto choice = dialog.Choice();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->point, dialog.PointChoice().currentData().toLongLong());
    EXPECT_FALSE(dialog.NewEntries().NewPoint(QStringLiteral("E1")));
    ASSERT_EQ(recorder_.Texts().size(), 1u);
    EXPECT_NE(recorder_.Texts()[0].find("already has a test point"), std::string::npos);
}

TEST_F(ArchiveWindowTest, DeletingAPointWithResultsAsksAndKeepsTheResults) {
    ASSERT_TRUE(archive::Assign(*archive_, {1, 2}, points_[1], error_)) << error_;
    window_->Refresh();
    ChooseTree(TreeChoice::Kind::Point, points_[1]);
    recorder_.AnswerNext(platform::MessageResult::Cancel);
    window_->Edits().DeleteChosen();
    ASSERT_EQ(recorder_.Texts().size(), 1u);
    EXPECT_TRUE(texts::MessageText(recorder_.Messages()[0]).contains(QStringLiteral("has 2 results")));
    // A hurried Enter keeps the point.
    EXPECT_EQ(recorder_.Messages()[0].defaultAnswer, platform::MessageResult::Cancel);
    EXPECT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, points_[1]}));
    recorder_.AnswerNext(platform::MessageResult::Ok);
    window_->Edits().DeleteChosen();
    EXPECT_FALSE(window_->Tree().Choose({TreeChoice::Kind::Point, points_[1]}));
    ChooseTree(TreeChoice::Kind::Unassigned);
    EXPECT_EQ(window_->Model().rowCount(), 4);

    ChooseTree(TreeChoice::Kind::Site, siteId_);
    window_->Edits().nameAsker = [](const QString&, const QString& current) {
        EXPECT_EQ(current, QStringLiteral("Line 4"));
        return std::optional(QStringLiteral("Line 4 north"));
    };
    window_->Edits().RenameChosen();
    EXPECT_EQ(window_->Tree().currentItem()->text(0), QStringLiteral("Line 4 north"));

    // Deleting the site asks the same way, Cancel the default.
    recorder_.Clear();
    recorder_.AnswerNext(platform::MessageResult::Cancel);
    window_->Edits().DeleteChosen();
    ASSERT_EQ(recorder_.Messages().size(), 1u);
    EXPECT_EQ(recorder_.Messages()[0].defaultAnswer, platform::MessageResult::Cancel);
    EXPECT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
}

TEST_F(ArchiveWindowTest, CtrlASelectsEveryResultShownNotOnlyTheFirstPage) {
    for (int seed = 0; seed < 3; ++seed) {
        ASSERT_TRUE(StoreImage(*archive_, DistinctImage(seed)).stored);
    }
    window_->Refresh();
    ASSERT_EQ(window_->Model().rowCount(), HistoryModel::kPageSize);
    window_->View().setFocus();
    QTest::keyClick(&window_->View(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window_->View().selectionModel()->selectedRows().size(), 304);
    const QString path = QString::fromStdString(Path("all.xlsx"));
    window_->Results().exportFileChooser = [path] { return path; };
    window_->Results().ExportSelected();
    EXPECT_EQ(window_->Status().text(), QStringLiteral("304 results exported to ") + path);
    EXPECT_EQ(
        archive::testing::RunPython("import openpyxl, sys\nprint(openpyxl.load_workbook(sys.stdin.readline()"
                                    ".strip()).active.max_row)",
                                    path.toStdString() + "\n"),
        "305");
}

TEST(ExportPathTest, TheChosenTypesExtensionIsAddedUnlessTheNameHasOne) {
    const QString xlsx = QStringLiteral("Excel workbook (*.xlsx)");
    EXPECT_EQ(WithExportExtension(QStringLiteral("/tmp/site"), xlsx), QStringLiteral("/tmp/site.xlsx"));
    EXPECT_EQ(WithExportExtension(QStringLiteral("/tmp/site"), QStringLiteral("CSV file(*.csv)")),
              QStringLiteral("/tmp/site.csv"));
    EXPECT_EQ(WithExportExtension(QStringLiteral("/tmp/site.JSON"), xlsx), QStringLiteral("/tmp/site.JSON"));
    EXPECT_EQ(WithExportExtension(QStringLiteral("/tmp/v1.2"), xlsx), QStringLiteral("/tmp/v1.2.xlsx"));
    EXPECT_EQ(WithExportExtension(QString(), xlsx), QString());
    EXPECT_EQ(WithExportExtension(QStringLiteral("/tmp/r"), QStringLiteral("(*.pdf)")),
              QStringLiteral("/tmp/r.pdf"));
    EXPECT_TRUE(ExportFilters().startsWith(xlsx));
}

// On a screen narrower than its usual width (the offscreen one is 800 pixels wide, as a 1280-pixel screen at
// 1.6x) the window opens inside the screen, its buttons and filters wrapped onto more rows, none cut off.
TEST_F(ArchiveWindowTest, OpensInsideTheScreenWithEveryControlShown) {
    const QRect area = window_->screen()->availableGeometry();
    ASSERT_LT(area.width(), 1280);
    EXPECT_LE(window_->frameGeometry().width(), area.width());
    EXPECT_LE(window_->frameGeometry().height(), area.height());
    QApplication::processEvents();
    for (QWidget* control : window_->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window_.get()) ||
            !(qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
              qobject_cast<QLineEdit*>(control)))
            continue;
        const QRect placed(control->mapTo(window_.get(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(window_->rect().contains(placed)) << testing::DescribeControl(control).toStdString();
    }
}

// The keyboard reaches every control of the archive window and of each window it opens, and Tab wraps.
TEST_F(ArchiveWindowTest, TabReachesEveryControlOfEveryWindow) {
    using testing::TabChainProblems;
    EXPECT_EQ(TabChainProblems(window_.get()), "");
    EXPECT_FALSE(window_->View().tabKeyNavigation());
    EXPECT_FALSE(window_->Tree().tabKeyNavigation());

    AssignDialog assign(*archive_, 2);
    EXPECT_EQ(TabChainProblems(&assign), "");
    LabelDialog label(QStringLiteral("Label"), {}, {QStringLiteral("Pole 7")});
    EXPECT_EQ(TabChainProblems(&label), "");

    window_->View().selectRow(0);
    std::unique_ptr<QWidget> trend(window_->Results().ShowTrend());
    ASSERT_NE(trend, nullptr);
    EXPECT_EQ(TabChainProblems(trend.get()), "");
    window_->View().clearSelection();
    ChooseTree(TreeChoice::Kind::Site, siteId_);
    ASSERT_TRUE(archive::AssignInOrder(*archive_, {1, 2, 3, 4}, siteId_, 0, error_)) << error_;
    window_->Refresh();
    window_->View().selectAll();
    for (QWidget* engineering :
         {window_->Analyses().ShowSoilModel(), window_->Analyses().ShowFallOfPotential()}) {
        ASSERT_NE(engineering, nullptr);
        EXPECT_EQ(TabChainProblems(engineering), "") << engineering->windowTitle().toStdString();
        delete engineering;
    }
}

TEST(LabelDialogTest, EnterConfirmsTheFirstTimeEvenWhileALabelIsCompleted) {
    LabelDialog dialog(QStringLiteral("Label"), {}, {QStringLiteral("Pole 7"), QStringLiteral("Pole 8")});
    dialog.show();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.LabelField().setFocus();
    QTest::keyClicks(&dialog.LabelField(), QStringLiteral("Po"));
    // Keys go where a user's would: to a completion popup while one is open.
    QWidget* popup = QApplication::activePopupWidget();
    QTest::keyClick(popup != nullptr ? popup : static_cast<QWidget*>(&dialog.LabelField()), Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_TRUE(dialog.Value().label.startsWith(QStringLiteral("Po")));
}

}  // namespace
}  // namespace terrovane::history
