#include "TypedVerdict.h"

#include <algorithm>

namespace terrovane::archive {

const TypedValue* MainValue(const TypedResultFields& fields) {
    const TypedMethod* method = FindTypedMethod(fields.method);
    if (method == nullptr) {
        return nullptr;
    }
    const auto found = std::find_if(fields.values.begin(), fields.values.end(),
                                    [&](const TypedValue& value) { return value.name == method->mainValue; });
    return found == fields.values.end() ? nullptr : &*found;
}

Verdict JudgeTyped(const TypedResultFields& fields, const std::optional<Limit>& limit) {
    const TypedMethod* method = FindTypedMethod(fields.method);
    const TypedValue* main = MainValue(fields);
    if (!limit || method == nullptr || !method->earthResistance || main == nullptr) {
        return Verdict::None;
    }
    if (main->overRange) {
        return main->number >= limit->ohms ? Verdict::Fail : Verdict::None;
    }
    return main->number <= limit->ohms ? Verdict::Pass : Verdict::Fail;
}

}  // namespace terrovane::archive
