// The site report: blocks kept whole across pages, the verdict summary, and a 40-point site's PDF read back.
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <charconv>
#include <regex>
#include <string>
#include <vector>

#include "ArchiveFixtures.h"
#include "LanguageChoice.h"
#include "SiteReportPdf.h"
#include "Sites.h"
#include "Visits.h"

namespace terrovane::archive::testing {
namespace {

using sitereport::PageStarts;

TEST(SiteReportPagesTest, BlocksStayWholeAndAnOverlongBlockTakesAPageOfItsOwn) {
    EXPECT_EQ(PageStarts({}, 5, 10), std::vector<std::size_t>{0});
    EXPECT_EQ(PageStarts({2, 2, 2}, 5, 10), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(PageStarts({2, 3, 1}, 5, 10), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(PageStarts({7, 12, 1}, 5, 10), (std::vector<std::size_t>{0, 1, 2}));
    std::vector<int> forty(40, 1);
    EXPECT_EQ(PageStarts(forty, 20, 30), (std::vector<std::size_t>{0, 20}));
}

class SiteReportTest : public ArchiveTest {
  protected:
    std::string PdfText(const std::string& path) {
        return RunCommand("pdftotext -layout '" + path + "' - 2>&1").text;
    }
    // The text in the order it was drawn, a cell's wrapped lines joined by spaces.
    std::string CellText(const std::string& path) {
        std::string text = RunCommand("pdftotext -raw '" + path + "' - 2>&1").text;
        std::replace(text.begin(), text.end(), '\n', ' ');
        return text;
    }
    int PageCount(const std::string& path) {
        const std::string pages = RunCommand("pdfinfo '" + path + "' | awk '/^Pages:/ {print $2}'").text;
        int count = 0;
        std::from_chars(pages.data(), pages.data() + pages.size(), count);
        return count;
    }
};

struct Word {
    std::string text;
    double right = 0;   // points from the page's left edge
    double height = 0;  // points: follows the font's size
};

// The first page's words with their boxes, as pdftotext -bbox reads them.
std::vector<Word> FirstPageWords(const std::string& path) {
    const std::string html = RunCommand("pdftotext -bbox -f 1 -l 1 '" + path + "' - 2>&1").text;
    static const std::regex kWord(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    const auto number = [](const std::ssub_match& match) {
        double value = 0;
        std::from_chars(&*match.first, &*match.first + match.length(), value);
        return value;
    };
    std::vector<Word> words;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), kWord); it != std::sregex_iterator();
         ++it) {
        const std::smatch& m = *it;
        words.push_back({m[5].str(), number(m[3]), number(m[4]) - number(m[2])});
    }
    return words;
}

TEST_F(SiteReportTest, AFortyPointSiteReportNamesEveryPointItsVerdictAndTheSummary) {
    auto archive = OpenArchive();
    // Two campaigns: 40 results on 2009-01-05, then 38 on 2009-01-20 (two legs not measured again).
    std::vector<std::pair<std::size_t, record::MeasurementRecord>> first;
    std::vector<std::pair<std::size_t, record::MeasurementRecord>> second;
    for (int i = 0; i < 40; ++i) {
        first.push_back(
            {static_cast<std::size_t>(i), MakeResult(1, 5, i % 60, 3.0f + static_cast<float>(i))});
        if (i < 38) {
            second.push_back({static_cast<std::size_t>(i),
                              MakeResult(i == 7 ? 9 : 1, 20, i % 60, 2.0f + static_cast<float>(i))});
        }
    }
    ASSERT_TRUE(StoreImage(*archive, ImageWith(first)).stored);
    ASSERT_TRUE(StoreImage(*archive, ImageWith(second)).stored);
    std::string error;
    SiteFields fields;
    fields.name = "Линия 4 / 線路";
    fields.address = "شارع النيل 12";
    fields.latitude = 30.0444;
    fields.longitude = 31.2357;
    fields.limit = Limit{10, "IEC 62305-3, earth-termination system"};
    std::int64_t site = 0;
    ASSERT_TRUE(AddSite(*archive, fields, site, error)) << error;
    for (int i = 0; i < 40; ++i) {
        PointFields point;
        point.name = "Leg " + std::to_string(i + 1);
        point.kind = PointKind::TowerLeg;
        std::int64_t id = 0;
        ASSERT_TRUE(AddPoint(*archive, site, point, id, error)) << error;
    }
    std::vector<std::int64_t> firstIds;
    std::vector<std::int64_t> secondIds;
    for (std::int64_t id = 1; id <= 40; ++id) {
        firstIds.push_back(id);
    }
    for (std::int64_t id = 41; id <= 78; ++id) {
        secondIds.push_back(id);
    }
    ASSERT_TRUE(AssignInOrder(*archive, firstIds, site, 0, error)) << error;
    ASSERT_TRUE(AssignInOrder(*archive, secondIds, site, 0, error)) << error;

    sitereport::SiteReport report;
    ASSERT_TRUE(sitereport::LoadSiteReport(*archive, "Линия 4 / 線路", "", "", {}, report, error)) << error;
    report.tester = "Zoë 王";
    report.version = "9.8.7";
    // Latest: legs 1-8 at 2..9 ohm pass except leg 8 (resistivity: none); legs 9-38 at 10..39 ohm (leg 9
    // at exactly 10 passes); legs 39 and 40 keep their first results, 41 and 42 ohm.
    const sitereport::Summary summary = sitereport::Summarise(report);
    EXPECT_EQ(sitereport::SummaryLine(summary), "8 passed, 31 failed, 1 without limit");
    ASSERT_EQ(report.points[0].results.size(), 2u);
    EXPECT_EQ(report.points[0].results[0].value, "2.000 Ω");

    const std::string path = Path("site.pdf");
    ASSERT_TRUE(sitereport::RenderSiteReportPdf(report, path, error)) << error;
    const std::string text = PdfText(path);
    // Rows whose source wraps are taller: the pages are counted, not assumed.
    const int pages = PageCount(path);
    ASSERT_GE(pages, 3);
    const std::string ofPages = " of " + std::to_string(pages);
    // Arabic comes out as shaped presentation forms: compared after compatibility normalisation.
    EXPECT_EQ(RunPython("import sys, unicodedata\nt = unicodedata.normalize('NFKC', sys.stdin.read())\n"
                        "print('شارع' in t, 'النيل' in t)",
                        text),
              "True True");
    // The instrument's serial was not given: the block says so rather than leaving a blank.
    for (const char* expected :
         {"Линия 4 / 線路", "Zoë 王", "not recorded by the instrument", "30.0444, 31.2357", "Leg 1 ",
          "Leg 40", "IEC 62305-3", "Summary: 8 passed, 31 failed, 1 without limit", "Terrovane 9.8.7",
          "earlier"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    EXPECT_NE(text.find("Page 1" + ofPages), std::string::npos) << text;
    EXPECT_NE(text.find("Page " + std::to_string(pages) + ofPages), std::string::npos) << text;

    // A range of pages, as a print dialog asks for it, keeps the whole report's numbering.
    const std::string pageTwo = Path("page two.pdf");
    {
        QPdfWriter writer(QString::fromStdString(pageTwo));
        writer.setResolution(300);
        sitereport::SetSiteReportPaper(writer);
        QPainter painter(&writer);
        sitereport::DrawSiteReport(painter, writer, report, 2, 2);
    }
    const std::string secondText = PdfText(pageTwo);
    EXPECT_NE(secondText.find("Page 2" + ofPages), std::string::npos) << secondText;
    EXPECT_EQ(secondText.find("Page 1" + ofPages), std::string::npos) << secondText;
    EXPECT_EQ(secondText.find("Page 3" + ofPages), std::string::npos) << secondText;
    EXPECT_EQ(RunCommand("pdfinfo '" + pageTwo + "' | awk '/^Pages:/ {print $2}'").text, "1\n");

    sitereport::SiteReport ranged;
    ASSERT_TRUE(sitereport::LoadSiteReport(*archive, "Линия 4 / 線路", "2009-01-01", "2009-01-10", {}, ranged,
                                           error));
    EXPECT_EQ(sitereport::SummaryLine(sitereport::Summarise(ranged)), "8 passed, 32 failed, 0 without limit");
    EXPECT_FALSE(sitereport::LoadSiteReport(*archive, "nowhere", "", "", {}, ranged, error));
}

// What the instrument showed, and only that: an over-range reading as its bound, a frequency code as its
// text, a limit only beside a verdict, the user's note, and a long mode name whole.
TEST_F(SiteReportTest, RowsPrintWhatTheInstrumentShowedAndTheNotes) {
    auto archive = OpenArchive();
    auto over = MakeResult(1, 5, 1, 350000.0f);  // ">300k"
    over.frequencyCode = 5;                      // AFE
    auto clamp = MakeResult(3, 5, 2, 8.0f);      // "3Pole Clamp"
    ASSERT_TRUE(
        StoreImage(*archive, ImageWith({{0, over}, {1, MakeResult(9, 5, 3, 250.0f)}, {2, clamp}})).stored);
    std::string error;
    ASSERT_TRUE(archive->SetLabel(LabelTarget::Result, 1, "", std::string("gravel at the rod"), error));
    SiteFields fields;
    fields.name = "Depot";
    fields.limit = Limit{10, "IEC 62305-3"};
    std::int64_t site = 0;
    ASSERT_TRUE(AddSite(*archive, fields, site, error)) << error;
    for (const char* name : {"Rod", "Soil", "Bond"}) {
        PointFields point;
        point.name = name;
        std::int64_t id = 0;
        ASSERT_TRUE(AddPoint(*archive, site, point, id, error)) << error;
    }
    ASSERT_TRUE(AssignInOrder(*archive, {1, 2, 3}, site, 0, error)) << error;
    sitereport::SiteReport report;
    ASSERT_TRUE(sitereport::LoadSiteReport(*archive, "Depot", "", "", {}, report, error)) << error;
    EXPECT_EQ(sitereport::SummaryLine(sitereport::Summarise(report)), "1 passed, 1 failed, 1 without limit");
    const std::string path = Path("depot.pdf");
    ASSERT_TRUE(sitereport::RenderSiteReportPdf(report, path, error)) << error;
    const std::string text = PdfText(path);
    const std::string cells = CellText(path);
    for (const char* expected : {"> 300 kΩ", "AFE", "gravel at the rod", "3Pole Clamp", "fail"}) {
        EXPECT_NE(cells.find(expected), std::string::npos) << expected << "\n" << cells;
    }
    for (const char* unexpected : {"AFE Hz", "350", "…", "Cla…"}) {
        EXPECT_EQ(text.find(unexpected), std::string::npos) << unexpected << "\n" << text;
    }
    // The resistivity row was judged against nothing: its line in the details prints no limit.
    const std::string details = RunCommand("pdftotext -layout -f 3 -l 3 '" + path + "' - 2>&1").text;
    const std::size_t soil = details.find("Soil");
    ASSERT_NE(soil, std::string::npos);
    const std::string soilLine = details.substr(soil, details.find('\n', soil) - soil);
    EXPECT_EQ(soilLine.find("10 Ω"), std::string::npos) << soilLine;
}

// In German the titles and verdicts are longer than the narrow columns: they wrap, never cut ("nicht be…")
// nor shrunk to a smaller font ("3Pole Clamp", "Spannung"), and a note with a word longer than its column
// breaks inside the word rather than run past the right rule.
TEST_F(SiteReportTest, GermanTitlesAndVerdictsWrapInsteadOfBeingCutOrShrunk) {
    auto archive = OpenArchive();
    ASSERT_TRUE(StoreImage(*archive, ImageWith({{0, MakeResult(1, 5, 1, 350000.0f)},
                                                {1, MakeResult(1, 5, 2, 4.0f)},
                                                {2, MakeResult(3, 5, 3, 8.0f)}}))
                    .stored);
    std::string error;
    ASSERT_TRUE(archive->SetLabel(LabelTarget::Result, 1, "",
                                  std::string("Prüfprotokollnummernvergabestelle-Nord-2024-0017 lose Klemme"),
                                  error));
    SiteFields fields;
    fields.name = "Depot";
    fields.limit = Limit{10, "IEC 62305-3"};
    std::int64_t site = 0;
    ASSERT_TRUE(AddSite(*archive, fields, site, error)) << error;
    for (const char* name : {"Rod", "Bond", "Grid"}) {
        PointFields point;
        point.name = name;
        std::int64_t id = 0;
        ASSERT_TRUE(AddPoint(*archive, site, point, id, error)) << error;
    }
    ASSERT_TRUE(AssignInOrder(*archive, {1, 2, 3}, site, 0, error)) << error;
    sitereport::SiteReport report;
    ASSERT_TRUE(sitereport::LoadSiteReport(*archive, "Depot", "", "", {}, report, error)) << error;
    ASSERT_TRUE(translations::InstallLanguage(translations::Language::German));
    const std::string path = Path("depot-de.pdf");
    const bool rendered = sitereport::RenderSiteReportPdf(report, path, error);
    translations::InstallLanguage(translations::Language::English);
    ASSERT_TRUE(rendered) << error;
    std::string text = PdfText(path);
    for (char& c : text)
        c = c == '\n' ? ' ' : c;
    for (const char* expected : {"nicht bestanden", "bestanden", "Bewertung", "Grenzwert", "Spannung"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    EXPECT_EQ(text.find("…"), std::string::npos) << text;
    EXPECT_NE(CellText(path).find("3Pole Clamp"), std::string::npos);

    const std::vector<Word> words = FirstPageWords(path);
    ASSERT_FALSE(words.empty());
    constexpr double kRightRule = 842 - 10 / 25.4 * 72;  // A4 landscape, 10 mm margins, in points
    double smallest = words.front().height;
    for (const Word& word : words) {
        EXPECT_LE(word.right, kRightRule + 0.5) << word.text;
        smallest = std::min(smallest, word.height);
    }
    // The footer's 8 points are the page's smallest text; no cell is set smaller.
    const auto footer =
        std::find_if(words.begin(), words.end(), [](const Word& w) { return w.text == "Terrovane"; });
    ASSERT_NE(footer, words.end());
    EXPECT_GE(smallest, footer->height * 0.95) << "a cell shrunk below the page's smallest font";
}

// A point is judged by its newest result that measured: a failed reading after it is printed as a newer
// attempt, not as the point's standing, and a point with failed readings alone is not tested.
TEST_F(SiteReportTest, AFailedReadingIsAnAttemptAndThePointKeepsItsLastMeasuredVerdict) {
    auto archive = OpenArchive();
    // Rod: passes on the 5th, fails its limit on the 10th, a failed reading on the 20th. Bond: failed alone.
    ASSERT_TRUE(StoreImage(*archive, ImageWith({{0, MakeResult(1, 5, 1, 4.0f)},
                                                {1, MakeResult(1, 10, 1, 42.0f)},
                                                {2, MakeResult(1, 20, 1, -1.0f)},
                                                {3, MakeResult(1, 20, 2, -1.0f)}}))
                    .stored);
    std::string error;
    SiteFields fields;
    fields.name = "Depot";
    fields.limit = Limit{10, "IEC 62305-3"};
    std::int64_t site = 0;
    ASSERT_TRUE(AddSite(*archive, fields, site, error)) << error;
    std::int64_t rod = 0;
    std::int64_t bond = 0;
    PointFields point;
    point.name = "Rod";
    ASSERT_TRUE(AddPoint(*archive, site, point, rod, error)) << error;
    point.name = "Bond";
    ASSERT_TRUE(AddPoint(*archive, site, point, bond, error)) << error;
    ASSERT_TRUE(Assign(*archive, {1, 2, 3}, rod, error)) << error;
    ASSERT_TRUE(Assign(*archive, {4}, bond, error)) << error;

    sitereport::SiteReport report;
    ASSERT_TRUE(sitereport::LoadSiteReport(*archive, "Depot", "", "", {}, report, error)) << error;
    EXPECT_EQ(sitereport::SummaryLine(sitereport::Summarise(report)),
              "0 passed, 1 failed, 0 without limit, 1 not tested");
    ASSERT_EQ(report.points.size(), 2u);
    const sitereport::PointSection& rodSection = report.points[0];
    ASSERT_EQ(rodSection.results.size(), 3u);
    EXPECT_TRUE(rodSection.tested);
    EXPECT_EQ(rodSection.failedSince, 1);
    EXPECT_EQ(rodSection.results[0].view.id, std::optional<std::int64_t>(2));  // the fail on the 10th
    EXPECT_EQ(rodSection.results[0].view.verdict, Verdict::Fail);
    EXPECT_EQ(rodSection.results[1].view.id, std::optional<std::int64_t>(3));  // then the newer attempt
    EXPECT_EQ(rodSection.results[2].view.id, std::optional<std::int64_t>(1));
    EXPECT_FALSE(report.points[1].tested);

    const std::string path = Path("attempts.pdf");
    ASSERT_TRUE(sitereport::RenderSiteReportPdf(report, path, error)) << error;
    const std::string text = PdfText(path);
    EXPECT_NE(text.find("newer, failed"), std::string::npos) << text;
    EXPECT_NE(text.find("earlier"), std::string::npos) << text;
}

// The report's front carries the site's visits dated in its range, oldest first, and no other site's.
TEST_F(SiteReportTest, TheFrontCarriesTheVisitsOfTheRangeOldestFirst) {
    auto archive = OpenArchive();
    std::string error;
    std::int64_t sites[2] = {};
    for (int i = 0; i < 2; ++i) {
        SiteFields fields;
        fields.name = i == 0 ? "Mast 7" : "Depot";
        ASSERT_TRUE(AddSite(*archive, fields, sites[i], error)) << error;
    }
    for (const auto& [site, date] :
         std::vector<std::pair<std::int64_t, std::string>>{{sites[0], "2024-06-02"},
                                                           {sites[0], "2023-11-30"},
                                                           {sites[0], "2024-01-15"},
                                                           {sites[1], "2024-01-16"}}) {
        Visit visit;
        visit.site = site;
        visit.date = date;
        visit.instruments = {{"Earth tester", "SN 42", "2024-01-01"}};
        ASSERT_TRUE(AddVisit(*archive, visit));
    }
    const auto dates = [](const sitereport::SiteReport& report) {
        std::string out;
        for (const Visit& visit : report.front.visits) {
            out += visit.date + (visit.instruments.size() == 1 ? " " : "? ");
        }
        return out;
    };
    sitereport::SiteReport whole;
    ASSERT_TRUE(sitereport::LoadSiteReport(*archive, "Mast 7", "", "", {}, whole, error)) << error;
    EXPECT_EQ(dates(whole), "2023-11-30 2024-01-15 2024-06-02 ");
    sitereport::SiteReport ranged;
    ASSERT_TRUE(sitereport::LoadSiteReport(*archive, "Mast 7", "2024-01-01", "2024-05-31", {}, ranged, error))
        << error;
    EXPECT_EQ(dates(ranged), "2024-01-15 ");
}

}  // namespace
}  // namespace terrovane::archive::testing
