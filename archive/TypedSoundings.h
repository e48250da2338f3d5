#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Archive.h"
#include "Result.h"
#include "TypedMethods.h"
#include "TypedTaking.h"
#include "TypedTraverses.h"

namespace terrovane::archive {

// How the four electrodes of a sounding stood: Wenner (equal spacings a, the spacing typed is a) or
// Schlumberger (the spacing typed is half the current electrodes' distance, AB/2).
enum class ElectrodeArray { Wenner, Schlumberger };

// "wenner", "schlumberger": the words the files and the command line use.
const char* ElectrodeArrayWord(ElectrodeArray array);
std::optional<ElectrodeArray> ElectrodeArrayOf(std::string_view word);

// One reading of a sounding: the spacing in metres and what was read there, in the sounding's quantity's
// base unit (ohm or ohm-metre). A Schlumberger reading also has MN/2, half the potential electrodes'
// distance in metres (0 for a Wenner reading, and for a Schlumberger one kept before MN/2 was asked for).
struct TypedSoundingPoint {
    double spacing = 0;
    double reading = 0;
    double mn2 = 0;

    bool operator==(const TypedSoundingPoint&) const = default;
};

// A soil sounding measured with another instrument and typed in, kept with its site.
struct TypedSounding {
    std::int64_t id = 0;
    std::int64_t site = 0;
    std::string siteName;  // filled when read
    ElectrodeArray array = ElectrodeArray::Wenner;
    TypedQuantity quantity = TypedQuantity::Resistivity;  // Resistance or Resistivity
    std::vector<TypedSoundingPoint> points;               // in the order typed
    TypedTaking taking;
    std::string typedAt;  // ISO 8601, set when stored
};

// Empty when the sounding can be stored: resistances or resistivities, two to kMostTypedReadings readings,
// each spacing and reading a finite number above 0, a Schlumberger reading's MN/2 above 0 and below its
// AB/2 (the potential electrodes inside the current ones), no spacing twice, and a taking
// TypedTakingProblem accepts.
// Otherwise what is wrong (a text of Problems.h with its arguments filled).
[[nodiscard]] std::optional<Failure> TypedSoundingProblem(const TypedSounding& sounding,
                                                          const std::string& now);

// Stores the sounding with its site in one unit of work; its id.
Result<std::int64_t> AddTypedSounding(Archive& archive, const TypedSounding& sounding);
// The site's typed soundings, newest measured first.
Result<std::vector<TypedSounding>> TypedSoundings(Archive& archive, std::int64_t site);
Result<TypedSounding> TypedSoundingById(Archive& archive, std::int64_t id);

}  // namespace terrovane::archive
