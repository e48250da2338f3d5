#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace terrovane::archive {

// The modification stamps of the archive's rows: a hybrid logical clock of wall milliseconds, a counter
// for changes within one millisecond (or after the wall clock went back), and this archive's device id,
// made once per archive. Stamps only grow, so the later of two changes to a row is the greater stamp,
// on any machine. The clock lives in the file itself (table archive_clock) and is ticked by the rows'
// triggers inside the writer's transaction: every program that writes the file, of any version that
// knows the layout, advances the one clock, and no change escapes it.
struct HlcStamp {
    std::int64_t millis = 0;
    std::int64_t counter = 0;
    std::string device;

    auto operator<=>(const HlcStamp&) const = default;
};

// "001733745600123-00002-<device>": fixed-width numbers, so the texts sort as the stamps do.
std::string StampText(const HlcStamp& stamp);
std::optional<HlcStamp> ParseStamp(std::string_view text);

// The stamp a change made now gets, after `last` (this clock's latest) and `seen` (a stamp received from
// elsewhere, or `last` again): never smaller than either, whatever the wall clock says.
HlcStamp NextStamp(const HlcStamp& last, const HlcStamp& seen, std::int64_t wallMillis);

// The statement that ticks the archive's clock, for a trigger that stamps a row of its own making; the
// stamp is then read from the view archive_stamp.
std::string ClockTickSql();

// A new random UUID (version 4) as SQL computes it, for columns filled where rows are made.
extern const char* const kUuidSql;

// The statements that give the tables of layout 4 their ids, stamps, tombstones and the clock; run once
// by the migration to layout 5, after which the triggers keep everything up to date.
std::string StampsLayoutSql();

// The same for one table of a later layout with an id of its own and nothing carried: its uuid and
// modified columns, the ids and stamp of the rows it holds, and the triggers that stamp it and keep its
// tombstones.
std::string StampedTableSql(const char* table);

// For a table whose rows carry their ids, are written once and only some of their columns changed later:
// its modified column and the trigger that stamps a change. A row as made has no stamp (NULL): it is new
// wherever it goes, and whatever stamp it is sent with is before any later change to it anywhere. Stamping
// every row as it is made would cost an import of many rows a third more time.
std::string StampedRowsSql(const char* table);

}  // namespace terrovane::archive
