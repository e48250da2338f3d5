// terrovane-cli sites --format geojson|kml and due --within DAYS, as programs, their output read back by
// independent readers (Python's json, csv, xml.etree and icalendar; xmllint).
#include "ArchiveCliTest.h"
#include "ArchiveFixtures.h"
#include "Due.h"
#include "DueSoon.h"
#include "JsonSchema.h"

namespace terrovane::archive::testing {
namespace {

std::uint32_t Bcd(int value) {
    return static_cast<std::uint32_t>((value / 10) << 4 | (value % 10));
}

// A 3-pole result of `ohms` measured on `date` (YYYY-MM-DD, this century).
record::MeasurementRecord MeasuredOn(const std::string& date, float ohms) {
    record::MeasurementRecord r = MakeResult(1, 1, 0, ohms);
    r.year = Bcd(std::stoi(date.substr(2, 2)));
    r.month = Bcd(std::stoi(date.substr(5, 2)));
    r.day = Bcd(std::stoi(date.substr(8, 2)));
    return r;
}

class CampaignCliTest : public ArchiveCliTest {
  protected:
    // "Works" (yearly, limit 10 ohm, placed): "Soon" due in 10 days, "Late" three years overdue, "New"
    // never tested, "Later" due in 100 days; "Shed" has no position.
    void SetUpCampaign() {
        const std::string today = Today();
        soon_ = AddMonths(AddDays(today, 10), -12);
        later_ = AddMonths(AddDays(today, 100), -12);
        ASSERT_TRUE(StoreImage(*OpenArchive(), ImageWith({{0, MeasuredOn(soon_, 8.0f)},
                                                          {1, MeasuredOn(AddMonths(today, -36), 12.0f)},
                                                          {2, MeasuredOn(later_, 9.0f)}}))
                        .stored);
        ASSERT_EQ(Cli("site add Works --position 51.05,-0.125 --limit 10 --interval 12").status, 0)
            << Errors();
        for (const char* point : {"Soon", "Late", "New", "Later"}) {
            ASSERT_EQ(Cli(std::string("point add Works ") + point).status, 0) << Errors();
        }
        ASSERT_EQ(Cli("assign 1 --to Works/Soon").status, 0) << Errors();
        ASSERT_EQ(Cli("assign 2 --to Works/Late").status, 0) << Errors();
        ASSERT_EQ(Cli("assign 3 --to Works/Later").status, 0) << Errors();
        ASSERT_EQ(Cli("site add Shed --interval 6").status, 0) << Errors();
    }

    std::string soon_;
    std::string later_;
};

TEST_F(CampaignCliTest, SitesComeOutForMapProgramsWithTheUnplacedCounted) {
    SetUpCampaign();
    CommandRun run = Cli("sites --format geojson");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_NE(Errors().find("1 site without a position left out"), std::string::npos) << Errors();
    EXPECT_EQ(RunPython("import json, sys\nd = json.load(sys.stdin)\nf = d['features']\n"
                        "print(d['type'], len(f), f[0]['geometry'], f[0]['properties'])",
                        run.text),
              "FeatureCollection 1 {'type': 'Point', 'coordinates': [-0.125, 51.05]} {'name': 'Works', "
              "'address': None, 'verdict': 'fail', 'due': '" +
                  AddMonths(AddMonths(Today(), -36), 12) + "', 'overdue': True, 'points': 4}");
    run = Cli("sites --format kml");
    ASSERT_EQ(run.status, 0) << Errors();
    WriteFile(Path("sites.kml"), run.text);
    EXPECT_EQ(RunCommand("xmllint --noout '" + Path("sites.kml") + "' 2>&1").text, "");
    EXPECT_EQ(
        RunPython("import sys, xml.etree.ElementTree as ET\n"
                  "ns = {'k': 'http://www.opengis.net/kml/2.2'}\n"
                  "p = ET.fromstring(sys.stdin.buffer.read()).findall('k:Document/k:Placemark', ns)\n"
                  "print(len(p), p[0].findtext('k:name', '', ns), p[0].findtext('k:Point/k:coordinates', "
                  "'', ns))",
                  run.text),
        "1 Works -0.125,51.05");
    // The other formats are as they were; an unknown one is refused.
    run = Cli("sites --format json");
    EXPECT_EQ(RunPython("import json, sys\nprint([s['name'] for s in json.load(sys.stdin)])", run.text),
              "['Shed', 'Works']");
    EXPECT_EQ(Cli("sites --format gpx").status, 2);
}

TEST_F(CampaignCliTest, TheComingDaysComeOutInEveryFormatSoonestFirst) {
    SetUpCampaign();
    CommandRun run = Cli("due --within 30 --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(RunPython("import json, sys\nfor r in json.load(sys.stdin): print(r['point'], r['due'], "
                        "r['overdue'], r['last_result'], r['verdict'])",
                        run.text),
              "New None True None none\nLate " + AddMonths(AddMonths(Today(), -36), 12) +
                  " True Re 12.00 Ω fail\nSoon " + AddMonths(soon_, 12) + " False Re 8.00 Ω pass");
    run = Cli("due --within 30 --format csv");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(RunPython("import csv, io, sys\nrows = list(csv.DictReader(io.StringIO(sys.stdin.buffer.read()."
                        "decode('utf-8-sig'), newline='')))\nprint([(r['point'], r['verdict'], r['overdue']) "
                        "for r in rows])",
                        run.text),
              "[('New', 'none', 'true'), ('Late', 'fail', 'true'), ('Soon', 'pass', 'false')]");
    run = Cli("due --within 30 --format ics");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(RunPython("import sys, icalendar\ncal = icalendar.Calendar.from_ical(sys.stdin.buffer.read())\n"
                        "for e in cal.walk('VEVENT'): print(str(e['SUMMARY']), e.decoded('DTSTART'))",
                        run.text),
              "Re-test due: Works / New " + Today() + "\nRe-test due: Works / Late " +
                  AddMonths(AddMonths(Today(), -36), 12) + "\nRe-test due: Works / Soon " +
                  AddMonths(soon_, 12));
    run = Cli("due --within 30");
    EXPECT_NE(run.text.find("LAST RESULT"), std::string::npos) << run.text;
    EXPECT_EQ(run.text.find("Later"), std::string::npos) << run.text;
    EXPECT_NE(Cli("due --within 100").text.find("Later"), std::string::npos);
    // Without --within every point is listed as before, the JSON with its old fields only.
    run = Cli("due --format json");
    EXPECT_EQ(RunPython("import json, sys\nrows = json.load(sys.stdin)\nprint(len(rows), sorted(rows[0]))",
                        run.text),
              "4 ['due', 'failed_since', 'interval_months', 'last_tested', 'overdue', 'point', 'site']");
    EXPECT_EQ(Cli("due --within -1").status, 2);
    EXPECT_EQ(Cli("due --within 3661").status, 2);
    EXPECT_EQ(Cli("due --within 30 --format yaml").status, 2);
}

}  // namespace
}  // namespace terrovane::archive::testing
