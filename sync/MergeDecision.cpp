#include "MergeDecision.h"

namespace terrovane::sync {

FieldVerdict DecideField(const FieldSides& sides) {
    const bool changedHere = sides.pendingHere && sides.here && *sides.here != sides.incomingValue &&
                             (!sides.base || sides.base->value != *sides.here);
    if (!changedHere) {
        return FieldVerdict::TakeIncoming;
    }
    return sides.hereStamp > sides.incomingStamp ? FieldVerdict::KeepHere
                                                 : FieldVerdict::TakeIncomingConflict;
}

bool IsNews(const std::optional<FieldBase>& base, const std::string& incomingValue,
            const std::string& incomingStamp) {
    return !base || base->value != incomingValue || base->stamp != incomingStamp;
}

std::vector<std::string> FieldsToSend(const std::map<std::string, std::string>& here,
                                      const std::map<std::string, FieldBase>& base) {
    std::vector<std::string> fields;
    for (const auto& [field, value] : here) {
        const auto known = base.find(field);
        if (known == base.end() || known->second.value != value) {
            fields.push_back(field);
        }
    }
    return fields;
}

}  // namespace terrovane::sync
