#pragma once

#include "ArchiveTypes.h"
#include "Sqlite.h"

namespace terrovane::archive {

// Adds a result not held yet: its key, packet, the read-out and slot that first brought it, and its decoded
// fields. The same for a read-out stored whole and for a slot filled in later.
inline constexpr const char* kInsertResultSql =
    "INSERT INTO results(content_key, packet, first_readout, first_slot, mode, measured_on, measured_time, "
    "voltage_code, frequency_code, v0, v1, v2, v3, v4, v5, v6, v7, v8, v9, v10, distance, measured_date, "
    "measured_raw) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

// The result's decoded fields, bound from parameter 5 on (after key, packet, read-out and slot).
void BindDecoded(Statement& insert, const Packet& packet);

}  // namespace terrovane::archive
