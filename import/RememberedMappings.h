#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ImportMapping.h"

namespace terrovane::imports {

// The mappings a user has used, each known by the header row of its file, kept as JSON in the programs'
// configuration folder beside their settings: a file of the same layout is then imported as before.
class RememberedMappings {
  public:
    // The file in the configuration folder of the user the programs run as.
    RememberedMappings();
    explicit RememberedMappings(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    // The mapping last used for a file whose header row (at the row that mapping names) is the table's;
    // none when there is none or the file of mappings cannot be read (a damaged one is replaced by the
    // next Remember).
    std::optional<Mapping> Find(const SourceTable& table) const;
    // Keeps the mapping for files with this header row, replacing the file whole. False with `error`.
    [[nodiscard]] bool Remember(const std::vector<std::string>& header, const Mapping& mapping,
                                std::string& error) const;

  private:
    std::string path_;
};

}  // namespace terrovane::imports
