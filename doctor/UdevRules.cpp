#include "UdevRules.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

#include "SmallFile.h"

namespace terrovane::doctor {
namespace {

namespace fs = std::filesystem;

bool IsMask(const fs::path& file) {
    std::error_code error;
    if (fs::is_symlink(file, error) && fs::read_symlink(file, error) == "/dev/null")
        return true;
    return fs::is_regular_file(file, error) && fs::file_size(file, error) == 0;
}

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool MatchesBridge(const std::string& line) {
    const std::string vendor = kBridgeVendor;
    const std::string product = kBridgeProduct;
    if (line.find(vendor + "/" + product + "/") != std::string::npos)
        return true;
    const auto vendorAt = line.find("idvendor");
    const auto productAt = line.find("idproduct");
    return vendorAt != std::string::npos && productAt != std::string::npos &&
           line.find(vendor, vendorAt) != std::string::npos &&
           line.find(product, productAt) != std::string::npos;
}

}  // namespace

std::vector<RuleFile> EffectiveRuleFiles(const std::vector<std::string>& folders) {
    std::map<std::string, RuleFile> byName;
    std::vector<fs::path> seenFolders;
    for (const std::string& folder : folders) {
        std::error_code error;
        // /lib is often /usr/lib: the same folder twice must not hide its own files.
        const fs::path canonical = fs::canonical(folder, error);
        if (error || std::find(seenFolders.begin(), seenFolders.end(), canonical) != seenFolders.end())
            continue;
        seenFolders.push_back(canonical);
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (!name.ends_with(".rules"))
                continue;
            const auto [entry, inserted] = byName.try_emplace(name);
            if (!inserted) {
                entry->second.hidden.push_back(it->path().string());
                continue;
            }
            entry->second = {name, it->path().string(), IsMask(it->path()), {}};
        }
    }
    std::vector<RuleFile> files;
    for (auto& [name, file] : byName)
        files.push_back(std::move(file));
    return files;
}

std::vector<int> LinesMatchingBridge(const std::string& rules) {
    std::vector<int> lines;
    std::size_t start = 0;
    for (int number = 1; start <= rules.size(); ++number) {
        auto end = rules.find('\n', start);
        if (end == std::string::npos)
            end = rules.size();
        const std::string line = Lowered(rules.substr(start, end - start));
        const auto first = line.find_first_not_of(" \t");
        if (first != std::string::npos && line[first] != '#' && MatchesBridge(line))
            lines.push_back(number);
        start = end + 1;
    }
    return lines;
}

}  // namespace terrovane::doctor
