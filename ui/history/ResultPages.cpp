// The archive window's results, read a page at a time.
#include "ResultPages.h"

namespace terrovane::history {

void ResultPages::Clear() {
    rows_.clear();
    views_.clear();
    complete_ = archive_ == nullptr;
    error_.clear();
}

bool ResultPages::ReadNext(std::vector<archive::ResultRow>& page) {
    if (!archive_->Results(filter_, sort_, kPageSize, static_cast<int>(rows_.size()), page, error_)) {
        complete_ = true;
        return false;
    }
    complete_ = page.size() < static_cast<std::size_t>(kPageSize);
    return true;
}

void ResultPages::Append(std::vector<archive::ResultRow> page,
                         const archive::ValidityThresholds& thresholds) {
    for (archive::ResultRow& row : page) {
        views_.push_back(archive::DescribeResult(row, thresholds));
        rows_.push_back(std::move(row));
    }
}

const archive::ResultView* ResultPages::ResultAt(int row) const {
    return row >= 0 && row < static_cast<int>(views_.size()) ? &views_[static_cast<std::size_t>(row)]
                                                             : nullptr;
}

const archive::ResultRow* ResultPages::RowAt(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? &rows_[static_cast<std::size_t>(row)] : nullptr;
}

}  // namespace terrovane::history
