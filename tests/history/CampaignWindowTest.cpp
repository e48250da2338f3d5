// Setting up a campaign in the archive window as a user does: new sites and test points from the buttons
// under the tree, a site made as a copy of another's points, the sites exported for a map program, and the
// due list of the coming days printed, saved and exported, each file read back by an independent reader.
#include <QAction>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTest>

#include "ArchiveFixtures.h"
#include "Due.h"
#include "DueSoon.h"
#include "DueWindow.h"
#include "HistoryWindow.h"
#include "MessageRecorder.h"
#include "PropertiesDialog.h"
#include "SiteReportPrinting.h"
#include "Sites.h"

namespace terrovane::history {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;
using archive::testing::RunPython;

std::uint32_t Bcd(int value) {
    return static_cast<std::uint32_t>((value / 10) << 4 | (value % 10));
}

record::MeasurementRecord MeasuredOn(const std::string& date, float ohms) {
    record::MeasurementRecord r = MakeResult(1, 1, 0, ohms);
    r.year = Bcd((date[2] - '0') * 10 + (date[3] - '0'));
    r.month = Bcd((date[5] - '0') * 10 + (date[6] - '0'));
    r.day = Bcd((date[8] - '0') * 10 + (date[9] - '0'));
    return r;
}

class CampaignWindowTest : public archive::testing::ArchiveTest {
  protected:
    // "Depot" (limit 10 ohm, yearly, placed) with "Rod 1" measured 8 ohm, due in 10 days, and "Rod 2"
    // measured 12 ohm three years ago; "Barn" has no position and no points.
    void SetUp() override {
        archive_ = OpenArchive();
        const std::string today = archive::Today();
        soon_ = archive::AddMonths(archive::AddDays(today, 10), -12);
        ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, MeasuredOn(soon_, 8.0f)},
                                                     {1, MeasuredOn(archive::AddMonths(today, -36), 12.0f)}}))
                        .stored);
        archive::SiteFields site;
        site.name = "Depot";
        site.latitude = 47.5;
        site.longitude = 8.25;
        site.limit = archive::Limit{10, "client"};
        site.intervalMonths = 12;
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        for (const char* name : {"Rod 1", "Rod 2"}) {
            archive::PointFields point;
            point.name = name;
            point.kind = archive::PointKind::Rod;
            std::int64_t id = 0;
            ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, id, error_)) << error_;
            ASSERT_TRUE(archive::Assign(*archive_, {static_cast<std::int64_t>(id)}, id, error_)) << error_;
        }
        archive::SiteFields barn;
        barn.name = "Barn";
        std::int64_t barnId = 0;
        ASSERT_TRUE(archive::AddSite(*archive_, barn, barnId, error_)) << error_;
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    QPushButton* Button(QWidget& in, const QString& text) const {
        for (QPushButton* button : in.findChildren<QPushButton*>()) {
            if (button->text() == text) {
                return button;
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString();
        return nullptr;
    }
    QAction* MenuAction(const QString& text) const {
        for (QAction* action : window_->findChild<QMenuBar*>()->actions().first()->menu()->actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        ADD_FAILURE() << "no menu entry " << text.toStdString();
        return nullptr;
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    std::int64_t siteId_ = 0;
    std::string soon_;
    std::string error_;
    testing::MessageRecorder recorder_;
};

TEST_F(CampaignWindowTest, ASiteAndATestPointAreMadeWithEveryFieldOfTheProperties) {
    window_->Edits().propertiesShown = [](QDialog& shown) {
        auto& dialog = dynamic_cast<SitePropertiesDialog&>(shown);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New site"));
        dialog.Name().setText(QStringLiteral("Depot"));  // taken: the dialog says so and stays
        dialog.Address().setText(QStringLiteral("Quay 3"));
        dialog.Position().setText(QStringLiteral("53.5, 9.9"));
        dialog.Limit().Choice().setCurrentIndex(dialog.Limit().Choice().count() - 1);
        dialog.Limit().Ohms().setText(QStringLiteral("5"));
        dialog.Limit().Source().setText(QStringLiteral("harbour rules"));
        dialog.Interval().setValue(6);
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.Problem().text().contains(QStringLiteral("already a site named")))
            << dialog.Problem().text().toStdString();
        dialog.Name().setText(QStringLiteral("Harbour"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    };
    QTest::mouseClick(Button(*window_, QStringLiteral("New site...")), Qt::LeftButton);
    const auto harbour = archive::FindSite(*archive_, "Harbour", error_);
    ASSERT_TRUE(harbour) << error_;
    EXPECT_EQ(harbour->fields.address, "Quay 3");
    EXPECT_DOUBLE_EQ(*harbour->fields.latitude, 53.5);
    EXPECT_DOUBLE_EQ(*harbour->fields.longitude, 9.9);
    EXPECT_EQ(harbour->fields.limit->ohms, 5);
    EXPECT_EQ(harbour->fields.limit->source, "harbour rules");
    EXPECT_EQ(harbour->fields.intervalMonths, 6);
    EXPECT_EQ(window_->Tree().Current().kind, TreeChoice::Kind::Site);
    EXPECT_EQ(window_->Tree().Current().id, harbour->id);

    // The new site is chosen, so its first point goes there.
    window_->Edits().propertiesShown = [](QDialog& shown) {
        auto& dialog = dynamic_cast<PointPropertiesDialog&>(shown);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New test point of Harbour"));
        dialog.Name().setText(QStringLiteral("Bollard earth"));
        dialog.Kind().setCurrentText(QStringLiteral("Down conductor"));
        dialog.Interval().setValue(3);
        QTest::keyClick(&dialog, Qt::Key_Return);
    };
    QTest::mouseClick(Button(*window_, QStringLiteral("New test point...")), Qt::LeftButton);
    const auto point = archive::FindPoint(*archive_, "Harbour", "Bollard earth", error_);
    ASSERT_TRUE(point) << error_;
    EXPECT_EQ(point->fields.kind, archive::PointKind::DownConductor);
    EXPECT_EQ(point->fields.intervalMonths, 3);
    EXPECT_FALSE(point->fields.limit);  // the site's applies
    EXPECT_EQ(point->limit->ohms, 5);
    EXPECT_EQ(window_->Tree().Current().id, point->id);

    // With nothing chosen there is no site to put a point in: said, and no dialog.
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::All, 0}));
    window_->Edits().propertiesShown = [](QDialog& shown) {
        ADD_FAILURE() << "a dialog opened";
        shown.reject();
    };
    window_->Campaign().NewPoint();
    ASSERT_EQ(recorder_.Texts().size(), 1u);
    EXPECT_NE(recorder_.Texts()[0].find("Choose the site of the new test point"), std::string::npos);
}

TEST_F(CampaignWindowTest, ASiteMadeAsACopyTakesThePointsButNoResults) {
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    window_->Campaign().copySiteShown = [](CopySiteDialog& step) {
        EXPECT_EQ(step.Source().currentText(), QStringLiteral("Depot (2 test points)"));
        QTest::keyClick(&step, Qt::Key_Return);
    };
    window_->Edits().propertiesShown = [](QDialog& shown) {
        auto& dialog = dynamic_cast<SitePropertiesDialog&>(shown);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New site as a copy of Depot"));
        EXPECT_EQ(dialog.Interval().value(), 12);  // the source's, to start with
        dialog.Name().setText(QStringLiteral("Depot West"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    };
    MenuAction(QStringLiteral("New site as a &copy of..."))->trigger();
    const auto copy = archive::FindSite(*archive_, "Depot West", error_);
    ASSERT_TRUE(copy) << error_;
    EXPECT_EQ(copy->points, 2);
    EXPECT_EQ(copy->fields.limit->ohms, 10);
    std::vector<archive::PointRow> points;
    ASSERT_TRUE(archive::Points(*archive_, copy->id, points, error_)) << error_;
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].fields.name, "Rod 1");
    EXPECT_EQ(points[1].fields.kind, archive::PointKind::Rod);
    EXPECT_EQ(points[0].results + points[1].results, 0);
    EXPECT_EQ(window_->Tree().Current().id, copy->id);
    // Cancelled at the first step, nothing is made.
    window_->Campaign().copySiteShown = [](CopySiteDialog& step) { step.reject(); };
    MenuAction(QStringLiteral("New site as a &copy of..."))->trigger();
    std::vector<archive::SiteRow> sites;
    ASSERT_TRUE(archive::Sites(*archive_, sites, error_)) << error_;
    EXPECT_EQ(sites.size(), 3u);
}

TEST_F(CampaignWindowTest, TheSitesAreExportedForAMapProgramAndTheUnplacedCounted) {
    const std::string geojson = Path("sites.geojson");
    window_->Campaign().sitesFileChooser = [&] { return QString::fromStdString(geojson); };
    MenuAction(QStringLiteral("&Export sites..."))->trigger();
    EXPECT_TRUE(window_->Status().text().contains(QStringLiteral("1 without a position left out")))
        << window_->Status().text().toStdString();
    EXPECT_EQ(RunPython("import json, sys\nf = json.load(sys.stdin)['features']\n"
                        "print(len(f), f[0]['geometry']['coordinates'], f[0]['properties']['verdict'])",
                        archive::testing::ReadFile(geojson)),
              "1 [8.25, 47.5] fail");
    const std::string kml = Path("sites.kml");
    window_->Campaign().sitesFileChooser = [&] { return QString::fromStdString(kml); };
    MenuAction(QStringLiteral("&Export sites..."))->trigger();
    EXPECT_EQ(archive::testing::RunCommand("xmllint --noout '" + kml + "' 2>&1").text, "");
    // Neither name: refused, nothing written.
    window_->Campaign().sitesFileChooser = [&] { return QString::fromStdString(Path("sites.txt")); };
    MenuAction(QStringLiteral("&Export sites..."))->trigger();
    EXPECT_FALSE(std::filesystem::exists(Path("sites.txt")));
    ASSERT_EQ(recorder_.Texts().size(), 1u);
    EXPECT_NE(recorder_.Texts()[0].find(".geojson or .kml"), std::string::npos);
}

TEST_F(CampaignWindowTest, TheDueListLooksAheadTheChosenDaysAndIsPrintedSavedAndExported) {
    auto* due = dynamic_cast<DueWindow*>(window_->Campaign().ShowDueList());
    ASSERT_NE(due, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(due));
    EXPECT_EQ(due->Days().value(), 30);
    const auto column = [due](int col) {
        QStringList texts;
        for (int row = 0; row < due->Table().rowCount(); ++row) {
            texts << due->Table().item(row, col)->text();
        }
        return texts;
    };
    const QString late =
        QString::fromStdString(archive::AddMonths(archive::AddMonths(archive::Today(), -36), 12));
    const QString soon = QString::fromStdString(archive::AddMonths(soon_, 12));
    EXPECT_EQ(column(DueWindow::kPointColumn),
              (QStringList{QStringLiteral("Rod 2"), QStringLiteral("Rod 1")}));
    EXPECT_EQ(column(DueWindow::kDueColumn), (QStringList{late + QStringLiteral(" (overdue)"), soon}));
    EXPECT_EQ(column(DueWindow::kVerdictColumn),
              (QStringList{QStringLiteral("fail"), QStringLiteral("pass")}));
    EXPECT_EQ(column(DueWindow::kLastResultColumn),
              (QStringList{QStringLiteral("Re 12.00 Ω"), QStringLiteral("Re 8.00 Ω")}));
    // Turned down to fewer days than the next one is due in, only the overdue point is left.
    due->Days().setFocus();
    QTest::keyClick(&due->Days(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&due->Days(), QStringLiteral("5"));
    QTest::keyClick(&due->Days(), Qt::Key_Tab);  // a number box takes what was typed when it is left
    EXPECT_EQ(column(DueWindow::kPointColumn), (QStringList{QStringLiteral("Rod 2")}));
    due->Days().setValue(30);

    due->fileChooser = [&](const QString&, const QString&) {
        return QString::fromStdString(Path("due.pdf"));
    };
    due->SaveAsPdf();
    const std::string text =
        archive::testing::RunCommand("pdftotext -layout '" + Path("due.pdf") + "' - 2>&1").text;
    for (const std::string& expected :
         {std::string("Due list"), std::string("Depot"), std::string("Rod 2"),
          late.toStdString() + " (overdue)", soon.toStdString(), std::string("Re 8.00")}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    due->fileChooser = [&](const QString&, const QString&) {
        return QString::fromStdString(Path("due.xlsx"));
    };
    due->Export();
    EXPECT_EQ(
        archive::testing::RunCommand(
            "/usr/bin/python3 -c \"import openpyxl, sys\nws = openpyxl.load_workbook(sys.argv[1]).active\n"
            "print([c.value for c in ws[1]])\n"
            "for r in ws.iter_rows(min_row=2, values_only=True): print(r[:2], r[4], r[5].date(), r[6])\" '" +
            Path("due.xlsx") + "' 2>&1")
            .text,
        "['Site', 'Point', 'Last test', 'Last result', 'Verdict', 'Due', 'Overdue', 'Interval (months)']\n"
        "('Depot', 'Rod 2') fail " +
            late.toStdString() + " True\n('Depot', 'Rod 1') pass " + soon.toStdString() + " False\n");
    due->fileChooser = [&](const QString&, const QString&) {
        return QString::fromStdString(Path("due.csv"));
    };
    due->Export();
    EXPECT_EQ(RunPython("import csv, io, sys\nrows = list(csv.DictReader(io.StringIO(sys.stdin.buffer.read()."
                        "decode('utf-8-sig'), newline='')))\nprint([(r['point'], r['due']) for r in rows])",
                        archive::testing::ReadFile(Path("due.csv"))),
              "[('Rod 2', '" + late.toStdString() + "'), ('Rod 1', '" + soon.toStdString() + "')]");
    due->fileChooser = [&](const QString&, const QString&) {
        return QString::fromStdString(Path("due.ics"));
    };
    due->Export();
    EXPECT_EQ(RunPython("import sys, icalendar\ncal = icalendar.Calendar.from_ical(sys.stdin.buffer.read())\n"
                        "print([str(e['SUMMARY']) for e in cal.walk('VEVENT')])",
                        archive::testing::ReadFile(Path("due.ics"))),
              "['Re-test due: Depot / Rod 2', 'Re-test due: Depot / Rod 1']");
    EXPECT_TRUE(recorder_.Texts().empty());

    int pages = 0;
    due->previewShown = [&](QPrintPreviewDialog& preview) {
        pages = PreviewPageCount(preview);
        preview.reject();
    };
    due->Print();
    EXPECT_EQ(pages, 1);

    // A change in the archive window reaches the due list: Rod 2's result taken off, it was never tested.
    ASSERT_TRUE(archive::Assign(*archive_, {2}, std::nullopt, error_)) << error_;
    window_->Refresh();
    EXPECT_EQ(column(DueWindow::kDueColumn).first(), QStringLiteral("now (overdue)"));
    EXPECT_EQ(column(DueWindow::kLastTestColumn).first(), QStringLiteral("never"));
}

}  // namespace
}  // namespace terrovane::history
