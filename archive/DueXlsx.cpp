// The due list as an .xlsx workbook.
#include <unistd.h>
#include <xlsxwriter.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CLocaleScope.h"
#include "DueFiles.h"
#include "Numbers.h"
#include "ResultsFiles.h"
#include "VerdictFormats.h"

namespace terrovane::archive {
namespace {

struct DueColumn {
    const char* header;
    double width;
};

constexpr DueColumn kColumns[] = {
    {"Site", 24},   {"Point", 18}, {"Last test", 12}, {"Last result", 18},
    {"Verdict", 9}, {"Due", 12},   {"Overdue", 9},    {"Interval (months)", 10},
};

struct DueFormats {
    lxw_format* header;
    lxw_format* date;
    lxw_format* pass;
    lxw_format* fail;
};

DueFormats MakeDueFormats(lxw_workbook* book) {
    DueFormats formats{};
    formats.header = workbook_add_format(book);
    format_set_bold(formats.header);
    format_set_text_wrap(formats.header);
    formats.date = workbook_add_format(book);
    format_set_num_format(formats.date, "yyyy-mm-dd");
    const VerdictFormats verdicts = AddVerdictFormats(book);
    formats.pass = verdicts.pass;
    formats.fail = verdicts.fail;
    return formats;
}

void WriteText(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text,
               lxw_format* format = nullptr) {
    if (!text.empty()) {
        worksheet_write_string(sheet, row, column, text.c_str(), format);
    }
}

// A date as a spreadsheet date; the list's dates are well formed or empty.
void WriteDate(lxw_worksheet* sheet, const DueFormats& formats, lxw_row_t row, lxw_col_t column,
               const std::string& date) {
    if (date.size() != 10) {
        return;
    }
    const auto year = numbers::ParseInteger(std::string_view(date).substr(0, 4));
    const auto month = numbers::ParseInteger(std::string_view(date).substr(5, 2));
    const auto day = numbers::ParseInteger(std::string_view(date).substr(8, 2));
    if (!year || !month || !day) {
        return;
    }
    lxw_datetime at{static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day), 0, 0, 0};
    worksheet_write_datetime(sheet, row, column, &at, formats.date);
}

void WriteDueRow(lxw_worksheet* sheet, const DueFormats& formats, lxw_row_t row, const DueEntry& entry) {
    const DuePoint& p = entry.due;
    WriteText(sheet, row, 0, p.site);
    WriteText(sheet, row, 1, p.name);
    WriteDate(sheet, formats, row, 2, p.lastTested);
    WriteText(sheet, row, 3, entry.lastResult);
    if (p.lastResult != 0) {
        WriteText(sheet, row, 4, VerdictWord(entry.verdict),
                  entry.verdict == Verdict::Pass   ? formats.pass
                  : entry.verdict == Verdict::Fail ? formats.fail
                                                   : nullptr);
    }
    WriteDate(sheet, formats, row, 5, p.dueOn);
    worksheet_write_boolean(sheet, row, 6, p.overdue, p.overdue ? formats.fail : nullptr);
    if (p.intervalMonths) {
        worksheet_write_number(sheet, row, 7, *p.intervalMonths, nullptr);
    }
}

std::string BuildDueWorkbook(const std::vector<DueEntry>& entries, const std::string& file) {
    // The writer prints its numbers with printf, which a window's locale would give a decimal comma.
    const numbers::CLocaleScope cLocale;
    lxw_workbook* book = workbook_new(file.c_str());
    if (book == nullptr) {
        return "cannot create " + file;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Due");
    const DueFormats formats = MakeDueFormats(book);
    lxw_col_t column = 0;
    for (const DueColumn& each : kColumns) {
        worksheet_write_string(sheet, 0, column, each.header, formats.header);
        worksheet_set_column(sheet, column, column, each.width, nullptr);
        ++column;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        WriteDueRow(sheet, formats, static_cast<lxw_row_t>(i + 1), entries[i]);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(entries.size()), column - 1);
    const lxw_error rc = workbook_close(book);
    return rc == LXW_NO_ERROR ? std::string() : std::string(lxw_strerror(rc));
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace

// The workbook is made in a scratch file and then put in place the way every other file is, so a reader
// never finds half a workbook and a failure leaves the old file.
std::string ExportDueXlsx(const std::vector<DueEntry>& entries, const std::string& path) {
    if (entries.size() >= 1048575) {
        return "a worksheet holds at most 1048575 rows";
    }
    std::error_code ignored;
    std::string scratch = (std::filesystem::temp_directory_path(ignored) / "terrovane-due-XXXXXX").string();
    const int fd = ::mkstemp(scratch.data());
    if (fd < 0) {
        return "cannot make a scratch file for " + path;
    }
    ::close(fd);
    std::string error = BuildDueWorkbook(entries, scratch);
    if (error.empty()) {
        error = WriteFileReplacing(path, ReadWhole(scratch));
    }
    std::filesystem::remove(scratch, ignored);
    return error;
}

}  // namespace terrovane::archive
