// A campaign set up ahead: sites copied from another's points, the sites on a map (GeoJSON, KML) and the
// due list of the coming days with its calendar, each file read back by an independent reader.
#include "ArchiveFixtures.h"
#include "DueFiles.h"
#include "Problems.h"
#include "ResultCheck.h"
#include "SiteCopy.h"
#include "SiteMap.h"
#include "Sites.h"

namespace terrovane::archive::testing {
namespace {

TEST(DueSoonTest, DaysAreCountedAcrossMonthsYearsAndLeapDays) {
    EXPECT_EQ(AddDays("2024-02-28", 1), "2024-02-29");
    EXPECT_EQ(AddDays("2023-02-28", 1), "2023-03-01");
    EXPECT_EQ(AddDays("2024-12-31", 1), "2025-01-01");
    EXPECT_EQ(AddDays("2025-01-01", -1), "2024-12-31");
    EXPECT_EQ(AddDays("2024-03-01", 365), "2025-03-01");
    EXPECT_EQ(AddDays("2000-02-28", 1), "2000-02-29");
    EXPECT_EQ(AddDays("2100-02-28", 1), "2100-03-01");
    EXPECT_EQ(AddDays("2024-02-30", 1), "");
    EXPECT_EQ(AddDays("9999-12-31", 1), "");
    EXPECT_EQ(AddDays("someday!!!", 1), "");
}

// Results measured 2009-01-05 (id 1, Re 8 ohm) and 2009-01-20 (id 2, Re 12 ohm) at "Plant" (limit 10 ohm,
// yearly) on "Rod" (every 3 months) and "Grid" (its own limit of 11 ohm), and "Mast" with a point never
// tested; "Shed" has no position.
class CampaignTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        ASSERT_TRUE(StoreImage(*archive_,
                               ImageWith({{0, MakeResult(1, 5, 1, 8.0f)}, {1, MakeResult(1, 20, 1, 12.0f)}}))
                        .stored);
        plant_ = AddSiteNamed("Plant", 48.137, 11.575, Limit{10, "client"}, 12);
        rod_ = AddPointNamed(plant_, "Rod", PointKind::Rod, std::nullopt, 3);
        grid_ = AddPointNamed(plant_, "Grid", PointKind::Grid, Limit{11, "own"}, std::nullopt);
        ASSERT_TRUE(Assign(*archive_, {1}, rod_, error_)) << error_;
        ASSERT_TRUE(Assign(*archive_, {2}, grid_, error_)) << error_;
        mast_ = AddSiteNamed("Mast \"A\" & <B>", -33.8688, 151.2093, std::nullopt, 6);
        AddPointNamed(mast_, "Leg, north; east", PointKind::TowerLeg, std::nullopt, std::nullopt);
        AddSiteNamed("Shed", std::nullopt, std::nullopt, std::nullopt, std::nullopt);
    }

    std::int64_t AddSiteNamed(const std::string& name, std::optional<double> latitude,
                              std::optional<double> longitude, std::optional<Limit> limit,
                              std::optional<int> interval) {
        SiteFields fields;
        fields.name = name;
        fields.latitude = latitude;
        fields.longitude = longitude;
        fields.limit = limit;
        fields.intervalMonths = interval;
        std::int64_t id = 0;
        EXPECT_TRUE(AddSite(*archive_, fields, id, error_)) << error_;
        return id;
    }
    std::int64_t AddPointNamed(std::int64_t site, const std::string& name, PointKind kind,
                               std::optional<Limit> limit, std::optional<int> interval) {
        PointFields fields;
        fields.name = name;
        fields.kind = kind;
        fields.notes = "rusty clamp";
        fields.limit = limit;
        fields.intervalMonths = interval;
        std::int64_t id = 0;
        EXPECT_TRUE(AddPoint(*archive_, site, fields, id, error_)) << error_;
        return id;
    }

    std::unique_ptr<Archive> archive_;
    std::int64_t plant_ = 0;
    std::int64_t rod_ = 0;
    std::int64_t grid_ = 0;
    std::int64_t mast_ = 0;
    std::string error_;
};

TEST_F(CampaignTest, ACopiedSiteHasThePointsButNoneOfTheirResultsOrNotes) {
    SiteFields fields;
    fields.name = "Plant 2";
    fields.intervalMonths = 24;
    std::int64_t copy = 0;
    ASSERT_TRUE(terrovane::testing::Into(CopySite(*archive_, plant_, fields), copy));
    std::vector<PointRow> points;
    ASSERT_TRUE(Points(*archive_, copy, points, error_)) << error_;
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].fields.name, "Rod");
    EXPECT_EQ(points[0].fields.kind, PointKind::Rod);
    EXPECT_FALSE(points[0].fields.limit);
    EXPECT_EQ(points[0].fields.intervalMonths, 3);
    EXPECT_EQ(points[1].fields.name, "Grid");
    EXPECT_EQ(points[1].fields.kind, PointKind::Grid);
    ASSERT_TRUE(points[1].fields.limit);
    EXPECT_EQ(points[1].fields.limit->ohms, 11);
    EXPECT_EQ(points[1].fields.limit->source, "own");
    EXPECT_EQ(points[1].intervalMonths, 24);  // the new site's, not the source's
    for (const PointRow& point : points) {
        EXPECT_EQ(point.results, 0);
        EXPECT_EQ(point.fields.notes, "");
    }
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM results WHERE point_id IN (" + std::to_string(rod_) +
                                      ", " + std::to_string(grid_) + ")"),
              "[[2]]");
    // A name already taken, or a source that is gone, makes neither a site nor a point.
    fields.name = "Plant";
    const Result<std::int64_t> taken = CopySite(*archive_, mast_, fields);
    ASSERT_FALSE(taken);
    EXPECT_EQ(taken.Error().code, ErrorCode::Refused);
    EXPECT_EQ(taken.Error().Text(), "there is already a site named \"Plant\"");
    fields.name = "Plant 3";
    const Result<std::int64_t> nowhere = CopySite(*archive_, 999, fields);
    ASSERT_FALSE(nowhere);
    EXPECT_EQ(nowhere.Error().code, ErrorCode::NoSuchItem);
    EXPECT_STREQ(nowhere.Error().problem, kNoSite);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM sites WHERE name = 'Plant 3'"), "[[0]]");
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM points"), "[[5]]");
}

TEST_F(CampaignTest, SitesOnAMapAreReadBackWithLongitudeFirstAndTheUnplacedCounted) {
    SitesMap map;
    ASSERT_TRUE(terrovane::testing::Into(MapSites(*archive_, "2009-06-01"), map));
    EXPECT_EQ(map.leftOut, 1);
    const std::string geojson = SitesGeoJson(map);
    EXPECT_EQ(RunPython("import json, sys\n"
                        "d = json.load(sys.stdin)\n"
                        "print(d['type'], 'crs' in d)\n"
                        "for f in d['features']:\n"
                        "  g, p = f['geometry'], f['properties']\n"
                        "  print(f['type'], g['type'], g['coordinates'], p['name'], p['verdict'], p['due'], "
                        "p['overdue'], p['points'])",
                        geojson),
              "FeatureCollection False\n"
              "Feature Point [151.2093, -33.8688] Mast \"A\" & <B> untested None True 1\n"
              "Feature Point [11.575, 48.137] Plant fail 2009-04-05 True 2");
    const std::string kml = SitesKml(map);
    WriteFile(Path("sites.kml"), kml);
    EXPECT_EQ(RunCommand("xmllint --noout '" + Path("sites.kml") + "' 2>&1").status, 0);
    EXPECT_EQ(RunPython("import sys, xml.etree.ElementTree as ET\n"
                        "ns = {'k': 'http://www.opengis.net/kml/2.2'}\n"
                        "root = ET.fromstring(sys.stdin.buffer.read())\n"
                        "print(root.tag)\n"
                        "for p in root.findall('k:Document/k:Placemark', ns):\n"
                        "  data = {d.get('name'): d.findtext('k:value', '', ns) for d in "
                        "p.findall('k:ExtendedData/k:Data', ns)}\n"
                        "  print(p.findtext('k:name', '', ns), p.findtext('k:Point/k:coordinates', '', ns), "
                        "data['verdict'], data['due'], p.findtext('k:styleUrl', '', ns))",
                        kml),
              "{http://www.opengis.net/kml/2.2}kml\n"
              "Mast \"A\" & <B> 151.2093,-33.8688 untested  #untested\n"
              "Plant 11.575,48.137 fail 2009-04-05 #fail");
}

TEST_F(CampaignTest, APassingSiteAndOneWithoutLimitAreToldApart) {
    ASSERT_TRUE(Assign(*archive_, {2}, std::nullopt, error_)) << error_;  // the failing result goes
    ASSERT_TRUE(DeletePoint(*archive_, grid_, error_)) << error_;
    SitesMap map;
    ASSERT_TRUE(terrovane::testing::Into(MapSites(*archive_, "2009-02-01"), map));
    EXPECT_EQ(map.placed[1].verdict, "pass");
    EXPECT_FALSE(map.placed[1].overdue);
    SiteFields fields = archive::FindSite(*archive_, "Plant", error_)->fields;
    fields.limit.reset();
    ASSERT_TRUE(UpdateSite(*archive_, plant_, fields, error_)) << error_;
    ASSERT_TRUE(terrovane::testing::Into(MapSites(*archive_, "2009-02-01"), map));
    EXPECT_EQ(map.placed[1].verdict, "none");
}

TEST_F(CampaignTest, TheComingDaysListOverduePointsAndThoseDueByTheLastDayOnly) {
    std::vector<DueEntry> due;
    // Rod is due 2009-04-05 (3 months), Grid 2010-01-20 (the site's year), the mast's leg now.
    ASSERT_TRUE(terrovane::testing::Into(DueSoon(*archive_, "2009-03-10", 26), due));
    ASSERT_EQ(due.size(), 2u);
    EXPECT_EQ(due[0].due.name, "Leg, north; east");
    EXPECT_TRUE(due[0].due.overdue);
    EXPECT_EQ(due[0].lastResult, "");
    EXPECT_EQ(due[1].due.name, "Rod");
    EXPECT_EQ(due[1].due.dueOn, "2009-04-05");
    EXPECT_EQ(due[1].lastResult, "Re 8.00 Ω");
    EXPECT_EQ(due[1].verdict, Verdict::Pass);
    EXPECT_EQ(due[1].uuid.size(), 36u);
    ASSERT_TRUE(terrovane::testing::Into(DueSoon(*archive_, "2009-03-10", 25), due));
    EXPECT_EQ(due.size(), 1u);
    ASSERT_TRUE(terrovane::testing::Into(DueSoon(*archive_, "2009-03-10", std::nullopt), due));
    ASSERT_EQ(due.size(), 3u);
    EXPECT_EQ(due[2].due.name, "Grid");
    EXPECT_EQ(due[2].verdict, Verdict::Fail);
    EXPECT_EQ(
        RunPython("import csv, io, sys\n"
                  "rows = list(csv.reader(io.StringIO(sys.stdin.buffer.read().decode('utf-8-sig'), "
                  "newline='')))\n"
                  "for r in rows: print(r)",
                  DueCsv(due)),
        "['site', 'point', 'last_tested', 'last_result', 'verdict', 'due', 'overdue', 'interval_months', "
        "'failed_since']\n"
        "['Mast \"A\" & <B>', 'Leg, north; east', '', '', 'none', '', 'true', '6', '0']\n"
        "['Plant', 'Rod', '2009-01-05', 'Re 8.00 Ω', 'pass', '2009-04-05', 'false', '3', '0']\n"
        "['Plant', 'Grid', '2009-01-20', 'Re 12.00 Ω', 'fail', '2010-01-20', 'false', '12', '0']");
}

// A point falls due only with a due date or when overdue; the calendar's last day has no day after it.
TEST(DueCalendarTest, OnlyPointsThatFallDueGetAnEventAndTheLastDayHasNoEnd) {
    DueEntry last;
    last.due.site = "S";
    last.due.name = "far";
    last.due.dueOn = "9999-12-31";
    last.uuid = "u-1";
    DueEntry none;
    none.due.name = "no interval";
    const std::string ics = DueCalendar({none, last}, "2009-03-10", "20090310T080000Z");
    EXPECT_EQ(ics.find("no interval"), std::string::npos);
    EXPECT_NE(
        ics.find("UID:u-1@terrovane\r\nDTSTAMP:20090310T080000Z\r\nDTSTART;VALUE=DATE:99991231\r\nSUMMARY:"),
        std::string::npos)
        << ics;
}

// Every line ends in CRLF and is at most 75 octets, a fold never splits a character, and a calendar reader
// gets the texts back whole, each point's event on its due date under the point's own UID.
TEST_F(CampaignTest, TheCalendarHasAnAllDayEventPerDuePointWithFoldedEscapedLines) {
    SiteFields fields = archive::FindSite(*archive_, "Plant", error_)->fields;
    fields.name = "Umspannwerk Nordhafen-Süd, Schaltanlage 110 kV; Feld 7 \\ Erdungsanlage Ω";
    ASSERT_TRUE(UpdateSite(*archive_, plant_, fields, error_)) << error_;
    std::vector<DueEntry> due;
    ASSERT_TRUE(terrovane::testing::Into(DueSoon(*archive_, "2009-03-10", 400), due));
    const std::string ics = DueCalendar(due, "2009-03-10", "20090310T080000Z");
    std::size_t start = 0;
    while (start < ics.size()) {
        const std::size_t end = ics.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "a line without CRLF at " << start;
        const std::string line = ics.substr(start, end - start);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos);
        // A continuation line never starts inside a UTF-8 character.
        if (!line.empty() && line[0] == ' ' && line.size() > 1) {
            EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << line;
        }
        start = end + 2;
    }
    EXPECT_NE(ics.find("\r\n "), std::string::npos) << "the long summary was not folded";
    const std::string leg = due[0].uuid;
    EXPECT_EQ(RunPython("import sys, icalendar\n"
                        "cal = icalendar.Calendar.from_ical(sys.stdin.buffer.read())\n"
                        "print(cal['VERSION'], len(cal.walk('VEVENT')))\n"
                        "for e in cal.walk('VEVENT'):\n"
                        "  print(e['UID'], e.decoded('DTSTART'), e.decoded('DTEND'), e['SUMMARY'])\n"
                        "  print(repr(str(e['DESCRIPTION'])))",
                        ics),
              "2.0 3\n" + leg +
                  "@terrovane 2009-03-10 2009-03-11 Re-test due: Mast \"A\" & <B> / Leg, north; east\n"
                  "'Never tested.\\nRe-test every 6 months.\\nOverdue.'\n" +
                  due[1].uuid + "@terrovane 2009-04-05 2009-04-06 Re-test due: " + fields.name + " / Rod\n" +
                  "'Last test 2009-01-05: Re 8.00 Ω, pass.\\nRe-test every 3 months.'\n" + due[2].uuid +
                  "@terrovane 2010-01-20 2010-01-21 Re-test due: " + fields.name + " / Grid\n" +
                  "'Last test 2009-01-20: Re 12.00 Ω, fail.\\nRe-test every 12 months.'");
    // Made again after a re-test, the point's event keeps its UID: a calendar updates it.
    std::vector<DueEntry> later;
    ASSERT_TRUE(terrovane::testing::Into(DueSoon(*archive_, "2009-05-10", 400), later));
    EXPECT_EQ(later[0].uuid, leg);
}

}  // namespace
}  // namespace terrovane::archive::testing
