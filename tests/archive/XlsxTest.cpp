// The archive window's .xlsx export, read back by openpyxl.
#include "ArchiveFixtures.h"
#include "ResultsXlsx.h"

namespace terrovane::archive::testing {
namespace {

TEST_F(ArchiveTest, TheWorkbookHoldsNumbersDatesUnitsVerdictsAndAnAutofilter) {
    std::vector<ResultView> views;
    auto doubtful = MakeResult(1, 5, 3, 12.5f);
    doubtful.values[record::kJammingVoltage] = 14;
    views.push_back(DescribeRecord(0, doubtful));
    views.back().id = 41;
    views.back().site = "Подстанция 7";
    views.back().point = "E1";
    views.back().limit = Limit{10, "IEC 62305-3"};
    views.back().verdict = Verdict::Fail;
    views.back().label = "north";
    views.push_back(DescribeRecord(9, MakeResult(9, 6, 4, 2500.0f)));
    const std::string path = Path("results.xlsx");
    WriteFile(path, "old content");
    ASSERT_EQ(ExportResultsXlsx(views, path), "");
    const std::string checked = RunPython(R"py(
import openpyxl, sys
book = openpyxl.load_workbook(sys.stdin.readline().strip())
sheet = book.active
headers = [c.value for c in sheet[1]]
print(sheet.max_row, sheet.auto_filter.ref, sheet.freeze_panes)
row = {h: c.value for h, c in zip(headers, sheet[2])}
print(row["Result"], row["Measured"].isoformat(), row["Mode"], row["Site"], row["Point"])
print(row["Re (Ω)"], type(row["Re (Ω)"]).__name__, row["Limit (Ω)"], row["Limit source"], row["Verdict"])
print(row["Doubtful because"], row["Test frequency (Hz)"], row["Label"], row["Slot"])
second = {h: c.value for h, c in zip(headers, sheet[3])}
print(second["ρ (Ωm)"], second["Verdict"], second["Re (Ω)"], second["Site"])
print(sheet.column_dimensions["D"].width > 10)
)py",
                                          path + "\n");
    EXPECT_EQ(checked,
              "3 A1:AI3 A2\n"
              "41 2009-01-05T10:03:00 3Pole Подстанция 7 E1\n"
              "12.5 float 10 IEC 62305-3 fail\n"
              "jamming voltage 14 V above 10 V 105 north 0\n"
              "2500 none None None\n"
              "True");
}

TEST_F(ArchiveTest, AWorkbookThatCannotBeWrittenLeavesTheOldFile) {
    WriteFile(Path("keep.xlsx"), "old");
    EXPECT_NE(ExportResultsXlsx({}, Path("missing/folder.xlsx")), "");
    EXPECT_NE(ExportResultsXlsx({}, ""), "");
    EXPECT_EQ(ReadFile(Path("keep.xlsx")), "old");
    EXPECT_EQ(ExportResultsXlsx({}, Path("empty.xlsx")), "");
    EXPECT_EQ(RunPython("import openpyxl, sys\nprint(openpyxl.load_workbook(sys.stdin.readline().strip())"
                        ".active.max_row)",
                        Path("empty.xlsx") + "\n"),
              "1");
}

}  // namespace
}  // namespace terrovane::archive::testing
