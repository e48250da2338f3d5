#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Result.h"
#include "Sqlite.h"
#include "TypedResults.h"

namespace terrovane::archive {

// Inserts versions of typed results inside a unit of work the caller runs, with its statements prepared
// once: a file of a hundred thousand readings is stored at the speed of the inserts, not of preparing.
// The fields are stored as they are: the caller checked them (TypedResultProblem) and their point.
class TypedResultWriter {
  public:
    explicit TypedResultWriter(Database& db) : db_(db) {}

    // One version; `replaces` the version it corrects, `first` the chain's first uuid (empty for a new
    // result). The id of the new row.
    Result<std::int64_t> Insert(const TypedResultFields& fields, std::optional<std::int64_t> replaces = {},
                                const std::string& first = {});

  private:
    Status Prepare();

    Database& db_;
    Statement uuid_;
    Statement result_;
    Statement value_;
    std::string typedAt_;  // one moment for every version of a batch
};

}  // namespace terrovane::archive
