#pragma once

#include <xlsxwriter.h>

namespace terrovane::archive {

// The colours every workbook of ours gives a verdict: green for a pass, bold red for a fail.
struct VerdictFormats {
    lxw_format* pass;
    lxw_format* fail;
};

inline VerdictFormats AddVerdictFormats(lxw_workbook* book) {
    VerdictFormats formats{workbook_add_format(book), workbook_add_format(book)};
    format_set_font_color(formats.pass, 0x1B5E20);
    format_set_bg_color(formats.pass, 0xC8E6C9);
    format_set_font_color(formats.fail, 0xB71C1C);
    format_set_bg_color(formats.fail, 0xFFCDD2);
    format_set_bold(formats.fail);
    return formats;
}

}  // namespace terrovane::archive
