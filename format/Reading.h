#pragma once

#include <string>

#include "Quantity.h"

namespace terrovane::format {

// What one value of a result is. The instrument stores a number in every field; only a measured value is
// that number. Over range means the instrument showed ">bound": the stored number says nothing more.
enum class ReadingKind { Measured, OverRange, NotApplicable, Invalid };

struct Reading {
    ReadingKind kind = ReadingKind::NotApplicable;
    // Measured: the value (a probe spacing above 99 m is the stored metres); over range: the bound the
    // instrument shows; otherwise 0.
    double value = 0;
    // The number the instrument stored, widened; what an over-range value keeps beside its flag.
    double stored = 0;
    // A setting the instrument shows as a text rather than as its number ("AFE"); null for numbers.
    const char* code = nullptr;

    bool IsMeasured() const { return kind == ReadingKind::Measured; }
    bool IsOverRange() const { return kind == ReadingKind::OverRange; }
};

// The reading of `quantity` in `record`, by the same ranges as the instrument's cell texts
// (FormatCellText writes exactly the over-range values with ">"). A null record is not applicable.
Reading ReadingOf(Quantity quantity, const MeasurementRecord* record);

// The unit a quantity is shown in: "Ω", "Ω·m", "A", "V", "Hz", "m".
const char* QuantityUnit(Quantity quantity);

// An over-range value as a person reads it: "> 300 kΩ", "> 150 Ω", "> 2.2 A". Empty for other readings.
std::string OverRangeText(Quantity quantity, const Reading& reading);

}  // namespace terrovane::format
