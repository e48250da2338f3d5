// Files of other testers as they come: separators, quotes, byte-order marks, decimal commas, units,
// over-range marks and dates, each a table of cases.
#include <gtest/gtest.h>

#include "CsvSource.h"
#include "ImportMapping.h"
#include "RowReading.h"

namespace terrovane::imports {
namespace {

std::vector<std::vector<std::string>> Texts(const SourceTable& table) {
    std::vector<std::vector<std::string>> rows;
    for (const SourceRow& row : table.rows) {
        rows.emplace_back();
        for (const Cell& cell : row.cells) {
            rows.back().push_back(cell.text);
        }
    }
    return rows;
}

TEST(CsvTest, SeparatorsAndDecimalMarksAreFoundFromTheFile) {
    struct Case {
        std::string text;
        char separator;
        bool decimalComma;
    };
    const std::vector<Case> cases = {
        {"Date,Point,Re\n2024-03-01,A/1,4.2\n", ',', false},
        {"Date;Point;Re\n01.03.2024;A/1;4,2\n", ';', true},
        {"Date\tPoint\tRe\n2024-03-01\tA/1\t4.2\n", '\t', false},
        {"Date|Point|Re\n2024-03-01|A/1|4,2 k\u03a9\n", '|', true},
        // A comma inside quotes is no separator; a dotted date says nothing about the decimal mark.
        {"\"Site, north\";Re;Note\n01.03.2024;4,2;\"a, b\"\n", ';', true},
        // One column: nothing to separate.
        {"Re\n4.2\n", ',', false},
        // Both marks in numbers: the point wins (a comma would be a thousands separator).
        {"Date;Re;Rs\nx;4,2;1.5\n", ';', false},
    };
    for (const Case& c : cases) {
        const auto table = ParseCsv(c.text, {});
        ASSERT_TRUE(table) << c.text;
        EXPECT_EQ(table.Value().separator, c.separator) << c.text;
        EXPECT_EQ(table.Value().decimalComma, c.decimalComma) << c.text;
    }
}

TEST(CsvTest, FieldsAreReadAsRfc4180WritesThem) {
    const std::vector<std::pair<std::string, std::vector<std::vector<std::string>>>> cases = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"\xEF\xBB\xBFSite,Re\nM,1\n", {{"Site", "Re"}, {"M", "1"}}},
        {"\"say \"\"hi\"\"\",x\n", {{"say \"hi\"", "x"}}},
        {"\"two\nlines\",x\ny,z", {{"two\nlines", "x"}, {"y", "z"}}},
        {"a,,c\n,\n", {{"a", "", "c"}, {"", ""}}},
        {"caf\xE9,x\n", {{"caf\uFFFD", "x"}}},
    };
    for (const auto& [text, rows] : cases) {
        const auto table = ParseCsv(text, {','});
        ASSERT_TRUE(table) << text;
        EXPECT_EQ(Texts(table.Value()), rows) << text;
    }
    // A row keeps the line it starts on, past a field that spans lines.
    const auto table = ParseCsv("h\n\"a\nb\"\nc\n", {','});
    ASSERT_TRUE(table);
    ASSERT_EQ(table.Value().rows.size(), 3u);
    EXPECT_EQ(table.Value().rows[2].line, 4);
    const auto open = ParseCsv("a,b\n\"c,d\n", {','});
    ASSERT_FALSE(open);
    EXPECT_EQ(open.Error().Text(), "the quote opened on line 2 is never closed");
}

TEST(ValueCellTest, UnitsMarksAndDecimalCommasComeToTheBaseUnit) {
    struct Case {
        std::string cell;
        std::string columnUnit;
        bool decimalComma;
        double number;
        bool overRange;
    };
    const std::vector<Case> cases = {
        {"4.2", "", false, 4.2, false},
        {"4,2", "", true, 4.2, false},
        {"12.5", "k\u03a9", false, 12500, false},
        {"12,5 k\u03a9", "", true, 12500, false},
        {"250 m\u03a9", "k\u03a9", false, 0.25, false},  // the cell's own unit wins
        {">300k", "", false, 300000, true},
        {"> 1,5 k\u03a9", "", true, 1500, true},
        {" 7 ohm ", "", false, 7, false},
        {"2e3", "", false, 2000, false},
    };
    for (const Case& c : cases) {
        const auto parsed = ReadValueCell({c.cell, CellKind::Text}, "Re", c.columnUnit, ">", c.decimalComma);
        ASSERT_TRUE(parsed.value) << c.cell << ": " << parsed.problem;
        EXPECT_DOUBLE_EQ(parsed.value->number, c.number) << c.cell;
        EXPECT_EQ(parsed.value->overRange, c.overRange) << c.cell;
    }
    const auto rho = ReadValueCell({"85", CellKind::Text}, "rho", "ohm.m", ">", false);
    ASSERT_TRUE(rho.value);
    EXPECT_DOUBLE_EQ(rho.value->number, 85);
    const auto current = ReadValueCell({"20 mA", CellKind::Text}, "I", "A", ">", false);
    ASSERT_TRUE(current.value);
    EXPECT_DOUBLE_EQ(current.value->number, 0.02);
    // A workbook's number cell has a point whatever the file's text cells use.
    const auto number = ReadValueCell({"4.5", CellKind::Number}, "Re", "", ">", true);
    ASSERT_TRUE(number.value);
    EXPECT_DOUBLE_EQ(number.value->number, 4.5);
    // Over range under another mark.
    const auto mark = ReadValueCell({"OL 2000", CellKind::Text}, "Re", "", "OL", false);
    ASSERT_TRUE(mark.value);
    EXPECT_TRUE(mark.value->overRange);
    EXPECT_FALSE(ReadValueCell({" ", CellKind::Text}, "Re", "", ">", false).value);
    EXPECT_TRUE(ReadValueCell({" ", CellKind::Text}, "Re", "", ">", false).problem.empty());
}

TEST(ValueCellTest, BadCellsSayWhatIsWrong) {
    const std::vector<std::tuple<std::string, bool, std::string>> cases = {
        {"4,2", false, "the value of Re is no number: \"4,2\""},
        {"4.2", true, "the value of Re is no number: \"4.2\""},
        {"1.234,5", true, "the value of Re is no number: \"1.234,5\""},
        {"n/a", false, "the value of Re is no number: \"n/a\""},
        {">", false, "the value of Re is marked over range without its bound: \">\""},
        {"-3", false, "the value of Re may not be negative"},
        {"5 A", false, "\"A\" is no unit of Re, which takes \u03a9, k\u03a9, m\u03a9"},
    };
    for (const auto& [cell, comma, problem] : cases) {
        const auto parsed = ReadValueCell({cell, CellKind::Text}, "Re", "", ">", comma);
        EXPECT_FALSE(parsed.value) << cell;
        EXPECT_EQ(parsed.problem, problem) << cell;
    }
}

TEST(DateTest, FormatsReadDatesThatExist) {
    const std::vector<std::tuple<std::string, std::string, std::optional<std::string>>> cases = {
        {"2024-03-01 09:15", "yyyy-MM-dd HH:mm", "2024-03-01 09:15"},
        {"01.03.2024 9:05", "dd.MM.yyyy H:mm", "2024-03-01 09:05"},
        {"3/1/24", "M/d/yy", "2024-03-01 00:00"},
        {"2024-03-01T09:15:59", "yyyy-MM-ddTHH:mm:ss", "2024-03-01 09:15"},
        {"29.02.2024", "dd.MM.yyyy", "2024-02-29 00:00"},
        {"29.02.2023", "dd.MM.yyyy", std::nullopt},
        {"31.04.2024", "dd.MM.yyyy", std::nullopt},
        {"2024-13-01 09:15", "yyyy-MM-dd HH:mm", std::nullopt},
        {"2024-03-01 24:00", "yyyy-MM-dd HH:mm", std::nullopt},
        {"2024-03-01", "yyyy-MM-dd HH:mm", std::nullopt},
        {"2024-03-01 09:15 extra", "yyyy-MM-dd HH:mm", std::nullopt},
        {"01.03.2024", "yyyy-MM-dd", std::nullopt},
        {"yesterday", "dd.MM.yyyy", std::nullopt},
    };
    for (const auto& [text, format, expected] : cases) {
        EXPECT_EQ(ReadDate(text, format), expected) << text << " as " << format;
    }
}

TEST(MappingTest, ReadsBackWhatItWritesAndNamesTheFirstFault) {
    const std::string json =
        R"({"header_row": 2, "separator": ";", "decimal": "comma", "date": {"column": "Date",
        "format": "dd.MM.yyyy HH:mm"}, "site": {"column": 1}, "point": {"column": "Point"},
        "method": {"column": "Method", "names": {"FoP": "fall-of-potential"}},
        "values": [{"name": "Re", "column": "Re", "unit": "kohm"}], "over_range_mark": "OL",
        "instrument": {"fixed": "Other make 4105"}, "measured_by": {"column": "By"}})";
    const auto mapping = MappingFromJson(json);
    ASSERT_TRUE(mapping) << mapping.Error().Text();
    const auto again = MappingFromJson(MappingJson(mapping.Value()));
    ASSERT_TRUE(again) << MappingJson(mapping.Value());
    EXPECT_EQ(MappingJson(again.Value()), MappingJson(mapping.Value()));
    EXPECT_EQ(again.Value().headerRow, 2);
    EXPECT_EQ(again.Value().separator, ';');
    EXPECT_EQ(again.Value().site, (ColumnRef{"", 1}));
    EXPECT_EQ(again.Value().methodNames.at("FoP"), "fall-of-potential");
    EXPECT_EQ(again.Value().instrument.fixed, "Other make 4105");

    const std::string base =
        R"("date": {"column": "D"}, "point": {"column": "P"}, "method": {"fixed": "3-pole"})";
    const std::vector<std::pair<std::string, std::string>> faults = {
        {"[1]", "the mapping is no JSON object: not an object"},
        {"{", "the mapping is no JSON object: not JSON"},
        {R"({"point": {"column": "P"}})", "the mapping needs a column for date"},
        {"{" + base + "}", "the mapping needs a column for values"},
        {"{" + base + R"(, "values": [{"name": "X", "column": 3}]})",
         "the mapping's \"values.name\" is not valid: it takes Re, Rs, Rh, Rk, Rac, R, rho or I"},
        {"{" + base + R"(, "values": [{"name": "Re", "column": 0}]})",
         "the mapping's \"values.column\" is not valid: it takes a column's header text or its number from "
         "1"},
        {R"({"date": {"column": "D"}, "point": {"column": "P"}, "method": {"fixed": "guess"},
            "values": [{"name": "Re", "column": 3}]})",
         "the mapping's \"method.fixed\" is not valid: it takes a method code such as 3-pole or "
         "fall-of-potential"},
        {"{" + base + R"(, "values": [{"name": "Re", "column": 3}], "separator": ":"})",
         "the mapping's \"separator\" is not valid: it takes auto, \",\", \";\", \"tab\" or \"|\""},
        {"{" + base + R"(, "values": [{"name": "Re", "column": 3}], "instrumnet": {"fixed": "x"}})",
         "the mapping has no member \"instrumnet\"; its members are header_row, separator, decimal, sheet, "
         "date, "
         "time, site, point, method, values, over_range_mark, instrument, measured_by, note"},
    };
    for (const auto& [text, problem] : faults) {
        const auto refused = MappingFromJson(text);
        ASSERT_FALSE(refused) << text;
        EXPECT_EQ(refused.Error().Text(), problem) << text;
    }
}

TEST(RowTest, ARowBecomesTheFieldsOfATypedResultOrSaysWhyNot) {
    const auto mapping = MappingFromJson(R"({"date": {"column": "Date", "format": "dd.MM.yyyy"},
        "time": {"column": "Time"}, "point": {"column": "Where"}, "method": {"column": "Method",
        "names": {"FoP": "fall-of-potential"}}, "values": [{"name": "Re", "column": "Re", "unit": "kohm"},
        {"name": "Rh", "column": "Rh"}], "note": {"column": "Note"}})");
    ASSERT_TRUE(mapping);
    const auto table = ParseCsv(
        "Date;Time;Where;Method;Re;Rh;Note\n"
        "01.03.2024;09:15;Mast / Leg A;FoP;0,0042;>300k;wet\n"
        "01.03.2024;09:15;Mast;FoP;1;;\n"
        "31.02.2024;09:15;Mast/Leg A;FoP;1;;\n"
        "01.03.2024;09:15;Mast/Leg A;3-Pole;1;;\n"
        "01.03.2024;09:15\n",
        {});
    ASSERT_TRUE(table);
    const auto columns = ResolveColumns(mapping.Value(), table.Value());
    ASSERT_TRUE(columns);
    const auto& rows = table.Value().rows;
    const RowReading good = ReadRow(rows[1], mapping.Value(), columns.Value(), true);
    ASSERT_EQ(good.problem, "");
    EXPECT_EQ(good.site, "Mast");
    EXPECT_EQ(good.point, "Leg A");
    EXPECT_EQ(good.fields.method, "fall-of-potential");
    EXPECT_EQ(good.fields.measured, "2024-03-01 09:15");
    EXPECT_EQ(good.fields.note, "wet");
    ASSERT_EQ(good.fields.values.size(), 2u);
    EXPECT_DOUBLE_EQ(good.fields.values[0].number, 4.2);
    EXPECT_TRUE(good.fields.values[1].overRange);
    EXPECT_EQ(ReadRow(rows[2], mapping.Value(), columns.Value(), true).problem,
              "the point \"Mast\" is not written SITE/POINT");
    EXPECT_EQ(ReadRow(rows[3], mapping.Value(), columns.Value(), true).problem,
              "the date \"31.02.2024\" is not a date written dd.MM.yyyy");
    // A method's code however the file capitalises it.
    EXPECT_EQ(ReadRow(rows[4], mapping.Value(), columns.Value(), true).fields.method, "3-pole");
    EXPECT_EQ(ReadRow(rows[5], mapping.Value(), columns.Value(), true).problem, "the row has no column 3");

    const auto missing = MappingFromJson(
        R"({"date": {"column": "When"}, "point": {"column": "Where"}, "method": {"fixed": "3-pole"},
        "values": [{"name": "Re", "column": "Re"}]})");
    ASSERT_TRUE(missing);
    const auto unresolved = ResolveColumns(missing.Value(), table.Value());
    ASSERT_FALSE(unresolved);
    EXPECT_EQ(unresolved.Error().Text(),
              "the mapping names the column \"When\", which the header row does not have");
}

}  // namespace
}  // namespace terrovane::imports
