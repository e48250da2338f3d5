#include "ResultsFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "RowsExport.h"

namespace terrovane::archive {
namespace {

bool WriteAll(int fd, const std::string& content) {
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string WriteFileReplacing(const std::string& path, const std::string& content) {
    const std::filesystem::path target(path);
    if (path.empty() || !target.has_filename()) {
        return "no file name";
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return path + " is a folder";
    }
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return "cannot write in " + folder.string() + ": " + std::strerror(errno);
    }
    const bool written = WriteAll(fd, content) && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    const int savedErrno = errno;
    ::close(fd);
    if (!written || std::rename(name.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(written ? errno : savedErrno);
        ::unlink(name.c_str());
        return "cannot write " + path + ": " + reason;
    }
    return {};
}

std::string ExportResultsWorkbook(const std::vector<ResultView>& results, const std::string& path) {
    exporting::TextRow header(exporting::HeaderTexts().begin(), exporting::HeaderTexts().end());
    header.insert(header.end(), {"Read out", "Label", "Note"});
    std::vector<exporting::TextRow> rows;
    rows.reserve(results.size());
    for (const ResultView& view : results) {
        exporting::TextRow row(view.cells.begin(), view.cells.end());
        row.insert(row.end(), {view.readAt, view.label, view.note});
        rows.push_back(std::move(row));
    }
    return exporting::ExportRows(header, rows, path);
}

}  // namespace terrovane::archive
