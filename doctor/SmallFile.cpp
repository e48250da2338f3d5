#include "SmallFile.h"

#include <utility>

#include "RegularFile.h"

namespace terrovane::doctor {

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes) {
    auto file = platform::ReadRegularFile(path, maxBytes + 1, platform::Links::Follow);
    if (file.status != platform::FileStatus::Read || file.bytes.size() > maxBytes)
        return std::nullopt;
    return std::move(file.bytes);
}

std::string ReadAttribute(const std::string& path) {
    std::string text = ReadSmallFile(path, 64 * 1024).value_or(std::string());
    const auto end = text.find('\n');
    if (end != std::string::npos)
        text.resize(end);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\t'))
        text.pop_back();
    return text;
}

}  // namespace terrovane::doctor
