// Readings imported into a real archive and read back by Python's sqlite3: once each however often the
// file comes, every refused row named, nothing left of an import the archive failed, workbooks made by
// openpyxl.
#include <sys/stat.h>

#include "ArchiveFixtures.h"
#include "ReadingImport.h"
#include "RememberedMappings.h"
#include "SiteImport.h"
#include "Sites.h"

namespace terrovane::imports {
namespace {

using archive::testing::ReadArchive;
using archive::testing::RunPython;
using archive::testing::WriteFile;

archive::SiteFields SiteNamed(const std::string& name) {
    archive::SiteFields fields;
    fields.name = name;
    return fields;
}

archive::PointFields PointNamed(const std::string& name) {
    archive::PointFields fields;
    fields.name = name;
    return fields;
}

constexpr const char* kMapping = R"({"date": {"column": "Date", "format": "dd.MM.yyyy HH:mm"},
    "point": {"column": "Point"}, "method": {"column": "Method", "names": {"FoP": "fall-of-potential"}},
    "values": [{"name": "Re", "column": "Re", "unit": "ohm"}, {"name": "Rh", "column": "Rh", "unit": "kohm"}],
    "instrument": {"fixed": "Other make 4105"}, "measured_by": {"column": "By"}})";

class ImportTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        store_ = OpenArchive();
        ASSERT_NE(store_, nullptr);
        std::int64_t site = 0;
        std::int64_t point = 0;
        std::string error;
        ASSERT_TRUE(archive::AddSite(*store_, SiteNamed("Mast"), site, error)) << error;
        ASSERT_TRUE(archive::AddPoint(*store_, site, PointNamed("Leg A"), point, error)) << error;
        ASSERT_TRUE(archive::AddPoint(*store_, site, PointNamed("Leg B"), point, error)) << error;
    }

    archive::Result<ImportReport> Import(const std::string& file, const std::string& mappingJson = kMapping,
                                         bool dryRun = false) {
        const auto mapping = MappingFromJson(mappingJson);
        EXPECT_TRUE(mapping) << mapping.Error().Text();
        auto table = LoadTable(Path(file), mapping.Value(), "");
        if (!table) {
            return table.Error();
        }
        return ImportReadings(*store_, table.Value(), mapping.Value(), {"alice", file}, dryRun);
    }

    std::string Stored() const {
        return ReadArchive(
            Path(),
            "SELECT p.name, t.method, t.measured_date || ' ' || t.measured_time, group_concat(v.name "
            "|| '=' || coalesce(v.value, '>' || v.over_range_bound), ' '), t.instrument, "
            "t.measured_by, t.typed_by FROM typed_results t JOIN points p ON p.id = t.point_id "
            "JOIN typed_values v ON v.version_id = t.id GROUP BY t.id ORDER BY t.id");
    }

    std::unique_ptr<archive::Archive> store_;
};

TEST_F(ImportTest, RowsAreStoredOnceEachAndRefusedRowsAreNamedByLine) {
    WriteFile(Path("readings.csv"),
              "Date;Point;Method;Re;Rh;By\n"
              "01.03.2024 09:15;Mast/Leg A;FoP;4,2;>300;Jo\n"
              "01.03.2024 09:20;Mast/Leg B;3-pole;12,5;1,2;Jo\n"
              "\n"
              "01.03.2024 09:25;Mast/Leg C;3-pole;1;1;Jo\n"
              "01.03.2024 09:15;Mast/Leg A;FoP;4,2;>300;Jo\n"
              "01.03.2090 09:15;Mast/Leg A;3-pole;1;1;Jo\n"
              "01.03.2024 09:30;Mast/Leg A;guess;1;1;Jo\n"
              "01.03.2024 09:35;Mast/Leg A;3-pole;;1;Jo\n");
    const auto report = Import("readings.csv");
    ASSERT_TRUE(report) << report.Error().Text();
    EXPECT_EQ(report.Value().rows, 7);
    EXPECT_EQ(report.Value().taken, 2);
    EXPECT_EQ(report.Value().already, 1);  // the same reading twice in the file
    ASSERT_EQ(report.Value().refused.size(), 4u);
    EXPECT_EQ(report.Value().refused[0].line, 5);
    EXPECT_EQ(report.Value().refused[0].problem, "there is no test point \"Leg C\" at site \"Mast\"");
    EXPECT_EQ(report.Value().refused[1].line, 7);
    EXPECT_EQ(report.Value().refused[1].problem, "the measuring date 2090-03-01 09:15 lies in the future");
    EXPECT_EQ(report.Value().refused[2].line, 8);
    EXPECT_EQ(report.Value().refused[2].problem.rfind("there is no method \"guess\"", 0), 0u);
    EXPECT_EQ(report.Value().refused[3].problem, "a result of the method 3-pole needs its value Re");
    EXPECT_EQ(
        Stored(),
        "[[\"Leg A\", \"fall-of-potential\", \"2024-03-01 09:15:00\", \"Re=4.2 Rh=>300000.0\", \"Other make "
        "4105\", \"Jo\", \"alice, imported from readings.csv\"], [\"Leg B\", \"3-pole\", \"2024-03-01 "
        "09:20:00\", \"Re=12.5 Rh=1200.0\", \"Other make 4105\", \"Jo\", \"alice, imported from "
        "readings.csv\"]]");

    // Again, and again as a dry run: nothing new.
    const auto again = Import("readings.csv");
    ASSERT_TRUE(again);
    EXPECT_EQ(again.Value().taken, 0);
    EXPECT_EQ(again.Value().already, 3);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_results"), "[[2]]");
    // A dry run of a file with a new reading counts it and stores nothing.
    WriteFile(Path("more.csv"), "Date;Point;Method;Re;Rh;By\n02.03.2024 10:00;Mast/Leg A;FoP;5;;\n");
    const auto dry = Import("more.csv", kMapping, true);
    ASSERT_TRUE(dry);
    EXPECT_EQ(dry.Value().taken, 1);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_results"), "[[2]]");
}

TEST_F(ImportTest, AReadingCorrectedSinceIsNotImportedAgain) {
    WriteFile(Path("one.csv"), "Date;Point;Method;Re;Rh;By\n01.03.2024 09:15;Mast/Leg A;FoP;4,2;;Jo\n");
    ASSERT_TRUE(Import("one.csv"));
    const auto first = archive::TypedResultById(*store_, 1);
    ASSERT_TRUE(first);
    archive::TypedResultFields corrected = first.Value().fields;
    corrected.values[0].number = 5;
    ASSERT_TRUE(archive::CorrectTypedResult(*store_, 1, corrected));
    const auto again = Import("one.csv");
    ASSERT_TRUE(again);
    EXPECT_EQ(again.Value().already, 1);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_results"), "[[2]]");
}

TEST_F(ImportTest, NothingOfAnImportTheArchiveFailedStays) {
    // The archive refuses the third reading's value as a full disk would refuse its page.
    RunPython("import sqlite3\ndb = sqlite3.connect('" + Path() +
                  "')\ndb.execute(\"CREATE TRIGGER refuse BEFORE INSERT ON typed_values WHEN NEW.value = 13 "
                  "BEGIN SELECT RAISE(ABORT, 'disk full'); END\")\ndb.commit()\n",
              "");
    WriteFile(Path("three.csv"),
              "Date;Point;Method;Re;Rh;By\n01.03.2024 09:15;Mast/Leg A;3-pole;11;;\n"
              "01.03.2024 09:16;Mast/Leg A;3-pole;12;;\n01.03.2024 09:17;Mast/Leg A;3-pole;13;;\n");
    const auto failed = Import("three.csv");
    ASSERT_FALSE(failed);
    EXPECT_NE(failed.Error().Text().find("disk full"), std::string::npos) << failed.Error().Text();
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_results"), "[[0]]");
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_values"), "[[0]]");
}

TEST_F(ImportTest, AWorkbookMadeByOpenpyxlImportsFromAnySheet) {
    RunPython(
        "import datetime, openpyxl\nwb = openpyxl.Workbook()\nwb.active.title = 'Notes'\n"
        "wb.active.append(['nothing here'])\nws = wb.create_sheet('Readings')\n"
        "ws.append(['Measured', 'Site', 'Point', 'Re', 'Rho'])\n"
        "ws.append([datetime.datetime(2024, 3, 1, 9, 15), 'Mast', 'Leg A', 4.25, '1,5 k'])\n"
        "ws.append([datetime.datetime(2024, 3, 2, 10, 0), 'Mast', 'Leg B', '>300k', None])\n"
        "ws.append(['not a date', 'Mast', 'Leg B', 7, None])\n"
        "wb.save('" +
            Path("book.xlsx") + "')\n",
        "");
    const std::string mapping =
        R"({"sheet": "Readings", "date": {"column": "Measured", "format": "dd.MM.yyyy"},
        "site": {"column": "Site"}, "point": {"column": "Point"}, "method": {"fixed": "3-pole"},
        "values": [{"name": "Re", "column": "Re"}]})";
    const auto report = Import("book.xlsx", mapping);
    ASSERT_TRUE(report) << report.Error().Text();
    EXPECT_EQ(report.Value().taken, 2);
    ASSERT_EQ(report.Value().refused.size(), 1u);
    EXPECT_EQ(report.Value().refused[0].line, 4);
    EXPECT_EQ(report.Value().refused[0].problem, "the date \"not a date\" is not a date written dd.MM.yyyy");
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT t.measured_date, t.measured_time, v.value, v.over_range_bound FROM "
                          "typed_results t JOIN typed_values v ON v.version_id = t.id ORDER BY t.id"),
              "[[\"2024-03-01\", \"09:15:00\", 4.25, null], [\"2024-03-02\", \"10:00:00\", null, 300000.0]]");

    // A sheet that is not there is named with those that are.
    const auto missing = MappingFromJson(mapping);
    ASSERT_TRUE(missing);
    const auto table = LoadTable(Path("book.xlsx"), missing.Value(), "Summary");
    ASSERT_FALSE(table);
    EXPECT_EQ(table.Error().Text(),
              "the workbook has no sheet \"Summary\"; its sheets are \"Notes\", \"Readings\"");
    // A FIFO named by mistake is refused at once rather than waited on.
    ASSERT_EQ(::mkfifo(Path("pipe.csv").c_str(), 0600), 0);
    const auto pipe = LoadTable(Path("pipe.csv"), missing.Value(), "");
    ASSERT_FALSE(pipe);
    EXPECT_EQ(pipe.Error().Text().rfind("the file cannot be read", 0), 0u) << pipe.Error().Text();
    // A file that only starts like a workbook is refused, not read as CSV.
    WriteFile(Path("broken.xlsx"), std::string("PK\x03\x04", 4) + "not a zip");
    const auto broken = LoadTable(Path("broken.xlsx"), missing.Value(), "");
    ASSERT_FALSE(broken);
    EXPECT_EQ(broken.Error().Text().rfind("the file is no .xlsx workbook", 0), 0u) << broken.Error().Text();
}

TEST_F(ImportTest, AMappingIsRememberedByTheHeaderRowOfItsFile) {
    const RememberedMappings remembered(Path("config/Terrovane/import-mappings.json"));
    WriteFile(Path("readings.csv"), "Date;Point;Method;Re;Rh;By\n01.03.2024 09:15;Mast/Leg A;FoP;4,2;;Jo\n");
    WriteFile(Path("other.csv"), "When,Where,Re\n2024-03-01 09:15,Mast/Leg A,4.2\n");
    const auto mapping = MappingFromJson(kMapping);
    ASSERT_TRUE(mapping);
    const auto table = LoadTable(Path("readings.csv"), mapping.Value(), "");
    ASSERT_TRUE(table);
    EXPECT_FALSE(remembered.Find(table.Value()));
    std::string error;
    ASSERT_TRUE(remembered.Remember(HeaderOf(mapping.Value(), table.Value()), mapping.Value(), error))
        << error;
    const auto found = remembered.Find(table.Value());
    ASSERT_TRUE(found);
    EXPECT_EQ(MappingJson(*found), MappingJson(mapping.Value()));
    const auto other = LoadTable(Path("other.csv"), Mapping{}, "");
    ASSERT_TRUE(other);
    EXPECT_FALSE(remembered.Find(other.Value()));
    // The file is JSON any reader takes, and a damaged one is replaced rather than trusted.
    EXPECT_EQ(RunPython("import json, sys\nd = json.load(open(sys.stdin.read()))\n"
                        "print(d['mappings'][0]['header'], d['mappings'][0]['mapping']['method'])",
                        remembered.Path()),
              "['Date', 'Point', 'Method', 'Re', 'Rh', 'By'] {'column': 'Method', 'names': {'FoP': "
              "'fall-of-potential'}}");
    WriteFile(remembered.Path(), "{not json");
    EXPECT_FALSE(remembered.Find(table.Value()));
    ASSERT_TRUE(remembered.Remember(HeaderOf(mapping.Value(), table.Value()), mapping.Value(), error))
        << error;
    EXPECT_TRUE(remembered.Find(table.Value()));
}

TEST_F(ImportTest, SitesAndTheirPointsComeFromAListBeforeAnyReading) {
    const auto mapping = SiteMappingFromJson(R"({"separator": ";", "name": {"column": "Name"},
        "address": {"column": "Address"}, "latitude": {"column": "Lat"}, "longitude": {"column": "Lon"},
        "limit": {"column": "Limit"}, "interval": {"column": "Months"}, "points": {"column": "Points"},
        "points_separator": ","})");
    ASSERT_TRUE(mapping) << mapping.Error().Text();
    // Points listed twice count once; a cell may be quoted as spreadsheets quote one.
    WriteFile(Path("sites.csv"),
              "Name;Address;Lat;Lon;Limit;Months;Points\n"
              "Depot;1 Yard Road;47,5;8,25;10;12;\"Rod 1, Rod 2 ,Rod 1\"\n"
              "Mast;;;;;;Leg B, Leg C\n"
              "Far;;95;8;;;\n"
              "Pit;;;;much;;\n");
    const auto table = LoadTable(Path("sites.csv"), mapping.Value().Reading(), "");
    ASSERT_TRUE(table);
    const auto report = ImportSites(*store_, table.Value(), mapping.Value(), false);
    ASSERT_TRUE(report) << report.Error().Text();
    EXPECT_EQ(report.Value().taken, 1);
    EXPECT_EQ(report.Value().already, 1);
    ASSERT_EQ(report.Value().refused.size(), 2u);
    EXPECT_EQ(report.Value().refused[0].line, 4);
    EXPECT_EQ(report.Value().refused[0].problem,
              "latitude runs from -90 to 90 and longitude from -180 to 180");
    EXPECT_EQ(report.Value().refused[1].line, 5);
    EXPECT_EQ(report.Value().refused[1].problem.rfind("a limit is a preset name", 0), 0u);
    EXPECT_EQ(
        ReadArchive(Path(),
                    "SELECT s.name, s.address, s.latitude, s.longitude, s.limit_ohm, "
                    "s.interval_months, group_concat(p.name, '|') FROM sites s LEFT JOIN points p ON "
                    "p.site_id = s.id GROUP BY s.id ORDER BY s.id"),
        "[[\"Mast\", \"\", null, null, null, null, \"Leg A|Leg B|Leg C\"], [\"Depot\", \"1 Yard Road\", "
        "47.5, 8.25, 10.0, 12, \"Rod 1|Rod 2\"]]");
    // Again: nothing new.
    const auto again = ImportSites(*store_, table.Value(), mapping.Value(), false);
    ASSERT_TRUE(again);
    EXPECT_EQ(again.Value().taken, 0);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM points"), "[[5]]");
}

}  // namespace
}  // namespace terrovane::imports
