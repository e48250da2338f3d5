#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include "ExportColumns.h"
#include "ReplacingSave.h"
#include "ScratchFolder.h"
#include "Utf.h"
#include "WorkbookExport.h"

namespace terrovane::exporting {
namespace {

namespace fs = std::filesystem;

record::MeasurementRecord Record(std::uint32_t mode) {
    record::MeasurementRecord r;
    r.mode = mode;
    r.year = 0x09, r.month = 0x01, r.day = 0x23, r.hour = 0x07, r.minute = 0x05, r.second = 0x30;
    r.voltageCode = 1;
    r.frequencyCode = 2;
    r.values.fill(12.5f);
    r.integerValue = 20;
    r.validMark = 'U';
    return r;
}

record::RecordTable TableWithSlots3And57() {
    record::RecordTable table;
    table.Set(3, Record(9));
    table.Set(57, Record(1));
    return table;
}

std::string Output(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        ::pclose(pipe);
    }
    return output;
}

std::string ReadBack(const fs::path& path) {
    return Output(std::string("/usr/bin/python3 ") + TV_XLS_READER_SCRIPT + " '" + path.string() +
                  "' dump 2>&1");
}

fs::path Folder(const std::string& name) {
    const fs::path dir = testing::ScratchFolder() / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string CellText(xls::XlsSheet& sheet, int row, int column) {
    return xls::Utf16ToUtf8(sheet.CellAt(row, column)->WideTextView());
}

TEST(FillWorkbook, OccupiedSlotsFillTheirRowsAndTheRestStayEmpty) {
    xls::XlsWorkbook book;
    std::vector<int> positions;
    FillWorkbook(book, TableWithSlots3And57(), [&positions](int p) { positions.push_back(p); });
    ASSERT_EQ(book.SheetCount(), 2);
    EXPECT_EQ(book.SheetName(0), "Sheet1");
    EXPECT_EQ(book.SheetName(1), "Sheet2");
    xls::XlsSheet& sheet = *book.SheetAt(0);
    EXPECT_EQ(sheet.RowCount(), 59);
    EXPECT_EQ(sheet.ColumnCount(), 18);
    EXPECT_EQ(book.SheetAt(1)->RowCount(), 0);
    EXPECT_EQ(CellText(sheet, 0, 0), "NO");
    EXPECT_EQ(CellText(sheet, 0, 12), "Resistivity(Ω*m)");
    EXPECT_EQ(CellText(sheet, 4, 0), "03");
    EXPECT_EQ(CellText(sheet, 58, 0), "57");
    for (int row = 1; row < 59; ++row) {
        if (row == 4 || row == 58) {
            continue;
        }
        for (int column = 0; column < 18; ++column) {
            ASSERT_EQ(sheet.CellAt(row, column)->Kind(), xls::Empty) << row << "," << column;
        }
    }
    ASSERT_EQ(positions.size(), 101u);
    EXPECT_EQ(positions.front(), 1);
    EXPECT_EQ(positions[1], 0);
    EXPECT_EQ(positions.back(), 99);
}

TEST(FillWorkbook, ResistivityRecordFillsOnlyItsColumnsWithRhoAsMode) {
    xls::XlsWorkbook book;
    record::RecordTable table;
    table.Set(0, Record(9));
    FillWorkbook(book, table);
    xls::XlsSheet& sheet = *book.SheetAt(0);
    const std::u16string rho = sheet.CellAt(1, 1)->WideTextView().data();
    EXPECT_EQ(rho, u"\x03C1");
    EXPECT_EQ(CellText(sheet, 1, 2), "2009-01-23");
    EXPECT_EQ(CellText(sheet, 1, 3), "07:05:30");
    for (int column : {0, 1, 2, 3, 4, 5, 12, 14, 15, 17}) {
        EXPECT_EQ(sheet.CellAt(1, column)->Kind(), xls::WideText) << column;
    }
    for (int column : {6, 7, 8, 9, 10, 11, 13, 16}) {
        EXPECT_EQ(sheet.CellAt(1, column)->Kind(), xls::Empty) << column;
    }
    EXPECT_EQ(RecordRowTexts(0, Record(9))[12], CellText(sheet, 1, 12));
}

TEST(ExportRecords, SavedFileReadsBackWithBothSheetsAndTheRows) {
    const fs::path path = Folder("readback") / "测量 records.xls";
    ASSERT_EQ(ExportRecords(TableWithSlots3And57(), path.string()), "");
    const std::string dump = ReadBack(path);
    EXPECT_NE(dump.find(R"x("name": "Sheet1", "rows": 59, "cols": 18)x"), std::string::npos) << dump;
    EXPECT_NE(dump.find(R"x("name": "Sheet2", "rows": 0, "cols": 0)x"), std::string::npos) << dump;
    EXPECT_NE(dump.find(R"x(["NO", "Mode", "日期(Date)", "时间(Time)")x"), std::string::npos) << dump;
    EXPECT_NE(dump.find(R"x(["03", "ρ", "2009-01-23", "07:05:30")x"), std::string::npos) << dump;
    EXPECT_NE(dump.find(R"x(["57", "3Pole", "2009-01-23")x"), std::string::npos) << dump;
    const std::string emptyRow =
        R"x(["", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""])x";
    std::size_t emptyRows = 0;
    for (auto at = dump.find(emptyRow); at != std::string::npos; at = dump.find(emptyRow, at + 1)) {
        ++emptyRows;
    }
    EXPECT_EQ(emptyRows, 56u);
}

// Gnumeric opens a workbook on the sheet its window records call displayed; its CSV export writes that
// sheet. The results must be what it shows, not the empty second sheet.
TEST(ExportRecords, GnumericConvertsTheResultsSheetToCsv) {
    const fs::path folder = Folder("gnumeric");
    const fs::path path = folder / "records.xls";
    const fs::path csv = folder / "records.csv";
    ASSERT_EQ(ExportRecords(TableWithSlots3And57(), path.string()), "");
    const std::string log = Output("ssconvert --export-type=Gnumeric_stf:stf_csv '" + path.string() + "' '" +
                                   csv.string() + "' 2>&1");
    const std::string text = Contents(csv);
    EXPECT_EQ(text.rfind("NO,Mode,日期(Date),时间(Time),Voltage(V),", 0), 0u) << log << text;
    EXPECT_NE(text.find("\n03,ρ,2009-01-23,07:05:30,"), std::string::npos) << text;
    EXPECT_NE(text.find("\n57,3Pole,2009-01-23,07:05:30,"), std::string::npos) << text;
}

TEST(SaveReplacing, ReplacesAnOldFileAndLeavesNoTemporaryBehind) {
    const fs::path dir = Folder("replace");
    const fs::path path = dir / "book.xls";
    { std::ofstream(path) << "old workbook"; }
    ASSERT_EQ(ExportRecords(TableWithSlots3And57(), path.string()), "");
    EXPECT_EQ(Contents(path).substr(0, 4), "\xD0\xCF\x11\xE0");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(SaveReplacing, FolderThatCannotBeWrittenReportsTheFailure) {
    const fs::path blocker = Folder("blocked") / "plain-file";
    { std::ofstream(blocker) << "x"; }
    const std::string path = (blocker / "book.xls").string();
    // No file was there, so the message mentions none.
    EXPECT_EQ(ExportRecords(TableWithSlots3And57(), path),
              "The workbook could not be saved as \"" + path + "\" (Not a directory).");
}

TEST(SaveReplacing, LinkAtThePathIsRefusedAndItsTargetKept) {
    const fs::path dir = Folder("link");
    { std::ofstream(dir / "elsewhere.xls") << "someone's file"; }
    fs::create_symlink(dir / "elsewhere.xls", dir / "book.xls");
    EXPECT_EQ(ExportRecords(TableWithSlots3And57(), (dir / "book.xls").string()),
              "The workbook could not be saved as \"" + (dir / "book.xls").string() +
                  "\" (is a symbolic link, which is not followed).");
    EXPECT_EQ(Contents(dir / "elsewhere.xls"), "someone's file");
    EXPECT_TRUE(fs::is_symlink(dir / "book.xls"));
}

// A disk that refuses the file mid-way (the file size limit stands in for a full disk) must leave the
// old workbook as it was and say so.
TEST(SaveReplacing, FailedWriteKeepsTheOldFileIntact) {
    const fs::path dir = Folder("full");
    const fs::path path = dir / "book.xls";
    const std::string old(5000, 'o');
    { std::ofstream(path) << old; }
    xls::XlsWorkbook book;
    FillWorkbook(book, TableWithSlots3And57());
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 2048;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string error = SaveReplacing(book, path.string());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(error, "The workbook could not be saved as \"" + path.string() +
                         "\" (File too large); the earlier file there is unchanged.");
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace terrovane::exporting
