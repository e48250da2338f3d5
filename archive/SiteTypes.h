#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace terrovane::archive {

// What a test point is; stored by its word.
enum class PointKind { Rod, Grid, Mesh, TowerLeg, DownConductor, Other };

// "rod", "grid", "mesh", "tower-leg", "down-conductor", "other".
const char* PointKindWord(PointKind kind);
// The kind a word names (as PointKindWord gives it, in any case); nullopt for an unknown word.
std::optional<PointKind> ParsePointKind(const std::string& word);
const std::vector<PointKind>& PointKinds();

// A maximum earth resistance and where it comes from.
struct Limit {
    double ohms = 0;
    std::string source;
};

// What a site holds apart from its id; unset members hold nothing.
struct SiteFields {
    std::string name;
    std::string address;
    std::optional<double> latitude;
    std::optional<double> longitude;
    std::string notes;
    std::optional<Limit> limit;
    std::optional<int> intervalMonths;
};

struct SiteRow {
    std::int64_t id = 0;
    SiteFields fields;
    int points = 0;
};

struct PointFields {
    std::string name;
    PointKind kind = PointKind::Other;
    std::string notes;
    std::optional<Limit> limit;  // its own; the site's applies when unset
    std::optional<int> intervalMonths;
};

struct PointRow {
    std::int64_t id = 0;
    std::int64_t site = 0;
    std::string siteName;
    int ordinal = 0;  // its place in the site's order of measuring
    PointFields fields;
    std::optional<Limit> limit;         // the one that applies: its own, else the site's
    std::optional<int> intervalMonths;  // likewise
    int results = 0;
};

}  // namespace terrovane::archive
