// The port-map file: a small INI-style text that stands in for the registry's serial-port map, written
// by the simulated instrument, by tests, or by hand. Format:
//
//   [HARDWARE\DEVICEMAP\SERIALCOMM\]
//   \Device\Silabser0=COM3
//   [HARDWARE\DEVICEMAP\Scsi\SERIALCOMM\]
//   \Device\Slabser0=COM4
//   [Ports]
//   COM3=/dev/pts/7
//
// A section is a registry key (its name matched without regard to case, like the registry's); its lines
// are its values, "name=data" split at the first '=', whitespace around both trimmed, kept in file order
// (a repeated name keeps its first place and takes the later data). [Ports] maps each "COM<n>" to the
// device that port number opens. Lines starting with '#' or ';' are comments, as is the rest of a line
// from a '#' or ';' that follows whitespace. Malformed lines are ignored. A key whose section is absent
// cannot be opened; a missing or unreadable file opens no key, and so does anything that is not a regular
// file of at most kMaxPortMapBytes (a FIFO, a device, a folder), whose reason Problem() tells.
//
// The file is re-read only when its identity (inode, size, modification time) changes, so the port
// watch can ask every few milliseconds for the price of one stat().
#include <sys/stat.h>

#include <filesystem>

#include <cctype>
#include <ctime>
#include <mutex>

#include "DirectoryWatch.h"
#include "PortMap.h"
#include "RegularFile.h"

namespace terrovane::platform {
namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string_view StripComment(std::string_view line) {
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos || line[start] == '#' || line[start] == ';')
        return {};
    for (std::size_t i = start + 1; i < line.size(); ++i) {
        if ((line[i] == '#' || line[i] == ';') && (line[i - 1] == ' ' || line[i - 1] == '\t'))
            return line.substr(0, i);
    }
    return line;
}

struct Section {
    std::string name;
    PortMapValues values;

    void Set(std::string_view valueName, std::string_view data) {
        for (auto& [existing, existingData] : values) {
            if (existing == valueName) {
                existingData = data;
                return;
            }
        }
        values.emplace_back(valueName, data);
    }
};

class ParsedPortMap {
  public:
    static ParsedPortMap Parse(std::string_view text) {
        ParsedPortMap map;
        Section* current = nullptr;
        while (!text.empty()) {
            const auto end = text.find('\n');
            const std::string_view line = Trim(StripComment(text.substr(0, end)));
            text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
            if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
                current = &map.SectionNamed(Trim(line.substr(1, line.size() - 2)));
                continue;
            }
            const auto equals = line.find('=');
            if (current == nullptr || equals == std::string_view::npos)
                continue;
            const std::string_view name = Trim(line.substr(0, equals));
            if (name.empty())
                continue;
            current->Set(name, Trim(line.substr(equals + 1)));
        }
        return map;
    }

    std::optional<PortMapValues> ReadKey(std::string_view key) const {
        const Section* section = Find(key);
        if (section == nullptr)
            return std::nullopt;
        return section->values;
    }

    std::string DevicePathFor(int portNumber) const {
        const Section* ports = Find("Ports");
        if (ports == nullptr)
            return {};
        const std::string portName = "COM" + std::to_string(portNumber);
        for (const auto& [name, device] : ports->values) {
            if (EqualsIgnoringCase(name, portName))
                return device;
        }
        return {};
    }

  private:
    const Section* Find(std::string_view name) const {
        for (const auto& section : sections_) {
            if (EqualsIgnoringCase(section.name, name))
                return &section;
        }
        return nullptr;
    }

    Section& SectionNamed(std::string_view name) {
        for (auto& section : sections_) {
            if (EqualsIgnoringCase(section.name, name))
                return section;
        }
        sections_.push_back(Section{std::string(name), {}});
        return sections_.back();
    }

    std::vector<Section> sections_;
};

class TextPortMap final : public PortMapSource {
  public:
    explicit TextPortMap(std::string_view text) : parsed_(ParsedPortMap::Parse(text)) {}

    std::optional<PortMapValues> ReadKey(std::string_view key) const override { return parsed_.ReadKey(key); }
    std::string DevicePathFor(int portNumber) const override { return parsed_.DevicePathFor(portNumber); }

  private:
    ParsedPortMap parsed_;
};

struct FileIdentity {
    bool exists = false;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileIdentity& other) const {
        return exists == other.exists && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
               changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
    }
};

FileIdentity IdentityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return {true, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

// File timestamps advance in coarse kernel ticks: a rewrite of the same size within one tick would keep
// the identity. While the last change is that recent, the file is read again on every call. An absent
// file has no change to be recent.
bool ChangedRecently(const FileIdentity& identity) {
    if (!identity.exists)
        return false;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const auto changedNs = identity.changed.tv_sec * 1'000'000'000LL + identity.changed.tv_nsec;
    const auto nowNs = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
    return nowNs - changedNs < 50'000'000LL;
}

class FilePortMap final : public PortMapSource {
  public:
    explicit FilePortMap(std::string path)
        : path_(std::move(path)), watch_({std::filesystem::path(path_).parent_path().string()}) {}

    std::optional<PortMapValues> ReadKey(std::string_view key) const override {
        std::lock_guard lock(mutex_);
        Refresh();
        return parsed_.ReadKey(key);
    }

    std::string DevicePathFor(int portNumber) const override {
        std::lock_guard lock(mutex_);
        Refresh();
        return parsed_.DevicePathFor(portNumber);
    }

    std::string Problem() const override {
        std::lock_guard lock(mutex_);
        Refresh();
        return problem_;
    }

    std::uint64_t Version() const override {
        std::lock_guard lock(mutex_);
        Refresh();
        return version_;
    }

    std::optional<std::uint64_t> KnownVersion() const override {
        std::lock_guard lock(mutex_);
        if (loaded_ && watch_.Working() && watch_.Quiet() && !ChangedRecently(identity_))
            return version_;
        return std::nullopt;
    }

  private:
    // While its folder is watched, the file is looked at only after the folder reported a change. A file
    // changed within the file system's time stamp granularity is looked at on every call.
    void Refresh() const {
        if (loaded_ && watch_.Working() && !watch_.Changed() && !ChangedRecently(identity_))
            return;
        const FileIdentity identity = IdentityOf(path_);
        if (loaded_ && identity == identity_ && !ChangedRecently(identity))
            return;
        identity_ = identity;
        loaded_ = true;
        ++version_;
        parsed_ = ParsedPortMap{};
        problem_.clear();
        if (!identity.exists)
            return;
        const FileContent file = ReadRegularFile(path_, kMaxPortMapBytes + 1, Links::Follow);
        if (file.status == FileStatus::Read && file.bytes.size() > kMaxPortMapBytes)
            problem_ = path_ + ": is larger than a port map can be (1 MiB)";
        else if (file.status != FileStatus::Read)
            problem_ = file.error;
        else
            parsed_ = ParsedPortMap::Parse(file.bytes);
    }

    std::string path_;
    mutable std::mutex mutex_;
    mutable bool loaded_ = false;
    mutable FileIdentity identity_;
    mutable ParsedPortMap parsed_;
    mutable std::string problem_;
    mutable std::uint64_t version_ = 0;
    mutable DirectoryWatch watch_;
};

}  // namespace

std::unique_ptr<PortMapSource> ParsePortMapText(std::string_view text) {
    return std::make_unique<TextPortMap>(text);
}

std::unique_ptr<PortMapSource> MakeFilePortMap(std::string path) {
    return std::make_unique<FilePortMap>(std::move(path));
}

}  // namespace terrovane::platform
