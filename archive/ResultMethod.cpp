#include "ResultMethod.h"

#include "CellText.h"
#include "Mode.h"
#include "Reading.h"
#include "TypedMethods.h"

#include <utility>

namespace terrovane::archive {
namespace {

// A probe resistance as the instrument showed it: a number, or the bound it lay above; none otherwise.
std::optional<TypedValue> Auxiliary(const char* name, format::Quantity quantity,
                                    const record::MeasurementRecord& record) {
    const format::Reading reading = format::ReadingOf(quantity, &record);
    if (!reading.IsMeasured() && !reading.IsOverRange()) {
        return std::nullopt;
    }
    return TypedValue{name, reading.value, reading.IsOverRange()};
}

// A resistance cell of the workbook ("1.53k", ">300k", "820") with its unit, "1.53 kΩ", "> 300 kΩ".
std::string ShownOhms(std::string cell) {
    if (cell.empty()) {
        return cell;
    }
    std::string prefix;
    if (cell.front() == '>') {
        prefix = "> ";
        cell.erase(0, 1);
    }
    if (!cell.empty() && cell.back() == 'k') {
        cell.pop_back();
        return prefix + cell + " k\u03A9";
    }
    return prefix + cell + " \u03A9";
}

// The typed value as the outputs write it, without its name: "700 Ω", "> 300 kΩ".
std::string TypedShown(const std::optional<TypedValue>& value) {
    if (!value) {
        return {};
    }
    const std::string text = TypedValueText(*value);
    const std::string shown = text.substr(text.find_first_of("=>") + 1);
    return value->overRange ? "> " + shown : shown;
}

std::optional<TypedValue> ViewAuxiliary(const char* name, const format::Reading& reading) {
    if (!reading.IsMeasured() && !reading.IsOverRange()) {
        return std::nullopt;
    }
    return TypedValue{name, reading.value, reading.IsOverRange()};
}

// The index of a named value among the view's readings.
std::size_t ValueIndex(const char* name) {
    for (std::size_t i = 0; i < kValueNames; ++i) {
        if (std::string_view(ValueQuantities()[i].name) == name) {
            return i;
        }
    }
    return 0;
}

std::optional<TypedValue> TypedNamed(const TypedResultFields& fields, const char* name) {
    for (const TypedValue& value : fields.values) {
        if (value.name == name) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace

bool AuxiliaryAbove(const ResultMethod& method) {
    for (const auto& value : {method.rs, method.rh}) {
        if (value && (value->overRange || value->number > method.auxiliaryLimit)) {
            return true;
        }
    }
    return false;
}

std::string MethodCodeOf(std::uint32_t mode) {
    using record::Mode;
    static const std::pair<Mode, const char*> kCodes[] = {{Mode::ThreePole, "3-pole"},
                                                          {Mode::FourPole, "4-pole"},
                                                          {Mode::ThreePoleClamp, "3-pole-clamp"},
                                                          {Mode::FourPoleClamp, "4-pole-clamp"},
                                                          {Mode::TwoClamp, "2-clamp"},
                                                          {Mode::TwoPoleAc, "2-pole-ac"},
                                                          {Mode::TwoPoleDc, "2-pole-dc"},
                                                          {Mode::FourPoleDc, "4-pole-dc"},
                                                          {Mode::Resistivity, "resistivity"},
                                                          {Mode::AcCurrent, "ac-current"}};
    for (const auto& [known, code] : kCodes) {
        if (record::ModeOf(mode) == known) {
            return code;
        }
    }
    return {};
}

ResultMethod MethodOf(const record::MeasurementRecord& record, const ValidityThresholds& thresholds) {
    ResultMethod method;
    method.method = MethodCodeOf(record.mode);
    method.earthResistance = record::MeasuresEarthResistance(record::ModeOf(record));
    method.auxiliaryLimit = thresholds.auxiliaryOhms;
    if (!method.earthResistance) {
        return method;
    }
    const std::string frequency = format::FormatCellText(format::Quantity::TestFrequency, &record);
    const bool code = format::ReadingOf(format::Quantity::TestFrequency, &record).code != nullptr;
    method.frequency = frequency.empty() || code ? frequency : frequency + " Hz";
    method.rs = Auxiliary("Rs", format::Quantity::Rs, record);
    method.rh = Auxiliary("Rh", format::Quantity::Rh, record);
    method.rsShown = method.rs ? ShownOhms(format::FormatCellText(format::Quantity::Rs, &record)) : "";
    method.rhShown = method.rh ? ShownOhms(format::FormatCellText(format::Quantity::Rh, &record)) : "";
    return method;
}

ResultMethod MethodOf(const TypedResultFields& fields, const ValidityThresholds& thresholds) {
    ResultMethod method;
    method.method = fields.method;
    method.typed = true;
    const TypedMethod* known = FindTypedMethod(fields.method);
    method.earthResistance = known != nullptr && known->earthResistance;
    method.auxiliaryLimit = thresholds.auxiliaryOhms;
    if (method.earthResistance) {
        method.rs = TypedNamed(fields, "Rs");
        method.rh = TypedNamed(fields, "Rh");
        method.rsShown = TypedShown(method.rs);
        method.rhShown = TypedShown(method.rh);
    }
    return method;
}

ResultMethod MethodOf(const ResultView& view, const ValidityThresholds& thresholds) {
    ResultMethod method;
    method.method = MethodCodeOf(view.mode);
    method.earthResistance = record::MeasuresEarthResistance(record::ModeOf(view.mode));
    method.auxiliaryLimit = thresholds.auxiliaryOhms;
    if (!method.earthResistance) {
        return method;
    }
    const format::Reading& frequency = view.readings[ValueIndex("TestFrequency")];
    const std::string& cell = view.cells[format::kFirstValueColumn + ValueIndex("TestFrequency")];
    method.frequency = cell.empty() || frequency.code != nullptr ? cell : cell + " Hz";
    method.rs = ViewAuxiliary("Rs", view.readings[ValueIndex("Rs")]);
    method.rh = ViewAuxiliary("Rh", view.readings[ValueIndex("Rh")]);
    method.rsShown = method.rs ? ShownOhms(view.cells[format::kFirstValueColumn + ValueIndex("Rs")]) : "";
    method.rhShown = method.rh ? ShownOhms(view.cells[format::kFirstValueColumn + ValueIndex("Rh")]) : "";
    return method;
}

}  // namespace terrovane::archive
