#include <gtest/gtest.h>

#include "ByteCompare.h"
#include "ByteOrder.h"
#include "GoldenBytes.h"
#include "XlsWorkbook.h"

namespace terrovane::xls {
namespace {

using namespace golden;
using testing::BytesEqual;

Bytes Bof(unsigned type) {
    Bytes p;
    U16(p, 0x0600), U16(p, type), U16(p, 6560), U16(p, 1997), U32(p, 0xC0C9), U32(p, 0x0306);
    return Record(0x0809, p);
}

Bytes ExpectedGlobals(std::uint32_t sheetPosition) {
    Bytes g = Bof(0x0005);
    Bytes w;
    for (unsigned v : {120u, 120u, 15135u, 9300u, 0x38u, 0u, 0u, 1u, 600u}) {
        U16(w, v);
    }
    Append(g, Record(0x003D, w));
    Bytes font;
    U16(font, 200), U16(font, 0), U16(font, 0x7FFF), U16(font, 400), U16(font, 0), Zeros(font, 4);
    U8(font, 5), U8(font, 1), Wide(font, "Arial");
    for (int i = 0; i < 4; ++i) {
        Append(g, Record(0x0031, font));
    }
    Bytes xf;
    U16(xf, 0), U16(xf, 0), U16(xf, 0xFFF5), U8(xf, 0x20), Zeros(xf, 3), Zeros(xf, 8), U16(xf, 0x20C0);
    for (int i = 0; i < 21; ++i) {
        Append(g, Record(0x00E0, xf));
    }
    for (int i = 0; i < 6; ++i) {
        Append(g, Record(0x0293, {0x00, 0x80, 0x00, 0xFF}));
    }
    Bytes bound;
    U32(bound, sheetPosition), U16(bound, 0), U8(bound, 6), U8(bound, 0), Ascii(bound, "Sheet1");
    Append(g, Record(0x0085, bound));
    Bytes sst;
    U32(sst, 1), U32(sst, 1), U16(sst, 3), U8(sst, 0), Ascii(sst, "abc");
    Append(g, Record(0x00FC, sst));
    Append(g, Record(0x000A, {}));
    return g;
}

Bytes ExpectedSheet(std::uint32_t dbCellPosition) {
    Bytes s = Bof(0x0010);
    Bytes index;
    U32(index, 0), U32(index, 0), U32(index, 1), U32(index, 0), U32(index, dbCellPosition);
    Append(s, Record(0x020B, index));
    Bytes dims;
    U32(dims, 0), U32(dims, 1), U16(dims, 0), U16(dims, 1), U16(dims, 0);
    Append(s, Record(0x0200, dims));
    Bytes row;
    U16(row, 0), U16(row, 0), U16(row, 1), U16(row, 255), Zeros(row, 8);
    Append(s, Record(0x0208, row));
    Append(s, Record(0x00FD, Bytes(10, 0)));
    Bytes dbcell;
    U32(dbcell, 34), U16(dbcell, 0);
    Append(s, Record(0x00D7, dbcell));
    Bytes window2;
    U16(window2, 0x06B6), U16(window2, 0), U16(window2, 0), U16(window2, 64), Zeros(window2, 10);
    Append(s, Record(0x023E, window2));
    Append(s, Record(0x000A, {}));
    return s;
}

// Walks a stream record by record: (code, payload offset, payload size).
struct RecordRef {
    std::uint16_t code;
    std::size_t payload;
    std::size_t size;
};
std::vector<RecordRef> Records(const Bytes& stream) {
    std::vector<RecordRef> out;
    for (std::size_t at = 0; at + 4 <= stream.size();) {
        const std::size_t size = GetU16(&stream[at + 2]);
        out.push_back({GetU16(&stream[at]), at + 4, size});
        at += 4 + size;
    }
    return out;
}

std::vector<RecordRef> CellRecords(const Bytes& stream) {
    std::vector<RecordRef> cells;
    for (const auto& r : Records(stream)) {
        if (r.code == 0x027E || r.code == 0x00BD || r.code == 0x0203 || r.code == 0x00FD) {
            cells.push_back(r);
        }
    }
    return cells;
}

TEST(BiffStream, OneTextCellWorkbookMatchesRecordByRecord) {
    XlsWorkbook book;
    book.Reset(1);
    book.SheetByName("Sheet1")->CellAt(0, 0)->SetText("abc");
    const Bytes stream = book.BuildStream();
    const Bytes globals = ExpectedGlobals(754);
    const Bytes sheet = ExpectedSheet(754 + 20 + 24 + 18 + 34);
    ASSERT_EQ(globals.size(), 754u);
    ASSERT_EQ(sheet.size(), 132u);
    Bytes expected = globals;
    Append(expected, sheet);
    EXPECT_TRUE(BytesEqual(expected, stream));
    EXPECT_EQ(stream.size(), 886u);
}

TEST(BiffStream, RkRulesForIntegersAndDoubles) {
    XlsWorkbook book;
    book.Reset(1);
    XlsSheet* sheet = book.SheetAt(0);
    for (int c = 0; c < 3; ++c) {
        sheet->CellAt(0, c)->SetIntegerValue(c + 1);
    }
    sheet->CellAt(1, 0)->SetIntegerValue(5);
    sheet->CellAt(2, 0)->SetIntegerValue(7);
    sheet->CellAt(2, 2)->SetIntegerValue(8);  // an empty cell between: two RK records
    sheet->CellAt(3, 0)->SetDoubleValue(0.5);
    sheet->CellAt(4, 0)->SetDoubleValue(1.005);
    sheet->CellAt(5, 0)->SetDoubleValue(3.0);
    sheet->CellAt(6, 0)->SetDoubleValue(1234567.0);   // passes the decimal test, but RK would lose bits
    sheet->CellAt(7, 0)->SetIntegerValue(600000000);  // beyond the 30-bit RK range
    const Bytes stream = book.BuildStream();
    const auto cells = CellRecords(stream);
    ASSERT_EQ(cells.size(), 9u);
    EXPECT_EQ(cells[0].code, 0x00BD);
    EXPECT_EQ(cells[0].size, 6u + 6 * 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(GetU32(&stream[cells[0].payload + 4 + 6 * k + 2]), 6u + 4 * k);
    }
    EXPECT_EQ(GetU16(&stream[cells[0].payload + 22]), 2);  // last column
    EXPECT_EQ(cells[1].code, 0x027E);
    EXPECT_EQ(GetU32(&stream[cells[1].payload + 6]), 22u);
    EXPECT_EQ(cells[2].code, 0x027E);
    EXPECT_EQ(cells[3].code, 0x027E);
    EXPECT_EQ(GetU32(&stream[cells[4].payload + 6]), 0x40490000u | 1u);  // 50.0, divided by 100
    EXPECT_EQ(cells[5].code, 0x0203);
    EXPECT_EQ(GetF64(&stream[cells[5].payload + 6]), 1.005);
    EXPECT_EQ(GetU32(&stream[cells[6].payload + 6]), 0x40080000u);  // 3.0 itself
    EXPECT_EQ(cells[7].code, 0x0203);
    EXPECT_EQ(GetF64(&stream[cells[7].payload + 6]), 1234567.0);
    EXPECT_EQ(cells[8].code, 0x0203);
    EXPECT_EQ(GetF64(&stream[cells[8].payload + 6]), 600000000.0);
}

TEST(BiffStream, RowBlocksCarryIndexAndDbCellOffsets) {
    XlsWorkbook book;
    book.Reset(1);
    XlsSheet* sheet = book.SheetAt(0);
    sheet->CellAt(0, 0)->SetText("x");
    sheet->CellAt(0, 1)->SetText("x");
    sheet->CellAt(1, 1)->SetIntegerValue(4);
    sheet->CellAt(40, 2)->SetText("y");
    const Bytes stream = book.BuildStream();
    const auto records = Records(stream);
    std::vector<std::size_t> dbcells;
    RecordRef index{};
    for (const auto& r : records) {
        if (r.code == 0x00D7) {
            dbcells.push_back(r.payload - 4);
        }
        if (r.code == 0x020B) {
            index = r;
        }
    }
    ASSERT_EQ(dbcells.size(), 2u);
    ASSERT_EQ(index.size, 16u + 8);
    EXPECT_EQ(GetU32(&stream[index.payload + 4]), 0u);
    EXPECT_EQ(GetU32(&stream[index.payload + 8]), 41u);
    EXPECT_EQ(GetU32(&stream[index.payload + 16]), dbcells[0]);
    EXPECT_EQ(GetU32(&stream[index.payload + 20]), dbcells[1]);
    // Block 0: ROW 0, ROW 1, two LABELSST (14 each) and one RK (14).
    EXPECT_EQ(GetU32(&stream[dbcells[0] + 4]), 2 * 20u + 3 * 14);
    EXPECT_EQ(GetU16(&stream[dbcells[0] + 8]), 20);       // from ROW 1 to the first cell
    EXPECT_EQ(GetU16(&stream[dbcells[0] + 10]), 2 * 14);  // row 0's cells
    // Block 1 holds only row 40.
    EXPECT_EQ(GetU32(&stream[dbcells[1] + 4]), 20u + 14);
    EXPECT_EQ(GetU16(&stream[dbcells[1] + 2]), 6);
    // Equal texts share one string; the totals count every text cell.
    const auto sst = std::find_if(records.begin(), records.end(), [](auto& r) { return r.code == 0x00FC; });
    EXPECT_EQ(GetU32(&stream[sst->payload]), 3u);
    EXPECT_EQ(GetU32(&stream[sst->payload + 4]), 2u);
}

TEST(BiffStream, TouchedButEmptyGridGivesOneEmptyBlock) {
    XlsWorkbook book;
    book.Reset(2);
    book.SheetAt(0)->CellAt(9, 9);
    const Bytes stream = book.BuildStream();
    const auto records = Records(stream);
    int dbcells = 0, rows = 0;
    std::vector<std::uint16_t> windowOptions;
    for (const auto& r : records) {
        dbcells += r.code == 0x00D7;
        rows += r.code == 0x0208;
        if (r.code == 0x0200) {
            EXPECT_EQ(GetU32(&stream[r.payload]), 0u);
        }
        if (r.code == 0x00D7) {
            EXPECT_EQ(r.size, 4u);
            EXPECT_EQ(GetU32(&stream[r.payload]), 0u);
        }
        if (r.code == 0x023E) {
            windowOptions.push_back(GetU16(&stream[r.payload]));
        }
    }
    EXPECT_EQ(dbcells, 1);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(windowOptions, (std::vector<std::uint16_t>{0x06B6, 0x00B6}));
    // The second sheet's BOF follows the first sheet directly.
    std::vector<std::uint32_t> positions;
    std::vector<std::size_t> bofs;
    for (const auto& r : records) {
        if (r.code == 0x0085) {
            positions.push_back(GetU32(&stream[r.payload]));
        }
        if (r.code == 0x0809) {
            bofs.push_back(r.payload - 4);
        }
    }
    ASSERT_EQ(bofs.size(), 3u);
    EXPECT_EQ(positions, (std::vector<std::uint32_t>{static_cast<std::uint32_t>(bofs[1]),
                                                     static_cast<std::uint32_t>(bofs[2])}));
}

// Reassembles the SST from its record and CONTINUE records, dropping the flag byte that starts every
// continuation inside a string, and checks the strings come back whole.
TEST(BiffStream, LargeStringTableSplitsIntoContinueRecords) {
    XlsWorkbook book;
    book.Reset(1);
    XlsSheet* sheet = book.SheetAt(0);
    std::vector<std::u16string> wide;
    for (int r = 0; r < 3000; ++r) {
        wide.push_back(u"text number " + std::u16string(static_cast<std::size_t>(r % 17), u'\x3C1'));
        wide.back() += static_cast<char16_t>(u'A' + r % 26);
        sheet->CellAt(r, 0)->SetWideText(wide.back());
        sheet->CellAt(r, 1)->SetText(std::string(static_cast<std::size_t>(r % 5 ? 7 : 9000), 'a' + r % 26));
    }
    const Bytes stream = book.BuildStream();
    const auto records = Records(stream);
    std::size_t i = 0;
    while (records[i].code != 0x00FC) {
        ++i;
    }
    std::size_t pieces = 1;
    while (records[i + pieces].code == 0x003C) {
        ++pieces;
    }
    EXPECT_GT(pieces, 10u);
    SstRecord& sst = book.Globals().sst;
    ASSERT_EQ(sst.Splits().size(), pieces - 1);
    for (std::size_t k = 0; k < pieces; ++k) {
        EXPECT_LE(records[i + k].size, 8224u);
    }
    // Every string header lies whole inside one record, and split UTF-16 strings break between characters.
    Bytes logical;
    for (std::size_t k = 0; k < pieces; ++k) {
        logical.insert(logical.end(), stream.begin() + records[i + k].payload,
                       stream.begin() + records[i + k].payload + records[i + k].size);
    }
    SstRecord parsed;
    std::size_t at = 8, split = 0;
    const auto& splits = sst.Splits();
    Bytes joined(logical.begin(), logical.begin() + 8);
    for (std::size_t s = 0; s < sst.StringCount(); ++s) {
        const std::size_t count = GetU16(&logical[at]);
        const bool isWide = logical[at + 2] & 1;
        joined.insert(joined.end(), logical.begin() + at, logical.begin() + at + 3);
        at += 3;
        std::size_t left = isWide ? 2 * count : count;
        while (split < splits.size() && splits[split] <= at) {
            ++split;
        }
        // A split exactly at a string's end starts the next string (no flag byte with this data).
        while (split < splits.size() && splits[split] < at + left) {
            const std::size_t take = splits[split] - at;
            EXPECT_EQ(take % (isWide ? 2 : 1), 0u);
            joined.insert(joined.end(), logical.begin() + at, logical.begin() + at + take);
            EXPECT_EQ(logical[splits[split]], isWide ? 1 : 0);
            at += take + 1, left -= take, ++split;
        }
        joined.insert(joined.end(), logical.begin() + at, logical.begin() + at + left);
        at += left;
    }
    EXPECT_EQ(at, logical.size());
    ASSERT_TRUE(parsed.Parse(joined));
    ASSERT_EQ(parsed.StringCount(), sst.StringCount());
    for (std::size_t s = 0; s < sst.StringCount(); ++s) {
        const auto a = parsed.TextAt(s), b = sst.TextAt(s);
        ASSERT_EQ(a.isWide, b.isWide);
        ASSERT_EQ(a.narrow, b.narrow);
        ASSERT_EQ(a.wide, b.wide);
    }
}

TEST(BiffStream, OverlongTextKeepsItsFirst65535Characters) {
    XlsWorkbook book;
    book.Reset(1);
    book.SheetAt(0)->CellAt(0, 0)->SetText(std::string(70000, 'x'));
    book.BuildStream();
    const SstRecord& sst = book.Globals().sst;
    ASSERT_EQ(sst.StringCount(), 1u);
    EXPECT_EQ(sst.CharBytes(0).size(), 65535u);
}

TEST(BiffStream, StringExactlyFillingAFreshContinueStaysWhole) {
    SstRecord sst;
    sst.AppendNarrow(std::string(8208, 'a'));  // leaves 5 bytes: the next string starts a CONTINUE
    sst.AppendNarrow(std::string(8221, 'b'));  // header and characters fill that CONTINUE exactly
    sst.AppendNarrow("c");
    sst.totalCount = sst.uniqueCount = 3;
    Bytes out(sst.TotalSize());
    ASSERT_EQ(sst.Emit(out.data()), out.size());
    EXPECT_EQ(sst.Splits(), (std::vector<std::uint32_t>{8219, 16443}));
    const auto records = Records(out);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].size, 8224u);
    EXPECT_EQ(GetU16(&out[records[1].payload]), 8221);
    EXPECT_EQ(out[records[1].payload + 3 + 8220], 'b');
    EXPECT_EQ(records[2].size, 4u);
    EXPECT_EQ(GetU16(&out[records[2].payload]), 1);
}

}  // namespace
}  // namespace terrovane::xls
