#include "ReplacingSave.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include <unistd.h>

namespace terrovane::exporting {
namespace {

std::string Failure(const std::string& path, const std::string& reason) {
    return "The workbook could not be saved as \"" + path + "\" (" + reason +
           "); any earlier file there is unchanged.";
}

}  // namespace

std::string SaveReplacing(xls::XlsWorkbook& workbook, const std::string& utf8Path) {
    const std::filesystem::path target(utf8Path);
    if (utf8Path.empty() || !target.has_filename()) {
        return Failure(utf8Path, "no file name");
    }
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) {
        return Failure(utf8Path, "it is a folder");
    }
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int reserved = ::mkstemp(name.data());
    if (reserved < 0) {
        return Failure(utf8Path, std::strerror(errno));
    }
    ::close(reserved);
    const std::string temporary(name.data());
    if (!workbook.SaveToPath(temporary)) {
        std::remove(temporary.c_str());
        return Failure(utf8Path, "writing the file failed");
    }
    // Readers of the old file get the usual permissions on the new one, not mkstemp's private ones.
    std::filesystem::permissions(temporary,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_read | std::filesystem::perms::others_read,
                                 error);
    if (std::rename(temporary.c_str(), utf8Path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        return Failure(utf8Path, reason);
    }
    return {};
}

}  // namespace terrovane::exporting
