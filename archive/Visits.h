#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "Result.h"
#include "Visit.h"

namespace terrovane::archive {

// The visits of a site. Every call is one unit of work. A visit needs a real date (YYYY-MM-DD); an
// instrument a name or a serial, and a calibration due date that is a real date or none; the air
// temperature lies between -80 and 70 °C. Texts are kept as typed (up to 2000 characters for the notes,
// 200 for the others).

// The id of the new visit of `visit.site`.
Result<std::int64_t> AddVisit(Archive& archive, const Visit& visit);
// Replaces every field of the visit `visit.id` but its site.
Status UpdateVisit(Archive& archive, const Visit& visit);
// Deletes the visit; its results stay where they are, without a visit.
Status DeleteVisit(Archive& archive, std::int64_t id);
Result<Visit> VisitById(Archive& archive, std::int64_t id);
// The site's visits dated in [since, until] (empty: no bound), oldest first.
Result<std::vector<Visit>> SiteVisits(Archive& archive, std::int64_t site, const std::string& since = {},
                                      const std::string& until = {});

// Assigns the results to the visit, or takes them out of their visits when `visit` is unset. A result
// must be assigned to a test point of the visit's site; it keeps its point, and belongs to one visit at
// most (assigning it again moves it).
Status AssignToVisit(Archive& archive, const std::vector<std::int64_t>& results,
                     std::optional<std::int64_t> visit);
// The site's visits dated on a day one of the results was measured, newest last: the visits a read-out's
// results may join as they are assigned to the site.
Result<std::vector<Visit>> VisitsOnDaysOf(Archive& archive, std::int64_t site,
                                          const std::vector<std::int64_t>& results);
// Assigns those of the results measured on the visit's day to it (the others are left as they are); how
// many joined it.
Result<int> AssignDayToVisit(Archive& archive, const std::vector<std::int64_t>& results, std::int64_t visit);
// The ids of the results assigned to the visit, in the order of measuring.
Result<std::vector<std::int64_t>> VisitResults(Archive& archive, std::int64_t visit);
// The same for results typed by hand (any version's id): the whole typed result, every version of it,
// joins the visit or leaves it; its newest version's point must be of the visit's site.
Status AssignTypedToVisit(Archive& archive, const std::vector<std::int64_t>& typedResults,
                          std::optional<std::int64_t> visit);
// The ids of the newest versions of the typed results in the visit, in the order of measuring.
Result<std::vector<std::int64_t>> VisitTypedResults(Archive& archive, std::int64_t visit);
// The visit a result is assigned to, nullopt when none.
Result<std::optional<std::int64_t>> VisitOfResult(Archive& archive, std::int64_t result);
// The visit a typed result (any version's id) is in, nullopt when none.
Result<std::optional<std::int64_t>> VisitOfTypedResult(Archive& archive, std::int64_t typed);

// "dry", "moist", "wet", "frozen" ("" for Unknown): the words files and the command line use.
const char* SoilWord(SoilCondition soil);
std::optional<SoilCondition> ParseSoil(const std::string& word);

// The instruments whose calibration was due before the visit's date (by their place in the list).
std::vector<std::size_t> PastCalibration(const Visit& visit);
// Whether the text is a real calendar date written YYYY-MM-DD.
bool IsCalendarDate(const std::string& text);

}  // namespace terrovane::archive
