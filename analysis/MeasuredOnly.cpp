#include "MeasuredOnly.h"

#include "NoteTexts.h"
#include "Reading.h"

namespace terrovane::analysis {
namespace {

const char* NameOf(format::Quantity quantity) {
    return quantity == format::Quantity::Resistivity ? "\xCF\x81" : "Re";  // ρ
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts)
        joined += (joined.empty() ? "" : "; ") + text;
    return joined;
}

}  // namespace

std::string WhyLeftOut(format::Quantity quantity, const SourcedRecord& sourced) {
    const format::Reading reading = format::ReadingOf(quantity, &sourced.record);
    const std::string name = NameOf(quantity);
    if (reading.IsOverRange())
        return Noted(kLeftOutOverRange, {sourced.source, name, format::OverRangeText(quantity, reading)});
    // A value of zero is no reading either: the models take logarithms, the curve a resistance.
    if (!reading.IsMeasured() || !(reading.value > 0))
        return Noted(kLeftOutNoValue, {sourced.source, name});
    if (!sourced.doubtful.empty())
        return Noted(kLeftOutDoubtful, {sourced.source, Joined(sourced.doubtful)});
    return {};
}

}  // namespace terrovane::analysis
