#pragma once

#include <string>
#include <vector>

#include "RecordPacket.h"
#include "ResultView.h"

namespace terrovane::cli {

// Keeps an accepted read-out in the archive and describes its results in slot order, with their archive
// ids when it was kept. A failure to archive is reported on standard error and never fails the read.
std::vector<archive::ResultView> ArchiveAndDescribe(const record::ReadOutBuffer& image,
                                                    const std::string& port, bool keep);

}  // namespace terrovane::cli
