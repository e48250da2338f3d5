#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "RecordPacket.h"
#include "SiteTypes.h"

namespace terrovane::archive {

using Packet = std::array<std::uint8_t, record::RecordPacket::kSize>;

// One accepted read-out as it is handed to the archive.
struct ReadOutInput {
    std::string readAt;  // PC time, ISO 8601 with zone
    std::string port;
    const record::ReadOutBuffer* image = nullptr;
};

// What storing a read-out did.
struct [[nodiscard]] StoreOutcome {
    bool stored = false;
    std::int64_t readoutId = 0;
    int newResults = 0;      // results the archive did not hold yet
    int knownResults = 0;    // results already held, now linked to this read-out too
    std::string error;       // why it was not stored
    std::string movedAside;  // the name a damaged archive was moved to before a new one was started
};

// One archived result: where it was first read and its packet.
struct ResultRow {
    std::int64_t id = 0;
    std::int64_t readout = 0;  // the first read-out that brought it
    std::string readAt;
    std::string port;
    int slot = 0;  // its slot in that read-out
    Packet packet{};
    std::string label;
    std::string note;
    std::optional<std::int64_t> point;  // the test point it is assigned to
    std::string site;                   // that point's site and name
    std::string pointName;
    std::optional<Limit> limit;  // the limit that applies at that point
};

struct ReadOutRow {
    std::int64_t id = 0;
    std::string readAt;
    std::string port;
    std::string label;
    std::string note;
    std::vector<std::int64_t> results;  // result ids in slot order
};

// Filters of the result list; unset members do not filter. Dates are "YYYY-MM-DD" and inclusive; for
// results they are the measuring date the instrument stored, for read-outs the PC date of the read-out.
struct ResultFilter {
    std::optional<std::string> since;
    std::optional<std::string> until;
    std::optional<int> mode;
    std::optional<std::string> labelContains;  // case-insensitive part of the label
    std::optional<std::string> labelIs;        // exactly this label
    std::optional<std::int64_t> readout;       // results held by this read-out
    std::optional<std::string> site;           // results assigned to a point of the site of this name
    std::optional<std::string> point;          // results assigned to a point of this name
    std::optional<std::int64_t> siteId;
    std::optional<std::int64_t> pointId;
    bool unassigned = false;  // only results assigned to no point
    // Words a person searched for: results found, or whose label, read-out, point, site or attachment
    // was (Find.h).
    std::optional<std::string> search;
};

// Orders of the result list. Newest first is the list's own: latest read-out first, slots ascending.
enum class ResultOrder {
    Newest,
    Slot,
    Mode,
    Measured,
    Label,
    Voltage,
    Frequency,
    Value0,  // Value0 + i: values element i
    Distance = Value0 + 11,
};

struct ResultSort {
    ResultOrder order = ResultOrder::Newest;
    bool descending = false;  // reverses the chosen order (for Newest: oldest first)
};

enum class LabelTarget { Result, ReadOut };

}  // namespace terrovane::archive
