#pragma once

#include <cstdint>
#include <optional>

#include "MeasurementRecord.h"

namespace terrovane::format {

// Every quantity a record may carry; which ones apply depends on the record's mode.
enum class Quantity {
    Re,
    Rs,
    Rh,
    Rac,
    R1,
    R2,
    Resistivity,
    Rk,
    JammingFrequency,
    JammingVoltage,
    Iac,
    Distance,
    TestVoltage,
    TestFrequency,
};

// Accessor results that are not readings.
inline constexpr double NotApplicable = -300;  // no record, or the quantity does not belong to its mode
inline constexpr double InvalidReading = -1;   // the instrument stored a negative (failed) reading
inline constexpr int DistanceOver = -400;      // measuring distance above 99 m

// The frequency label that stands for "automatic" (shown as AFE).
inline constexpr int kAutomaticFrequency = 500;

using record::MeasurementRecord;

// Resistances in ohms, currents in amperes, voltages in volts, frequencies in hertz. A null record gives
// NotApplicable (the integer accessors give 0).
double Re(const MeasurementRecord* record);
double Rs(const MeasurementRecord* record);
double Rh(const MeasurementRecord* record);
double Rac(const MeasurementRecord* record);
double R1(const MeasurementRecord* record);
double R2(const MeasurementRecord* record);
double Resistivity(const MeasurementRecord* record);
double Rk(const MeasurementRecord* record);
double JammingFrequency(const MeasurementRecord* record);
double JammingVoltage(const MeasurementRecord* record);
double Iac(const MeasurementRecord* record);
int Distance(const MeasurementRecord* record);
int TestVoltage(const MeasurementRecord* record);
int TestFrequency(const MeasurementRecord* record);

// The accessor of `quantity` (integer quantities widened).
double QuantityValue(Quantity quantity, const MeasurementRecord* record);

// The quantity a result of the mode is known by: Re, Rac, R1, Resistivity or Iac; unset for an unknown mode.
std::optional<Quantity> MainQuantity(std::uint32_t mode);

}  // namespace terrovane::format
