#include <algorithm>
#include <array>
#include <cctype>

#include "SiteTypes.h"

namespace terrovane::archive {
namespace {

struct KindWord {
    PointKind kind;
    const char* word;
};

constexpr std::array<KindWord, 6> kWords = {{
    {PointKind::Rod, "rod"},
    {PointKind::Grid, "grid"},
    {PointKind::Mesh, "mesh"},
    {PointKind::TowerLeg, "tower-leg"},
    {PointKind::DownConductor, "down-conductor"},
    {PointKind::Other, "other"},
}};

}  // namespace

const char* PointKindWord(PointKind kind) {
    for (const KindWord& entry : kWords) {
        if (entry.kind == kind) {
            return entry.word;
        }
    }
    return "other";
}

std::optional<PointKind> ParsePointKind(const std::string& word) {
    std::string lower = word;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const KindWord& entry : kWords) {
        if (lower == entry.word) {
            return entry.kind;
        }
    }
    return std::nullopt;
}

const std::vector<PointKind>& PointKinds() {
    static const std::vector<PointKind> kinds = [] {
        std::vector<PointKind> all;
        for (const KindWord& entry : kWords) {
            all.push_back(entry.kind);
        }
        return all;
    }();
    return kinds;
}

}  // namespace terrovane::archive
