#include "ResultsXlsx.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "CLocaleScope.h"
#include "Numbers.h"
#include "ResultsOutput.h"
#include "VerdictFormats.h"

namespace terrovane::archive {
namespace {

// Units of ValueQuantities(), in its order.
constexpr std::array<const char*, kValueNames> kUnitHeaders = {
    "Test voltage (V)",
    "Test frequency (Hz)",
    "Re (Ω)",
    "Rs (Ω)",
    "Rh (Ω)",
    "Rac (Ω)",
    "R1 (Ω)",
    "R2 (Ω)",
    "ρ (Ωm)",
    "Rk (Ω)",
    "Jamming frequency (Hz)",
    "Jamming voltage (V)",
    "Iac (A)",
    "Distance (m)",
};

struct Column {
    const char* header;
    double width;
};

const std::vector<Column>& LeadingColumns() {
    static const std::vector<Column> columns = {
        {"Result", 8},        {"Measured", 18}, {"Mode", 11},
        {"Site", 20},         {"Point", 12},    {"Limit (Ω)", 10},
        {"Limit source", 26}, {"Verdict", 9},   {"Doubtful because", 30},
        {"Over range", 22},
    };
    return columns;
}

const std::vector<Column>& TrailingColumns() {
    static const std::vector<Column> columns = {
        {"Label", 18},
        {"Note", 24},
        {"Read out", 26},
        {"Slot", 6},
        // Added after the columns files and peers already read: what marks a result typed by hand.
        {"Typed", 7},
        {"Typed result", 8},
        {"Method", 16},
        {"Instrument", 24},
        {"Measured by", 16},
        {"Typed by", 14},
        {"Typed at", 22},
    };
    return columns;
}

// "2009-01-05" and "10:03:00" as a spreadsheet date; false when they are no date.
bool MeasuredAt(const ResultView& view, lxw_datetime& at) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (std::sscanf(view.date.c_str(), "%d-%d-%d", &year, &month, &day) != 3 ||
        std::sscanf(view.time.c_str(), "%d:%d:%d", &hour, &minute, &second) < 2 || month < 1 || month > 12 ||
        day < 1 || day > 31 || year < 1900) {
        return false;
    }
    at = lxw_datetime{year, month, day, hour, minute, static_cast<double>(second)};
    return true;
}

struct Formats {
    lxw_format* header;
    lxw_format* date;
    lxw_format* pass;
    lxw_format* fail;
    lxw_format* overRange;
    lxw_format* slot;
};

Formats MakeFormats(lxw_workbook* book) {
    Formats formats{};
    formats.header = workbook_add_format(book);
    format_set_bold(formats.header);
    format_set_text_wrap(formats.header);
    formats.date = workbook_add_format(book);
    format_set_num_format(formats.date, "yyyy-mm-dd hh:mm");
    const VerdictFormats verdicts = AddVerdictFormats(book);
    formats.pass = verdicts.pass;
    formats.fail = verdicts.fail;
    formats.overRange = workbook_add_format(book);
    format_set_font_color(formats.overRange, 0xE65100);
    format_set_align(formats.overRange, LXW_ALIGN_RIGHT);
    formats.slot = workbook_add_format(book);
    format_set_num_format(formats.slot, "00");  // as the instrument counts them
    return formats;
}

void WriteText(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text,
               lxw_format* format = nullptr) {
    if (!text.empty()) {
        worksheet_write_string(sheet, row, column, text.c_str(), format);
    }
}

// The double nearest the shortest decimal of a stored single-precision value: 4.87, not the widened float's
// 4.869999885559082.
double ShortestDouble(double value) {
    return numbers::ParseDecimal(NumberText(value)).value_or(value);
}

// A number only where the instrument measured one; over range shows what the instrument showed, a code
// its text.
void WriteReading(lxw_worksheet* sheet, const Formats& formats, lxw_row_t row, lxw_col_t column,
                  format::Quantity quantity, const format::Reading& reading) {
    if (reading.IsOverRange()) {
        WriteText(sheet, row, column, format::OverRangeText(quantity, reading), formats.overRange);
    } else if (reading.IsMeasured() && reading.code != nullptr) {
        WriteText(sheet, row, column, reading.code);
    } else if (reading.IsMeasured()) {
        worksheet_write_number(sheet, row, column, ShortestDouble(reading.value), nullptr);
    }
}

void WriteRow(lxw_worksheet* sheet, const Formats& formats, lxw_row_t row, const ResultView& view) {
    lxw_col_t column = 0;
    if (view.id) {
        worksheet_write_number(sheet, row, column, static_cast<double>(*view.id), nullptr);
    }
    ++column;
    lxw_datetime at{};
    if (MeasuredAt(view, at)) {
        worksheet_write_datetime(sheet, row, column, &at, formats.date);
    }
    ++column;
    WriteText(sheet, row, column++, view.modeName);
    WriteText(sheet, row, column++, view.site);
    WriteText(sheet, row, column++, view.point);
    if (view.limit) {
        worksheet_write_number(sheet, row, column, view.limit->ohms, nullptr);
        WriteText(sheet, row, column + 1, view.limit->source);
    }
    column += 2;
    const Verdict verdict = view.verdict;
    WriteText(sheet, row, column++, VerdictWord(verdict),
              verdict == Verdict::Pass   ? formats.pass
              : verdict == Verdict::Fail ? formats.fail
                                         : nullptr);
    std::string doubtful;
    for (const std::string& note : view.validity) {
        doubtful += (doubtful.empty() ? "" : "; ") + note;
    }
    WriteText(sheet, row, column++, doubtful);
    WriteText(sheet, row, column++, OverRangeSummary(view), formats.overRange);
    for (std::size_t i = 0; i < kValueNames; ++i) {
        WriteReading(sheet, formats, row, column++, ValueQuantities()[i].quantity, view.readings[i]);
    }
    WriteText(sheet, row, column++, view.label);
    WriteText(sheet, row, column++, view.note);
    WriteText(sheet, row, column++, view.readAt);
    if (!view.typed) {
        worksheet_write_number(sheet, row, column, view.slot, formats.slot);
        WriteText(sheet, row, column + 1, "no");
        return;
    }
    ++column;
    const TypedMark& typed = *view.typed;
    WriteText(sheet, row, column++, "yes");
    worksheet_write_number(sheet, row, column++, static_cast<double>(typed.version), nullptr);
    for (const std::string* text :
         {&typed.method, &typed.instrument, &typed.measuredBy, &typed.typedBy, &typed.typedAt}) {
        WriteText(sheet, row, column++, *text);
    }
}

void WriteHeader(lxw_worksheet* sheet, const Formats& formats) {
    lxw_col_t column = 0;
    const auto add = [&](const char* header, double width) {
        worksheet_write_string(sheet, 0, column, header, formats.header);
        worksheet_set_column(sheet, column, column, width, nullptr);
        ++column;
    };
    for (const Column& each : LeadingColumns()) {
        add(each.header, each.width);
    }
    for (const char* header : kUnitHeaders) {
        add(header, 11);
    }
    for (const Column& each : TrailingColumns()) {
        add(each.header, each.width);
    }
}

lxw_col_t ColumnCount() {
    return static_cast<lxw_col_t>(LeadingColumns().size() + kUnitHeaders.size() + TrailingColumns().size());
}

std::string Build(const std::vector<ResultView>& results, const std::string& file) {
    // The writer prints its numbers with printf, which a window's locale would give a decimal comma.
    const numbers::CLocaleScope cLocale;
    lxw_workbook* book = workbook_new(file.c_str());
    if (book == nullptr) {
        return "cannot create " + file;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Results");
    const Formats formats = MakeFormats(book);
    WriteHeader(sheet, formats);
    for (std::size_t i = 0; i < results.size(); ++i) {
        WriteRow(sheet, formats, static_cast<lxw_row_t>(i + 1), results[i]);
    }
    worksheet_set_row(sheet, 0, 30, nullptr);
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(results.size()), ColumnCount() - 1);
    const lxw_error rc = workbook_close(book);
    return rc == LXW_NO_ERROR ? std::string() : std::string(lxw_strerror(rc));
}

}  // namespace

std::string ExportResultsXlsx(const std::vector<ResultView>& results, const std::string& path) {
    const std::filesystem::path target(path);
    if (path.empty() || !target.has_filename()) {
        return "no file name";
    }
    if (results.size() >= 1048575) {
        return "a worksheet holds at most 1048575 results";
    }
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return "cannot write in " + folder.string() + ": " + std::strerror(errno);
    }
    ::close(fd);
    std::string error = Build(results, name);
    const int synced = error.empty() ? ::open(name.c_str(), O_RDONLY | O_CLOEXEC) : -1;
    if (error.empty() && (synced < 0 || ::fchmod(synced, 0644) != 0 || ::fsync(synced) != 0)) {
        error = std::strerror(errno);
    }
    if (synced >= 0) {
        ::close(synced);
    }
    if (error.empty() && std::rename(name.c_str(), path.c_str()) != 0) {
        error = std::strerror(errno);
    }
    if (!error.empty()) {
        ::unlink(name.c_str());
        return "cannot write " + path + ": " + error;
    }
    return {};
}

}  // namespace terrovane::archive
