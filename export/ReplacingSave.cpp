#include "ReplacingSave.h"

#include <cerrno>

#include "AtomicFile.h"

namespace terrovane::exporting {
namespace {

std::string Failure(const platform::AtomicFile& file) {
    return "The workbook could not be saved as \"" + file.Path() + "\" (" + file.Reason() + ")" +
           (file.ReplacesAFile() ? "; the earlier file there is unchanged." : ".");
}

}  // namespace

std::string SaveReplacing(xls::XlsWorkbook& workbook, const std::string& utf8Path) {
    platform::AtomicFile file(utf8Path);
    if (!file.Open())
        return Failure(file);
    // The workbook writer opens files by name: the descriptor's own name reaches the temporary file and
    // nothing else, whatever is renamed in the folder meanwhile.
    errno = 0;
    if (!workbook.SaveToPath(file.DescriptorPath())) {
        file.Fail(errno);
        return Failure(file);
    }
    return file.Commit() ? std::string() : Failure(file);
}

}  // namespace terrovane::exporting
