#include <gtest/gtest.h>

#include "GoldenBytes.h"
#include "XlsWorkbook.h"

namespace terrovane::xls {
namespace {

TEST(XlsWorkbook, ResetNamesSheetsInOrder) {
    XlsWorkbook book;
    EXPECT_EQ(book.SheetCount(), 0);
    book.Reset(0);
    EXPECT_EQ(book.SheetCount(), 1);
    EXPECT_EQ(book.SheetName(0), "Sheet1");
    book.Reset(3);
    ASSERT_EQ(book.SheetCount(), 3);
    EXPECT_EQ(book.SheetName(2), "Sheet3");
    book.Reset(1);
    EXPECT_EQ(book.SheetCount(), 1);
}

TEST(XlsWorkbook, ExportCallingOrderLeavesSheet1FirstAndSheet2Empty) {
    XlsWorkbook book;
    book.Reset(1);
    ASSERT_NE(book.AddSheet(-1), nullptr);
    EXPECT_EQ(book.SheetName(1), "Sheet2");
    EXPECT_FALSE(book.RenameSheet(book.SheetCount() - 1, "Sheet1"));
    EXPECT_EQ(book.SheetName(1), "Sheet2");
    ASSERT_NE(book.SheetByName("Sheet1"), nullptr);
    EXPECT_EQ(book.SheetByName("Sheet1")->Index(), 0);
    EXPECT_EQ(book.SheetByName("sheet1"), nullptr);  // case matters
}

TEST(XlsWorkbook, AddSheetSkipsNamesInUseAndInsertsAtPositions) {
    XlsWorkbook book;
    book.Reset(1);
    ASSERT_NE(book.AddNamedSheet("Sheet3"), nullptr);
    EXPECT_EQ(book.AddNamedSheet("Sheet3"), nullptr);
    book.AddSheet(-1);
    EXPECT_EQ(book.SheetName(2), "Sheet4");
    XlsSheet* front = book.AddNamedSheet("Front", 0);
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(front->Index(), 0);
    EXPECT_EQ(book.SheetByName("Sheet4")->Index(), 3);
    EXPECT_FALSE(book.RenameSheet(9, "X"));
    EXPECT_TRUE(book.RenameSheet(0, "First"));
    EXPECT_EQ(book.SheetName(0), "First");
}

TEST(XlsSheet, CellAtGrowsTheGridWithinTheLimits) {
    XlsWorkbook book;
    book.Reset(1);
    XlsSheet* sheet = book.SheetAt(0);
    ASSERT_NE(sheet->CellAt(5, 3), nullptr);
    EXPECT_EQ(sheet->RowCount(), 6);
    EXPECT_EQ(sheet->ColumnCount(), 4);
    EXPECT_EQ(sheet->CellAt(0, 0)->Kind(), Empty);
    EXPECT_EQ(sheet->CellAt(0, 256), nullptr);
    EXPECT_EQ(sheet->CellAt(65536, 0), nullptr);
    ASSERT_NE(sheet->CellAt(65535, 255), nullptr);
    EXPECT_EQ(sheet->RowCount(), 65536);
}

TEST(XlsCell, SettersAndGettersFollowTheKind) {
    XlsCell cell;
    cell.SetText("abc");
    cell.SetWideText(u"\x3C1x");
    std::string narrow;
    std::u16string wide;
    EXPECT_FALSE(cell.CopyText(narrow));
    ASSERT_TRUE(cell.CopyWideText(wide));
    EXPECT_EQ(wide, u"\x3C1x");
    EXPECT_EQ(cell.TextLength(), 2);
    cell.SetWideText(u"");
    EXPECT_EQ(cell.Kind(), Empty);
    EXPECT_EQ(cell.TextLength(), -1);

    cell.SetDoubleValue(-2.75);
    EXPECT_EQ(cell.IntegerValue(), -2);
    cell.SetDoubleValue(1e300);
    std::int32_t integer = 0;
    EXPECT_FALSE(cell.ReadInteger(integer));
    cell.SetIntegerValue(7);
    EXPECT_EQ(cell.DoubleValue(), 7.0);
    cell.SetText("z");
    EXPECT_EQ(cell.DoubleValue(), 0.0);
}

TEST(XlsWorkbook, SavingTwiceRewritesTheSameFileWithTheCurrentCells) {
    const auto path = golden::TempPath("twice.xls");
    XlsWorkbook book;
    book.Reset(1);
    book.SheetAt(0)->CellAt(0, 0)->SetText("abc");
    ASSERT_TRUE(book.SaveToPath(path.string()));
    EXPECT_EQ(golden::ReadFile(path).size(), 3072u);
    for (int r = 0; r < 400; ++r) {
        book.SheetAt(0)->CellAt(r, 1)->SetIntegerValue(r);
    }
    ASSERT_TRUE(book.SaveToOpenFile());
    const auto second = golden::ReadFile(path);
    EXPECT_GT(second.size(), 3072u);
    EXPECT_EQ(second, book.Storage().Image());
}

TEST(XlsWorkbook, SaveFailsCleanlyWhereNoFileCanBeCreated) {
    XlsWorkbook book;
    book.Reset(1);
    EXPECT_FALSE(book.SaveToOpenFile());
    const auto blocker = golden::TempPath("not-a-folder");
    { std::ofstream(blocker) << "x"; }
    EXPECT_FALSE(book.SaveToPath((blocker / "book.xls").string()));
}

}  // namespace
}  // namespace terrovane::xls
