#pragma once

#include <optional>
#include <string>

#include "MeasurementRecord.h"
#include "ResultView.h"
#include "TypedResults.h"
#include "TypedValue.h"
#include "Verdict.h"

namespace terrovane::archive {

// How a result was measured, as far as the archive knows it: what a report prints beside an earth
// resistance so that a reader can judge whether to trust it. Whatever is unset was not recorded.
struct ResultMethod {
    std::string method;            // a code of TypedMethods(): the instrument's modes go by theirs ("3-pole")
    bool earthResistance = false;  // the probes, the frequency and Rs, Rh concern an earth resistance only
    bool typed = false;            // typed by hand or imported rather than read from the instrument
    std::optional<double>
        currentProbe;  // metres from the electrode, from the fall-of-potential curve it is on
    std::optional<double> potentialProbe;
    std::string frequency;         // "128 Hz", or the instrument's code ("AFE"); empty where not recorded
    std::optional<TypedValue> rs;  // the auxiliary electrodes' resistances, ohms, with their over-range mark
    std::optional<TypedValue> rh;
    std::string rsShown;  // each as the instrument showed it, "1.53 kΩ", "> 300 kΩ"; as typed for a typed one
    std::string rhShown;
    double auxiliaryLimit = 0;  // ohms: an Rs or Rh above it makes the reading doubtful
};

// Whether Rs or Rh is above the limit (an over-range value is, whatever its bound): the instrument's own
// warning that the probes did not make good enough contact for the reading to hold.
bool AuxiliaryAbove(const ResultMethod& method);

// The method code of an instrument mode ("3-pole", "2-clamp", "resistivity"); empty for an unknown one.
std::string MethodCodeOf(std::uint32_t mode);

ResultMethod MethodOf(const record::MeasurementRecord& record, const ValidityThresholds& thresholds);
ResultMethod MethodOf(const TypedResultFields& fields, const ValidityThresholds& thresholds);
// The same from what a listing keeps of a read-out result.
ResultMethod MethodOf(const ResultView& view, const ValidityThresholds& thresholds);

}  // namespace terrovane::archive
