#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "Archive.h"
#include "FindIndex.h"
#include "FindQuery.h"
#include "Result.h"

namespace terrovane::archive {

// What a search found in the tree's terms: the sites found themselves (all their points shown), and the
// points found or holding something found (a result, its label or read-out note, a typed result, an
// attachment); each point's site is among the sites.
struct FoundPlaces {
    std::set<std::int64_t> wholeSites;
    std::set<std::int64_t> sites;
    std::set<std::int64_t> points;
};

Result<FoundPlaces> FindPlaces(Archive& archive, const std::string& text);

// One entry the search found, with the site and point it belongs to (empty when none) and the date it
// bears: a result's or typed result's measuring date, a read-out's time.
struct FoundEntry {
    FindKind kind = FindKind::Site;
    std::int64_t id = 0;
    std::string site;
    std::string point;
    std::string date;
    std::string text;  // the text that was searched
};

// Every entry holding the words of `text`, sites first, then points, labels, results, read-outs, typed
// results and attachments, each kind by site, point and date.
Result<std::vector<FoundEntry>> FindEntries(Archive& archive, const std::string& text);

// The stable English name of a kind, as files and the command line's JSON write it.
const char* FindKindKey(FindKind kind);

// For queries over the results: a common table expression naming the matching entries' rowids
// `find_hit(k)`, to stand at the start of the statement, and a condition on a result aliased `r` that
// holds when it was found, or its label, one of its read-outs, its point, its site or one of its
// attachments was.
[[nodiscard]] FindSql FindHitsCte(const std::string& text);
extern const char* const kResultFoundTerm;
// The same for a typed result's newest version aliased `t`: found itself, through its point or site, or
// through one of its attachments.
extern const char* const kTypedFoundTerm;

// Words that find this many results or more are found by walking the results in the list's order with
// kResultFoundTermInOrder, which meets a page of them soon; fewer are collected through the indexes and
// sorted (kResultFoundTerm), which would sort all of them when the words find most of the archive.
inline constexpr int kManyFound = 5000;
extern const char* const kResultFoundTermInOrder;
Result<bool> FindsManyResults(Database& db, const std::string& text);

}  // namespace terrovane::archive
