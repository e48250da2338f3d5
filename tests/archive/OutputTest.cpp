// The CSV, JSON and workbook outputs, read back by independent readers.
#include "ArchiveFixtures.h"
#include "ExportColumns.h"
#include "ResultsFiles.h"
#include "ResultsOutput.h"
#include "ResultsXlsx.h"

namespace terrovane::archive::testing {
namespace {

std::vector<ResultView> StoredViews(Archive& archive) {
    std::vector<ResultRow> rows;
    std::string error;
    EXPECT_TRUE(archive.Results({}, {ResultOrder::Slot, false}, -1, 0, rows, error)) << error;
    std::vector<ResultView> views;
    for (const ResultRow& row : rows) {
        views.push_back(DescribeResult(row));
    }
    return views;
}

class OutputTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        auto over = MakeResult(9, 4, 1, 2500.0f);
        over.integerValue = 120;  // above 99 m: the cell says >99, the value keeps the distance
        image_ = ImageWith({{3, MakeResult(1, 23, 5, 12.34f)}, {57, over}});
        ASSERT_TRUE(StoreImage(*archive_, image_).stored);
        std::string error;
        ASSERT_TRUE(
            archive_->SetLabel(LabelTarget::Result, 1, "Pole \"7\", north\nside", std::nullopt, error));
    }

    std::unique_ptr<Archive> archive_;
    record::ReadOutBuffer image_{};
    std::string error_;
};

TEST_F(OutputTest, JsonCarriesEveryFieldTheWorkbookCellsAndTheValues) {
    const std::string json = ResultsJson(StoredViews(*archive_));
    const std::string checked = RunPython(R"(
import json, sys
rows = json.load(sys.stdin)
first, second = rows
print(sorted(first.keys()))
print(first["id"], first["readout"], first["read_at"], first["slot"], first["mode"], first["mode_name"],
      first["date"], first["time"], repr(first["label"]), first["note"])
print(len(first["cells"]), first["cells"][0], first["cells"][6])
print(first["values"]["Re"], first["values"]["Rs"], first["values"]["JammingVoltage"], first["values"]["TestVoltage"])
print(second["mode_name"], second["values"]["Distance"], second["cells"][17], second["values"]["Resistivity"])
)",
                                          json);
    EXPECT_EQ(
        checked,
        "['cells', 'date', 'id', 'label', 'limit_ohm', 'limit_source', 'mode', 'mode_name', 'note', "
        "'over_range', 'point', 'port', 'read_at', 'readout', 'site', 'slot', 'time', 'validity', 'values', "
        "'verdict']\n"
        "1 1 2024-05-17T09:30:05+02:00 3 1 3Pole 2009-01-23 10:05:00 'Pole \"7\", north\\nside' None\n"
        "18 03 12.34\n"
        "12.34 0 None 20\n"
        "\xCF\x81 120 >99 2500");
    const auto record = record::MeasurementRecord::FromPacket(record::PacketOf(image_, 3));
    const exporting::RowTexts cells = exporting::RecordRowTexts(3, record);
    EXPECT_EQ(DescribeResult(*archive_->Result(1, error_)).cells, cells);
}

TEST_F(OutputTest, CsvIsUtf8WithAByteOrderMarkAndQuotesWhatNeedsIt) {
    const std::string csv = ResultsCsv(StoredViews(*archive_));
    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
    EXPECT_NE(csv.find("\r\n"), std::string::npos);
    const std::string checked = RunPython(R"(
import csv, io, sys
text = sys.stdin.buffer.read().decode("utf-8-sig")
rows = list(csv.reader(io.StringIO(text, newline="")))
print(len(rows), len(rows[0]), rows[0][:3], rows[0][11], rows[0][17], rows[0][29])
print(repr(rows[1][9]), rows[1][11], rows[1][17], rows[1][31])
print(rows[2][6], rows[2][37], rows[2][42], rows[0][-14:-7], rows[1][-10], rows[1][4], rows[1][-7:])
)",
                                          csv);
    EXPECT_EQ(checked,
              "3 57 ['id', 'readout', 'read_at'] NO Re(\xCE\xA9) TestVoltage\n"
              "'Pole \"7\", north\\nside' 03 12.34 12.34\n"
              "\xCF\x81 2500 120 ['site', 'point', 'limit_ohm', 'limit_source', 'verdict', 'validity', "
              "'over_range'] none 03 ['no', '', '', '', '', '', '']");
}

TEST_F(OutputTest, ReadOutsListTheirResults) {
    std::vector<ReadOutRow> readouts;
    std::string error;
    ASSERT_TRUE(archive_->ReadOuts({}, -1, 0, readouts, error));
    EXPECT_EQ(RunPython("import json, sys\nr = json.load(sys.stdin)[0]\nprint(sorted(r), r['results'])",
                        ReadOutsJson(readouts)),
              "['id', 'label', 'note', 'port', 'read_at', 'results'] [1, 2]");
    EXPECT_EQ(
        ReadOutsCsv(readouts),
        "\xEF\xBB\xBFid,read_at,port,label,note,results\r\n1,2024-05-17T09:30:05+02:00,/dev/ttyUSB0,,,2\r\n");
}

TEST(OutputTextTest, NumbersAndStringsStayWellFormed) {
    EXPECT_EQ(NumberText(static_cast<float>(0.1)), "0.1");
    EXPECT_EQ(NumberText(3.0), "3");
    EXPECT_EQ(NumberText(1e300), "1e+300");
    EXPECT_EQ(NumberText(300000.0), "300000");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(JsonString("a\"b\\c\x01\xff"), "\"a\\\"b\\\\c\\u0001\xEF\xBF\xBD\"");
    EXPECT_EQ(CsvField("plain"), "plain");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
}

TEST(OutputTextTest, ValuesAreNullWhereAbsentInvalidOrNotANumber) {
    auto r = MakeResult(1, 1, 1, std::numeric_limits<float>::infinity());
    r.values[record::kRs] = -1;  // a failed reading
    const ResultView view = DescribeRecord(7, r);
    EXPECT_FALSE(view.readings[2].IsMeasured());  // Re: infinite
    EXPECT_EQ(view.readings[3].kind, format::ReadingKind::Invalid);
    EXPECT_EQ(view.readings[5].kind, format::ReadingKind::NotApplicable);  // Rac: not of this mode
    EXPECT_EQ(view.readings[1].value, 105);                                // TestFrequency
    EXPECT_FALSE(view.id);
    EXPECT_EQ(ResultsJson({}), "[]\n");
}

// A 3-pole result the instrument showed as "Re >300k", "Rh >300k", at "AFE", with single-precision
// values: no made-up number anywhere, the bound named instead.
ResultView OverRangeView() {
    auto r = MakeResult(1, 5, 3, 350000.0f);
    r.values[record::kRh] = 612345.0f;
    r.values[record::kRs] = 4.87f;
    r.frequencyCode = 5;
    ResultView view = DescribeRecord(4, r);
    view.note = "probe in gravel";
    return view;
}

TEST(OutputTextTest, OverRangeIsNullWithItsBoundAndCodesAreTheirTexts) {
    const std::string json = ResultsJson({OverRangeView()});
    EXPECT_EQ(RunPython(R"(
import json, sys
row = json.load(sys.stdin)[0]
v = row["values"]
print(v["Re"], v["Rh"], repr(v["Rs"]), v["TestFrequency"], row["over_range"], row["slot"])
)",
                        json),
              "None None 4.87 AFE {'Re': 300000, 'Rh': 300000} 4");
    EXPECT_NE(json.find("\"Rs\":4.87,"), std::string::npos);  // not 4.869999885559082
    const std::string csv = ResultsCsv({OverRangeView()});
    EXPECT_EQ(RunPython(R"(
import csv, io, sys
rows = list(csv.DictReader(io.StringIO(sys.stdin.buffer.read().decode("utf-8-sig"), newline="")))
r = rows[0]
print(repr(r["Re"]), repr(r["Rh"]), r["Rs"], r["TestFrequency"], r["over_range"], r["slot"], r["note"])
)",
                        csv),
              "'' '' 4.87 AFE Re>300000; Rh>300000 04 probe in gravel");
}

TEST_F(ArchiveTest, TheWorkbookShowsOverRangeAsTheInstrumentDidAndFlagsIt) {
    std::vector<ResultView> views = {OverRangeView()};
    views.front().limit = Limit{10, "IEC 62305-3"};
    views.front().verdict = Verdict::Fail;
    const std::string path = Path("over.xlsx");
    ASSERT_EQ(ExportResultsXlsx(views, path), "");
    const std::string checked = RunPython(R"py(
import openpyxl, sys
sheet = openpyxl.load_workbook(sys.stdin.readline().strip()).active
headers = [c.value for c in sheet[1]]
row = {h: c for h, c in zip(headers, sheet[2])}
print(row["Re (Ω)"].value, row["Rh (Ω)"].data_type, row["Rs (Ω)"].value, row["Test frequency (Hz)"].value)
print(row["Over range"].value, row["Slot"].value, row["Slot"].number_format, row["Verdict"].value)
)py",
                                          path + "\n");
    EXPECT_EQ(checked,
              "> 300 kΩ s 4.87 AFE\n"
              "Re > 300 kΩ; Rh > 300 kΩ 4 00 fail");
}

TEST_F(OutputTest, AWorkbookHoldsMoreThanAHundredRows) {
    std::vector<ResultView> views;
    for (int i = 0; i < 250; ++i) {
        views.push_back(DescribeRecord(i % 100, MakeResult(1, 1 + i % 28, i % 60, static_cast<float>(i))));
        views.back().label = "row " + std::to_string(i);
    }
    const std::string path = Path("results.xls");
    ASSERT_EQ(ExportResultsWorkbook(views, path), "");
    const std::string checked = RunPython("import xlrd\nbook = xlrd.open_workbook('" + path +
                                              "')\nsheet = book.sheet_by_index(0)\n"
                                              "print(book.nsheets, sheet.nrows, sheet.cell_value(0, 18), "
                                              "sheet.cell_value(0, 19), sheet.cell_value(250, 0),"
                                              " sheet.cell_value(250, 19), sheet.cell_value(250, 6))",
                                          "");
    EXPECT_EQ(checked, "1 251 Read out Label 49 row 249 249.0");
    EXPECT_NE(ExportResultsWorkbook(views, Path("missing/folder/x.xls")), "");
}

TEST_F(ArchiveTest, FilesAreReplacedWholeAndLinksAreNotFollowed) {
    WriteFile(Path("target"), "keep me");
    ASSERT_EQ(::symlink(Path("target").c_str(), Path("out.json").c_str()), 0);
    ASSERT_EQ(WriteFileReplacing(Path("out.json"), "[]\n"), "");
    EXPECT_EQ(ReadFile(Path("target")), "keep me");
    EXPECT_EQ(ReadFile(Path("out.json")), "[]\n");
    EXPECT_NE(WriteFileReplacing(Path("no/such/out.json"), "x"), "");
    EXPECT_NE(WriteFileReplacing(Folder(), "x"), "");
}

}  // namespace
}  // namespace terrovane::archive::testing
