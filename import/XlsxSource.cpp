// .xlsx workbooks read part by part: the zip through libzip, the XML through Qt's stream reader.
#include "XlsxSource.h"

#include <zip.h>

#include <QXmlStreamReader>

#include <cmath>
#include <map>
#include <memory>
#include <set>

#include "DecimalMark.h"
#include "ImportFailure.h"
#include "ImportProblems.h"
#include "Numbers.h"
#include "RegularFile.h"

namespace terrovane::imports {
namespace {

// A part larger than this is no sheet of readings but a zip bomb or a mistake.
constexpr zip_uint64_t kMostPartBytes = 256u << 20;

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

archive::Result<ZipHandle> OpenZip(const std::string& path) {
    int error = 0;
    zip_t* opened = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (opened == nullptr) {
        zip_error_t details;
        zip_error_init_with_code(&details, error);
        const std::string reason = path + ": " + zip_error_strerror(&details);
        zip_error_fini(&details);
        return ImportRefusal(kNotAWorkbook, {reason});
    }
    return ZipHandle(opened);
}

// The part's bytes; nullopt when the workbook has no such part.
archive::Result<std::optional<QByteArray>> ReadPart(zip_t* zip, const std::string& name) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(zip, name.c_str(), 0, &stat) != 0) {
        return std::optional<QByteArray>();
    }
    if ((stat.valid & ZIP_STAT_SIZE) == 0 || stat.size > kMostPartBytes) {
        return ImportRefusal(kNotAWorkbook, {name + ": too large"});
    }
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen(zip, name.c_str(), 0));
    QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
    if (file == nullptr ||
        zip_fread(file.get(), bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size)) {
        return ImportRefusal(kNotAWorkbook, {name + ": " + zip_strerror(zip)});
    }
    return std::optional<QByteArray>(std::move(bytes));
}

archive::Result<QByteArray> RequiredPart(zip_t* zip, const std::string& name) {
    auto part = ReadPart(zip, name);
    if (!part) {
        return part.Error();
    }
    if (!part.Value()) {
        return ImportRefusal(kNotAWorkbook, {"no part " + name});
    }
    return std::move(*part.Value());
}

QString AttributeNamed(const QXmlStreamAttributes& attributes, QStringView name) {
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == name) {
            return attribute.value().toString();
        }
    }
    return {};
}

struct SheetEntry {
    std::string name;
    std::string part;  // "xl/worksheets/sheet1.xml"
};

struct Workbook {
    std::vector<SheetEntry> sheets;
    bool from1904 = false;
};

// "worksheets/sheet1.xml" beside the workbook, or "/xl/worksheets/sheet1.xml" from the package's root.
std::string PartPath(const QString& target) {
    if (target.startsWith(u'/')) {
        return target.mid(1).toStdString();
    }
    return "xl/" + target.toStdString();
}

archive::Result<Workbook> ReadWorkbook(zip_t* zip) {
    auto book = RequiredPart(zip, "xl/workbook.xml");
    auto rels = RequiredPart(zip, "xl/_rels/workbook.xml.rels");
    if (!book || !rels) {
        return !book ? book.Error() : rels.Error();
    }
    std::map<QString, QString> targets;
    QXmlStreamReader relations(rels.Value());
    while (!relations.atEnd()) {
        if (relations.readNext() == QXmlStreamReader::StartElement && relations.name() == u"Relationship") {
            targets[AttributeNamed(relations.attributes(), u"Id")] =
                AttributeNamed(relations.attributes(), u"Target");
        }
    }
    Workbook workbook;
    QXmlStreamReader reader(book.Value());
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (reader.name() == u"workbookPr") {
            const QString value = AttributeNamed(reader.attributes(), u"date1904");
            workbook.from1904 = value == u"1" || value == u"true";
        } else if (reader.name() == u"sheet") {
            const QString id = AttributeNamed(reader.attributes(), u"id");
            workbook.sheets.push_back(
                {AttributeNamed(reader.attributes(), u"name").toStdString(), PartPath(targets[id])});
        }
    }
    if (reader.hasError() || relations.hasError() || workbook.sheets.empty()) {
        return ImportRefusal(kNotAWorkbook,
                             {"xl/workbook.xml: " + (reader.hasError() ? reader.errorString().toStdString()
                                                                       : std::string("no sheets"))});
    }
    return workbook;
}

std::vector<std::string> SharedStrings(const QByteArray& xml) {
    std::vector<std::string> strings;
    QXmlStreamReader reader(xml);
    QString current;
    int depthInPhonetic = 0;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (reader.name() == u"si") {
                current.clear();
            } else if (reader.name() == u"rPh") {
                ++depthInPhonetic;  // a reading aid for East Asian text, not part of the string
            } else if (reader.name() == u"t" && depthInPhonetic == 0) {
                current += reader.readElementText();
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (reader.name() == u"si") {
                strings.push_back(current.toStdString());
            } else if (reader.name() == u"rPh") {
                --depthInPhonetic;
            }
        }
    }
    return strings;
}

// Whether a number format shows a date or a time: its code names days, months, years, hours or seconds
// outside quoted text and brackets (colours, conditions).
bool IsDateFormat(int id, const QString& code) {
    if ((id >= 14 && id <= 22) || (id >= 45 && id <= 47)) {
        return true;
    }
    bool quoted = false;
    bool bracket = false;
    for (const QChar c : code) {
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u'[') {
            bracket = true;
        } else if (!quoted && c == u']') {
            bracket = false;
        } else if (!quoted && !bracket && QStringLiteral("dmyhsDMYHS").contains(c)) {
            return true;
        }
    }
    return false;
}

// Which cell styles (by their index in cellXfs) show a date or time.
std::set<int> DateStyles(const QByteArray& xml) {
    std::map<int, QString> codes;
    std::set<int> dates;
    QXmlStreamReader reader(xml);
    bool inCellStyles = false;
    int index = 0;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && reader.name() == u"numFmt") {
            codes[AttributeNamed(reader.attributes(), u"numFmtId").toInt()] =
                AttributeNamed(reader.attributes(), u"formatCode");
        } else if (token == QXmlStreamReader::StartElement && reader.name() == u"cellXfs") {
            inCellStyles = true;
        } else if (token == QXmlStreamReader::EndElement && reader.name() == u"cellXfs") {
            inCellStyles = false;
        } else if (token == QXmlStreamReader::StartElement && inCellStyles && reader.name() == u"xf") {
            const int format = AttributeNamed(reader.attributes(), u"numFmtId").toInt();
            if (IsDateFormat(format, codes[format])) {
                dates.insert(index);
            }
            ++index;
        }
    }
    return dates;
}

std::string Padded(long long value, std::size_t width) {
    std::string text = std::to_string(value);
    return std::string(text.size() < width ? width - text.size() : 0, '0') + text;
}

// A serial day number as "YYYY-MM-DD HH:MM:SS" (days from 1899-12-30, or from 1904-01-01).
std::string DateTimeText(double serial, bool from1904) {
    const long long seconds = std::llround(serial * 86400.0) + (from1904 ? 1462LL * 86400 : 0);
    long long days = seconds / 86400 - 25569;  // to days since 1970-01-01
    const long long second = seconds % 86400;
    // Days to a civil date (proleptic Gregorian).
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return Padded(year, 4) + "-" + Padded(month, 2) + "-" + Padded(day, 2) + " " + Padded(second / 3600, 2) +
           ":" + Padded(second / 60 % 60, 2) + ":" + Padded(second % 60, 2);
}

// The column of a reference, from 0: "BC12" is column 54.
int ColumnOf(QStringView reference) {
    int column = 0;
    for (const QChar c : reference) {
        if (c < u'A' || c > u'Z') {
            break;
        }
        column = column * 26 + (c.unicode() - u'A' + 1);
    }
    return column - 1;
}

struct SheetContext {
    const std::vector<std::string>& strings;
    const std::set<int>& dateStyles;
    bool from1904;
};

Cell CellValue(const QString& type, const QString& value, const QString& inlineText, int style,
               const SheetContext& context) {
    if (type == u"s") {
        const auto index = static_cast<std::size_t>(value.toLongLong());
        return {index < context.strings.size() ? context.strings[index] : std::string(), CellKind::Text};
    }
    if (type == u"inlineStr") {
        return {inlineText.toStdString(), CellKind::Text};
    }
    if (type == u"str" || type == u"e" || type == u"d") {
        return {value.toStdString(), type == u"d" ? CellKind::DateTime : CellKind::Text};
    }
    if (type == u"b") {
        return {value == u"1" ? "TRUE" : "FALSE", CellKind::Text};
    }
    const std::string number = value.trimmed().toStdString();
    const std::optional<double> parsed = numbers::ParseDecimal(number);
    if (!parsed) {
        return {number, CellKind::Text};
    }
    if (context.dateStyles.count(style) != 0) {
        return {DateTimeText(*parsed, context.from1904), CellKind::DateTime};
    }
    return {number, CellKind::Number};
}

SourceTable SheetRows(const QByteArray& xml, const SheetContext& context, std::string& error) {
    SourceTable table;
    QXmlStreamReader reader(xml);
    int nextRow = 1;
    int nextColumn = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (reader.name() == u"row") {
            const int number = AttributeNamed(reader.attributes(), u"r").toInt();
            table.rows.push_back({number > 0 ? number : nextRow, {}});
            nextRow = table.rows.back().line + 1;
            nextColumn = 0;
        } else if (reader.name() == u"c" && !table.rows.empty()) {
            const QString reference = AttributeNamed(reader.attributes(), u"r");
            const int column = reference.isEmpty() ? nextColumn : ColumnOf(reference);
            const QString type = AttributeNamed(reader.attributes(), u"t");
            const int style = AttributeNamed(reader.attributes(), u"s").toInt();
            QString value;
            QString inlineText;
            while (!reader.atEnd()) {
                const auto token = reader.readNext();
                if (token == QXmlStreamReader::EndElement && reader.name() == u"c") {
                    break;
                }
                if (token == QXmlStreamReader::StartElement && reader.name() == u"v") {
                    value = reader.readElementText();
                } else if (token == QXmlStreamReader::StartElement && reader.name() == u"t") {
                    inlineText += reader.readElementText();
                }
            }
            if (column < 0 || column > 16383) {
                continue;
            }
            auto& cells = table.rows.back().cells;
            if (cells.size() <= static_cast<std::size_t>(column)) {
                cells.resize(static_cast<std::size_t>(column) + 1);
            }
            cells[static_cast<std::size_t>(column)] = CellValue(type, value, inlineText, style, context);
            nextColumn = column + 1;
        }
    }
    if (reader.hasError()) {
        error = reader.errorString().toStdString();
    }
    return table;
}

std::string SheetList(const Workbook& workbook) {
    std::string list;
    for (const SheetEntry& sheet : workbook.sheets) {
        list += (list.empty() ? "\"" : ", \"") + sheet.name + "\"";
    }
    return list;
}

}  // namespace

bool LooksLikeZip(const std::string& path) {
    // Read as every file of the user's is: a FIFO or a device named by mistake must not stall the program.
    const platform::FileContent head = platform::ReadRegularFile(path, 4, platform::Links::Follow);
    return head.status == platform::FileStatus::Read && head.bytes == std::string("PK\x03\x04", 4);
}

archive::Result<std::vector<std::string>> XlsxSheets(const std::string& path) {
    auto zip = OpenZip(path);
    if (!zip) {
        return zip.Error();
    }
    auto workbook = ReadWorkbook(zip.Value().get());
    if (!workbook) {
        return workbook.Error();
    }
    std::vector<std::string> names;
    for (const SheetEntry& sheet : workbook.Value().sheets) {
        names.push_back(sheet.name);
    }
    return names;
}

archive::Result<SourceTable> ReadXlsx(const std::string& path, const std::string& sheet) {
    auto zip = OpenZip(path);
    if (!zip) {
        return zip.Error();
    }
    zip_t* handle = zip.Value().get();
    auto workbook = ReadWorkbook(handle);
    if (!workbook) {
        return workbook.Error();
    }
    const SheetEntry* chosen = &workbook.Value().sheets.front();
    if (!sheet.empty()) {
        chosen = nullptr;
        for (const SheetEntry& entry : workbook.Value().sheets) {
            chosen = entry.name == sheet ? &entry : chosen;
        }
        if (chosen == nullptr) {
            return ImportRefusal(kNoSheet, {sheet, SheetList(workbook.Value())});
        }
    }
    auto strings = ReadPart(handle, "xl/sharedStrings.xml");
    auto styles = ReadPart(handle, "xl/styles.xml");
    auto rows = RequiredPart(handle, chosen->part);
    if (!strings || !styles || !rows) {
        return !strings ? strings.Error() : !styles ? styles.Error() : rows.Error();
    }
    const std::vector<std::string> shared =
        strings.Value() ? SharedStrings(*strings.Value()) : std::vector<std::string>();
    const std::set<int> dateStyles = styles.Value() ? DateStyles(*styles.Value()) : std::set<int>();
    std::string error;
    SourceTable table = SheetRows(rows.Value(), {shared, dateStyles, workbook.Value().from1904}, error);
    if (!error.empty()) {
        return ImportRefusal(kNotAWorkbook, {chosen->part + ": " + error});
    }
    table.decimalComma = WritesDecimalComma(table);
    return table;
}

}  // namespace terrovane::imports
