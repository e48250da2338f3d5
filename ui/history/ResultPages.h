#pragma once

#include <string>
#include <vector>

#include "Archive.h"
#include "ResultView.h"

namespace terrovane::history {

// The archived results of one filter and order, read a page at a time: those read so far, described for
// the list, and whether more are left to read.
class ResultPages {
  public:
    static constexpr int kPageSize = 200;

    explicit ResultPages(archive::Archive* archive) : archive_(archive) {}

    void SetArchive(archive::Archive* archive) { archive_ = archive; }
    void SetFilter(const archive::ResultFilter& filter) { filter_ = filter; }
    const archive::ResultFilter& Filter() const { return filter_; }
    void SetSort(const archive::ResultSort& sort) { sort_ = sort; }
    // Forgets what was read; without an archive there is nothing to read.
    void Clear();
    // Reads the page after those read so far; false when the archive refused (Error says why).
    bool ReadNext(std::vector<archive::ResultRow>& page);
    // Keeps a page read, each result described with these thresholds.
    void Append(std::vector<archive::ResultRow> page, const archive::ValidityThresholds& thresholds);

    bool Complete() const { return complete_; }
    // The last read's failure, "" when it went well.
    const std::string& Error() const { return error_; }
    int Count() const { return static_cast<int>(views_.size()); }
    const archive::ResultView* ResultAt(int row) const;
    const archive::ResultRow* RowAt(int row) const;

  private:
    archive::Archive* archive_;
    archive::ResultFilter filter_;
    archive::ResultSort sort_;
    std::vector<archive::ResultRow> rows_;
    std::vector<archive::ResultView> views_;
    bool complete_ = false;
    std::string error_;
};

}  // namespace terrovane::history
