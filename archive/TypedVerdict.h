#pragma once

#include <optional>

#include "SiteTypes.h"
#include "TypedResults.h"
#include "Verdict.h"

namespace terrovane::archive {

// The value a typed result is judged and trended by (its method's main value); null when it has none.
const TypedValue* MainValue(const TypedResultFields& fields);

// A typed earth resistance against the point's limit, as a read-out's is judged: at the limit passes, over
// range above a bound at or above the limit fails, below it tells nothing. None for a method that measures
// no earth resistance or without a limit.
Verdict JudgeTyped(const TypedResultFields& fields, const std::optional<Limit>& limit);

}  // namespace terrovane::archive
