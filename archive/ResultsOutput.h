#pragma once

#include <string>
#include <vector>

#include "ArchiveTypes.h"
#include "ResultView.h"

namespace terrovane::archive {

// A JSON array with one object per result: id, readout, read_at, port, slot, mode, mode_name, date, time,
// label, note, site, point, limit_ohm, limit_source, verdict ("pass", "fail" or "none"), validity (the
// reasons the reading is doubtful), cells (the workbook row's 18 texts in column order), values (by
// quantity name: the measured number, the text the instrument shows for a code such as "AFE", null where
// absent, invalid or over range) and over_range (the bound the instrument showed by quantity name, as
// {"Rh": 300000}). Unarchived results and missing labels give null.
std::string ResultsJson(const std::vector<ResultView>& results);
// A JSON array with one object per read-out: id, read_at, port, label, note and results (ids, slot order).
std::string ReadOutsJson(const std::vector<ReadOutRow>& readouts);

// CSV after RFC 4180 (CRLF line ends, quoted where needed), UTF-8 behind a byte order mark: a header
// line, then one line per result with the fields of ResultsJson, the cells under the workbook's headers,
// the values under their quantity names (empty where over range), then site, point, limit_ohm,
// limit_source, verdict, validity and over_range ("Re>300000; Rh>300000"). Slots are written 00 to 99.
std::string ResultsCsv(const std::vector<ResultView>& results);
// One line per read-out: id, read_at, port, label, note, results (their number).
std::string ReadOutsCsv(const std::vector<ReadOutRow>& readouts);

// A JSON string literal (quotes included) of the text.
std::string JsonString(const std::string& text);
// One CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);
// The shortest text that reads back as the same single-precision value; a whole number without exponent.
std::string NumberText(double value);

}  // namespace terrovane::archive
