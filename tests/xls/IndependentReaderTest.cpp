#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "ByteOrder.h"
#include "GoldenBytes.h"
#include "Utf.h"
#include "XlsWorkbook.h"

namespace terrovane::xls {
namespace {

// Runs the Python reader (Debian's interpreter, which has xlrd and olefile) and returns its output and
// exit status.
std::pair<int, std::string> RunReader(const std::string& arguments) {
    const std::string command =
        std::string("/usr/bin/python3 ") + TV_XLS_READER_SCRIPT + " " + arguments + " 2>&1";
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {-1, "cannot start the reader"};
    }
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    return {::pclose(pipe), output};
}

std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

void FillPattern(XlsSheet* sheet, int rows, int columns) {
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            sheet->CellAt(r, c)->SetWideText(Utf8ToUtf16("R" + std::to_string(r) + "C" + std::to_string(c)));
        }
    }
}

TEST(IndependentReader, FullHeightSheetNeedingDifatSectorsReadsBackEveryCell) {
    const auto path = golden::TempPath("full-height.xls");
    XlsWorkbook book;
    book.Reset(1);
    FillPattern(book.SheetAt(0), 65536, 4);
    ASSERT_TRUE(book.SaveToPath(path.string()));
    const auto& image = book.Storage().Image();
    EXPECT_GT(GetU32(image.data() + 0x2C), 109u);  // more FAT sectors than the header can name
    EXPECT_GE(GetU32(image.data() + 0x48), 1u);
    const auto [status, output] = RunReader(Quoted(path) + " check 65536 4 R%dC%d");
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("OK"), std::string::npos) << output;
}

TEST(IndependentReader, SmallWorkbookAtAChinesePathHasBothSheetsAndItsCells) {
    const auto path = golden::TempPath("工作簿 测试.xls");
    XlsWorkbook book;
    book.Reset(1);
    book.AddSheet(-1);
    XlsSheet* sheet = book.SheetByName("Sheet1");
    sheet->CellAt(0, 0)->SetWideText(u"\x3C1");
    sheet->CellAt(0, 1)->SetText("abc");
    sheet->CellAt(1, 0)->SetIntegerValue(-42);
    sheet->CellAt(1, 1)->SetDoubleValue(0.25);
    sheet->CellAt(1, 2)->SetDoubleValue(1.005);
    ASSERT_TRUE(book.SaveToPath(path.string()));
    const auto [status, output] = RunReader(Quoted(path) + " dump");
    ASSERT_EQ(status, 0) << output;
    EXPECT_NE(output.find(R"("name": "Sheet1", "rows": 2, "cols": 3)"), std::string::npos) << output;
    EXPECT_NE(output.find(R"([["ρ", "abc", ""], [-42.0, 0.25, 1.005]])"), std::string::npos) << output;
    EXPECT_NE(output.find(R"("name": "Sheet2", "rows": 0, "cols": 0)"), std::string::npos) << output;
}

}  // namespace
}  // namespace terrovane::xls
