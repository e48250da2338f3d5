#include "SmallDisk.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace terrovane::testing {

SmallDisk::SmallDisk(const std::string& mountPoint, int kilobytes) : path_(mountPoint) {
    std::filesystem::create_directories(path_);
    if (::geteuid() != 0)
        return;
    const std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0700";
    mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted_)
        ::umount2(path_.c_str(), MNT_DETACH);
}

void SmallDisk::Fill() const {
    const int fd = ::open((path_ + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    const std::vector<char> block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    // The last partial page: byte by byte until nothing more fits.
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &savedAction_);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::sigaction(SIGXFSZ, &savedAction_, nullptr);
}

std::string UnderFileSizeLimit(const std::string& command, int blocksOf512) {
    return "trap '' XFSZ; ulimit -f " + std::to_string(blocksOf512) + "; " + command;
}

std::string FolderListing(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const auto& name : names)
        listing += (listing.empty() ? "" : " ") + name;
    return listing;
}

}  // namespace terrovane::testing
