#include "EraseTexts.h"

#include "CellText.h"
#include "ModeName.h"
#include "Quantity.h"
#include "RecordTexts.h"

namespace terrovane::format {
namespace {

struct NameAndUnit {
    const char* name;
    const char* unit;
};

NameAndUnit NameAndUnitOf(Quantity quantity) {
    switch (quantity) {
        case Quantity::Rac:
            return {"Rac", "Ω"};
        case Quantity::R1:
            return {"R1", "Ω"};
        case Quantity::Resistivity:
            return {"ρ", "Ω·m"};
        case Quantity::Iac:
            return {"Iac", "A"};
        default:
            return {"Re", "Ω"};
    }
}

// Cell texts carry their kilo as a trailing "k" ("1.25k", ">300k"): it belongs before the unit.
std::string WithUnit(std::string cell, const char* unit) {
    std::string prefix;
    if (!cell.empty() && cell.back() == 'k') {
        cell.pop_back();
        prefix = "k";
    }
    return cell + " " + prefix + unit;
}

}  // namespace

std::string MainValueText(const record::MeasurementRecord& record) {
    const std::optional<Quantity> quantity = MainQuantity(record.mode);
    if (!quantity) {
        return "no valid reading";
    }
    const NameAndUnit named = NameAndUnitOf(*quantity);
    const std::string cell = FormatCellText(*quantity, &record);
    return std::string(named.name) + " " +
           (cell.empty() ? std::string("no valid reading") : WithUnit(cell, named.unit));
}

std::string EraseOneDetails(std::size_t slot, const record::MeasurementRecord& record) {
    const std::string mode = MainQuantity(record.mode) ? ModeName(record.mode) : std::string("unknown mode");
    return "Result to erase: slot " + SlotText(slot) + ", " + mode + ", " + MainValueText(record) + ", " +
           FormatRecordDate(record) + " " + FormatRecordTime(record);
}

std::string EraseAllDetails(std::size_t storedCount) {
    if (storedCount == 1) {
        return "Results to erase: the 1 stored result.";
    }
    return "Results to erase: all " + std::to_string(storedCount) + " stored results.";
}

}  // namespace terrovane::format
