#include "PortMapPublisher.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "AtomicFile.h"
#include "PortMap.h"
#include "RegularFile.h"

namespace terrovane::sim {
namespace {

constexpr std::string_view kValueName = "\\Device\\Silabser0";
constexpr std::string_view kPortsSection = "Ports";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return Trim(line.substr(1, line.size() - 2));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

// Removes "name=..." lines of a section (all of them, or only those whose data is `data`); returns the
// index just after the section's header, or nullopt when the section is absent.
std::optional<std::size_t> RemoveEntries(std::vector<std::string>& lines, std::string_view section,
                                         std::string_view name, std::optional<std::string_view> data) {
    std::optional<std::size_t> header;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size();) {
        if (const auto sectionName = SectionName(lines[i])) {
            inside = SameName(*sectionName, section);
            if (inside && !header)
                header = i + 1;
            ++i;
            continue;
        }
        const auto equals = lines[i].find('=');
        const std::string_view line = lines[i];
        const bool match = inside && equals != std::string::npos &&
                           SameName(Trim(line.substr(0, equals)), name) &&
                           (!data || Trim(line.substr(equals + 1)) == *data);
        if (match) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    return header;
}

void PutEntry(std::vector<std::string>& lines, std::string_view section, std::string_view name,
              const std::string& data) {
    const auto header = RemoveEntries(lines, section, name, std::nullopt);
    const std::string entry = std::string(name) + "=" + data;
    if (header) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*header), entry);
        return;
    }
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(entry);
}

// The device a port-table entry names, or empty when there is none.
std::string DeviceOf(const std::vector<std::string>& lines, std::string_view comName) {
    bool inside = false;
    for (const auto& text : lines) {
        const std::string_view line = text;
        if (const auto sectionName = SectionName(line)) {
            inside = SameName(*sectionName, kPortsSection);
            continue;
        }
        const auto equals = line.find('=');
        if (inside && equals != std::string_view::npos && SameName(Trim(line.substr(0, equals)), comName))
            return std::string(Trim(line.substr(equals + 1)));
    }
    return {};
}

std::string ComName(int comNumber) {
    return "COM" + std::to_string(comNumber);
}

// The map's text (empty when there is none yet); nullopt when it cannot be used: rewriting a map that
// was read only in part would drop the rest of it.
std::optional<platform::FileContent> ReadMap(const std::string& mapPath, std::string& error) {
    platform::FileContent map =
        platform::ReadRegularFile(mapPath, platform::kMaxPortMapBytes + 1, platform::Links::Follow);
    if (map.status == platform::FileStatus::Read && map.bytes.size() > platform::kMaxPortMapBytes) {
        error = mapPath + ": a port map holds at most 1 MiB";
        return std::nullopt;
    }
    if (map.status != platform::FileStatus::Read && map.status != platform::FileStatus::Missing) {
        error = map.error;
        return std::nullopt;
    }
    return map;
}

}  // namespace

std::string WithPortPublished(const std::string& fileText, int comNumber, const std::string& devicePath) {
    auto lines = Lines(fileText);
    PutEntry(lines, platform::kSerialCommKey, kValueName, ComName(comNumber));
    PutEntry(lines, kPortsSection, ComName(comNumber), devicePath);
    return Joined(lines);
}

std::string WithPortWithdrawn(const std::string& fileText, int comNumber, const std::string& devicePath) {
    auto lines = Lines(fileText);
    const std::string com = ComName(comNumber);
    // The port table says whose the COM number is now; another instrument's entry is left alone.
    const std::size_t before = lines.size();
    RemoveEntries(lines, kPortsSection, com, std::string_view(devicePath));
    const bool ours = lines.size() != before || DeviceOf(lines, com).empty();
    if (ours)
        RemoveEntries(lines, platform::kSerialCommKey, kValueName, std::string_view(com));
    return Joined(lines);
}

bool PublishPort(const std::string& mapPath, int comNumber, const std::string& devicePath,
                 std::string& error) {
    const auto map = ReadMap(mapPath, error);
    if (!map)
        return false;
    return platform::WriteFileAtomically(mapPath, WithPortPublished(map->bytes, comNumber, devicePath),
                                         error);
}

bool WithdrawPort(const std::string& mapPath, int comNumber, const std::string& devicePath,
                  std::string& error) {
    const auto map = ReadMap(mapPath, error);
    if (!map)
        return false;
    if (map->status == platform::FileStatus::Missing)
        return true;
    return platform::WriteFileAtomically(mapPath, WithPortWithdrawn(map->bytes, comNumber, devicePath),
                                         error);
}

}  // namespace terrovane::sim
