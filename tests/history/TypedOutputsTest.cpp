// Results typed by hand in every output of the archive window: the CSV, JSON and .xlsx exports of the chosen
// results carry the typed results of their points, marked typed with who measured and with what, after the
// columns the files always had; the trend of a point draws them beside the instrument's. Each file is read
// back by an independent reader.
#include <QTest>

#include "ArchiveFixtures.h"
#include "HistoryWindow.h"
#include "Sites.h"
#include "TrendWindow.h"
#include "TypedResults.h"

namespace terrovane::history {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;
using archive::testing::RunPython;

class TypedOutputsTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        ASSERT_TRUE(
            StoreImage(*archive_, ImageWith({{0, MakeResult(1, 5, 0, 8.0f)}, {1, MakeResult(1, 6, 0, 9.0f)}}))
                .stored);
        archive::SiteFields site;
        site.name = "Line 4";
        site.limit = archive::Limit{10, "client"};
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Leg A";
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, leg_, error_)) << error_;
        point.name = "Leg B";
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, other_, error_)) << error_;
        ASSERT_TRUE(archive::Assign(*archive_, {1, 2}, leg_, error_)) << error_;
        Typed(leg_, "2009-01-07 11:30", {{"Re", 12.5, false}, {"Rh", 300000, true}});
        Typed(other_, "2009-01-08 08:00", {{"Re", 3, false}});  // at a point not chosen: not exported
    }

    void Typed(std::int64_t point, const std::string& measured, std::vector<archive::TypedValue> values) {
        archive::TypedResultFields fields;
        fields.point = point;
        fields.method = "fall-of-potential";
        fields.values = std::move(values);
        fields.measured = measured;
        fields.instrument = "Clamp 9, SN 12";
        fields.measuredBy = "Jo Field";
        fields.typedBy = "office";
        ASSERT_TRUE(archive::AddTypedResult(*archive_, fields));
    }

    // The leg's two read-out results chosen and exported to `name`; the file's path.
    std::string Export(const std::string& name) {
        HistoryWindow window(archive_.get(), QString());
        EXPECT_TRUE(window.Tree().Choose({TreeChoice::Kind::Point, leg_}));
        window.SelectAll();
        const QString path = QString::fromStdString(Path(name));
        window.Results().exportFileChooser = [path] { return path; };
        window.Results().ExportSelected();
        EXPECT_EQ(window.Status().text(), QStringLiteral("3 results exported to ") + path);
        return Path(name);
    }

    std::unique_ptr<archive::Archive> archive_;
    std::int64_t siteId_ = 0;
    std::int64_t leg_ = 0;
    std::int64_t other_ = 0;
    std::string error_;
};

TEST_F(TypedOutputsTest, TheCsvKeepsItsColumnsAndMarksTheTypedResultAfterThem) {
    const std::string read = RunPython(
        "import csv, sys\n"
        "rows = list(csv.DictReader(open(sys.stdin.readline().strip(), encoding='utf-8-sig')))\n"
        "header = list(rows[0].keys())\n"
        "print(header.index('over_range') + 1 == header.index('typed'), header[-6:])\n"
        "for r in rows:\n"
        "    print(r['typed'], r['point'], r['Re'], r['over_range'], r['verdict'], r['method'], "
        "r['instrument'], "
        "r['measured_by'], r['typed_by'])\n",
        Export("chosen.csv") + "\n");
    EXPECT_EQ(read,
              "True ['typed_result', 'method', 'instrument', 'measured_by', 'typed_by', 'typed_at']\n"
              "no Leg A 8  pass    \n"
              "no Leg A 9  pass    \n"
              "yes Leg A 12.5 Rh>300000 fail fall-of-potential Clamp 9, SN 12 Jo Field office");
}

TEST_F(TypedOutputsTest, TheJsonHasTheTypedResultAsTheCommandLinesHistoryDoes) {
    const std::string read = RunPython(
        "import json, sys\n"
        "rows = json.load(open(sys.stdin.readline().strip()))\n"
        "for r in rows:\n"
        "    print(r.get('typed', False), r['point'], r['values']['Re'], r.get('instrument'), "
        "r.get('measured_by'))\n",
        Export("chosen.json") + "\n");
    EXPECT_EQ(read,
              "False Leg A 8 None None\nFalse Leg A 9 None None\nTrue Leg A 12.5 Clamp 9, SN 12 Jo Field");
}

TEST_F(TypedOutputsTest, TheWorkbookHasTheTypedResultWithItsMarkInColumnsOfTheirOwn) {
    const std::string read = RunPython(
        "import openpyxl, sys\n"
        "ws = openpyxl.load_workbook(sys.stdin.readline().strip()).active\n"
        "header = [c.value for c in ws[1]]\n"
        "print(header[header.index('Slot') + 1:])\n"
        "col = {h: i for i, h in enumerate(header)}\n"
        "for row in ws.iter_rows(min_row=2, values_only=True):\n"
        "    print(row[col['Typed']], row[col['Re (Ω)']], row[col['Rh (Ω)']], row[col['Verdict']], "
        "row[col['Slot']], row[col['Method']], row[col['Instrument']], row[col['Measured by']])\n",
        Export("chosen.xlsx") + "\n");
    EXPECT_EQ(read,
              "['Typed', 'Typed result', 'Method', 'Instrument', 'Measured by', 'Typed by', 'Typed at']\n"
              "no 8 0 pass 0 None None None\n"
              "no 9 0 pass 1 None None None\n"
              "yes 12.5 > 300 kΩ fail None fall-of-potential Clamp 9, SN 12 Jo Field");
}

TEST_F(TypedOutputsTest, ThePointsTrendDrawsTheTypedResultBesideTheInstrumentsAndSaysSo) {
    HistoryWindow window(archive_.get(), QString());
    ASSERT_TRUE(window.Tree().Choose({TreeChoice::Kind::Point, leg_}));
    auto* trend = dynamic_cast<TrendWindow*>(window.Results().ShowTrend());
    ASSERT_NE(trend, nullptr);
    const TrendSeries& series = trend->Chart().Series();
    ASSERT_EQ(series.samples.size(), 3u);
    EXPECT_FALSE(series.samples[0].typed);
    ASSERT_TRUE(series.samples[2].typed);  // the newest, measured on the 7th
    EXPECT_EQ(series.samples[2].value, 12.5);
    EXPECT_EQ(series.samples[2].typed->instrument, "Clamp 9, SN 12");
    EXPECT_TRUE(series.overRange.empty());  // Rh is not the trend's quantity
    const QString status = trend->Status().text();
    EXPECT_TRUE(status.contains(QStringLiteral("3 of 3 results"))) << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("1 typed by hand, drawn as an open square.")))
        << status.toStdString();
    trend->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(trend));
    QTest::mouseMove(&trend->Chart(), trend->Chart().Layout().points[2].toPoint() + QPoint(1, 1));
    EXPECT_EQ(trend->Chart().HoverText(),
              QStringLiteral("2009-01-07 11:30:00\nRe (Ω) = 12.5\ntyped by hand: Jo Field, Clamp 9, SN 12"));
    trend->close();
}

}  // namespace
}  // namespace terrovane::history
