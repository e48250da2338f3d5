#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "ResultView.h"
#include "TypedResults.h"

namespace terrovane::archive {

// A typed result as the results' files show a read-out's: its values under the quantities they measure
// (Re, Rs, Rh, Rk, Rac; rho under Resistivity, I under Iac, R under R1), a value over range as its bound,
// the verdict at its point, and its mark (method, instrument, who measured and typed it).
ResultView TypedResultView(const TypedResultVersion& version);

// The quantity of the results' files a typed value is shown under: Re, Rs, Rh, Rk and Rac as they are, R
// under R1, rho under Resistivity and I under Iac.
std::optional<format::Quantity> QuantityOfTypedValue(std::string_view name);

// The read-outs' results, then the typed ones.
std::vector<ResultView> WithTypedViews(std::vector<ResultView> results,
                                       const std::vector<TypedResultVersion>& typed);

}  // namespace terrovane::archive
