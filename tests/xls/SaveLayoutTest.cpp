#include <gtest/gtest.h>

#include "ByteCompare.h"
#include "GoldenBytes.h"
#include "TextHash.h"
#include "XlsWorkbook.h"

namespace terrovane::xls {
namespace {

using namespace golden;
using testing::BytesEqual;

// Texts up to 10 UTF-16 or 21 8-bit characters live inside the cell, longer ones on the heap; either way
// the views hold the text and stay zero-terminated for callers that read the characters as a C string.
TEST(XlsCellStorage, TextsAtTheInlineLimitAndBeyondReadBackWhole) {
    const std::u16string wide10(10, u'\x3C1'), wide11(11, u'w');
    const std::string narrow21(21, 'n'), narrow22(22, 'm');
    for (const auto& text : {wide10, wide11}) {
        XlsCell cell;
        cell.SetWideText(text);
        EXPECT_EQ(cell.WideTextView(), text);
        EXPECT_EQ(cell.WideTextView().data()[text.size()], u'\0');
        EXPECT_EQ(cell.TextHash(), TextHashOf(std::u16string_view(text)));
        EXPECT_TRUE(cell.TextView().empty());
    }
    for (const auto& text : {narrow21, narrow22}) {
        XlsCell cell;
        cell.SetText(text);
        EXPECT_EQ(cell.TextView(), text);
        EXPECT_EQ(cell.TextView().data()[text.size()], '\0');
        EXPECT_EQ(cell.TextLength(), static_cast<int>(text.size()));
    }
    // The same characters as 8-bit and as UTF-16 text are different keys.
    EXPECT_NE(TextHashOf(std::string_view("ab")), TextHashOf(std::u16string_view(u"ab")));
}

TEST(XlsCellStorage, ReplacingAndMovingCellsKeepsOrDropsTheirTexts) {
    XlsCell cell;
    cell.SetText(std::string(40, 'h'));  // on the heap
    cell.SetIntegerValue(-5);
    EXPECT_EQ(cell.IntegerValue(), -5);
    EXPECT_TRUE(cell.TextView().empty());
    EXPECT_EQ(cell.TextLength(), -1);
    EXPECT_EQ(cell.TextHash(), 0u);
    cell.SetWideText(std::u16string(30, u'x'));
    XlsCell moved(std::move(cell));
    EXPECT_EQ(moved.WideTextView(), std::u16string(30, u'x'));
    EXPECT_EQ(cell.Kind(), Empty);  // NOLINT(bugprone-use-after-move): a moved-from cell is empty
    XlsCell target;
    target.SetText("short");
    target = std::move(moved);
    EXPECT_EQ(target.Kind(), WideText);
    EXPECT_EQ(target.WideTextView().size(), 30u);

    // Widening a sheet moves every cell of every row.
    XlsWorkbook book;
    book.Reset(1);
    XlsSheet* sheet = book.SheetAt(0);
    sheet->CellAt(0, 0)->SetText(std::string(100, 'a'));
    sheet->CellAt(1, 0)->SetWideText(u"inline");
    sheet->CellAt(1, 200)->SetDoubleValue(2.5);
    EXPECT_EQ(sheet->Peek(0, 0)->TextView(), std::string(100, 'a'));
    EXPECT_EQ(sheet->Peek(1, 0)->WideTextView(), u"inline");
    EXPECT_EQ(sheet->Peek(1, 200)->DoubleValue(), 2.5);
}

// The save writes the records into an unzeroed buffer; the file must hold exactly the stream BuildStream
// gives, across row blocks, empty rows, every cell record kind and both text widths.
TEST(SaveLayout, SavedFileHoldsTheBuiltStream) {
    XlsWorkbook book;
    book.Reset(2);
    XlsSheet* sheet = book.SheetAt(0);
    for (int r = 0; r < 300; r += (r % 5 == 4) ? 3 : 1) {
        sheet->CellAt(r, 1)->SetIntegerValue(r);
        sheet->CellAt(r, 2)->SetIntegerValue(r * 2);
        sheet->CellAt(r, 3)->SetDoubleValue(r + 0.25);
        sheet->CellAt(r, 4)->SetDoubleValue(r + 0.5);
        sheet->CellAt(r, 5)->SetDoubleValue(1.0 / (r + 3));
        sheet->CellAt(r, 6)->SetIntegerValue(900000000 + r);
        sheet->CellAt(r, 7)->SetText("row " + std::to_string(r % 40));
        sheet->CellAt(r, 8)->SetWideText(std::u16string(static_cast<std::size_t>(r % 15 + 1), u'\x3C1'));
    }
    book.SheetAt(1)->CellAt(3, 3)->SetText("second");
    const auto path = TempPath("layout.xls");
    ASSERT_TRUE(book.SaveToPath(path.string()));
    const Bytes stream = book.BuildStream();

    StorageFile reference;
    ASSERT_TRUE(reference.CreateNew(TempPath("layout-reference.xls").string()));
    ASSERT_EQ(reference.MakeStream(std::string_view("Workbook")), Ok);
    ASSERT_EQ(reference.WriteStream(std::string_view("Workbook"), stream.data(), stream.size()), Ok);
    EXPECT_TRUE(BytesEqual(reference.Image(), ReadFile(path)));
}

// Texts longer than a string table entry holds are stored cut; equal cut texts share one entry.
TEST(SaveLayout, OverlongTextsSharingTheirStoredPrefixShareOneString) {
    XlsWorkbook book;
    book.Reset(1);
    XlsSheet* sheet = book.SheetAt(0);
    sheet->CellAt(0, 0)->SetText(std::string(70000, 'x'));
    sheet->CellAt(1, 0)->SetText(std::string(65535, 'x'));
    sheet->CellAt(2, 0)->SetText(std::string(65536, 'x') + "y");
    sheet->CellAt(3, 0)->SetWideText(std::u16string(70000, u'x'));
    book.BuildStream();
    const SstRecord& sst = book.Globals().sst;
    EXPECT_EQ(sst.StringCount(), 2u);
    EXPECT_EQ(sst.totalCount, 4u);
    EXPECT_EQ(sst.uniqueCount, 2u);
}

// The table's layout is kept between size queries and must follow every added string.
TEST(SaveLayout, StringTableSizeFollowsAppendsAfterBeingAskedFor) {
    SstRecord sst;
    sst.AppendNarrow("a");
    const std::size_t before = sst.TotalSize();
    sst.AppendNarrow(std::string(9000, 'b'));
    sst.totalCount = sst.uniqueCount = 2;
    const std::size_t after = sst.TotalSize();
    EXPECT_EQ(after, before + 3 + 9000 + 1 + 4);  // header and characters, one repeated flag, one CONTINUE
    Bytes out(after);
    EXPECT_EQ(sst.Emit(out.data()), after);
}

}  // namespace
}  // namespace terrovane::xls
