#pragma once

#include <QString>

#include <string>

#include "ReadOutState.h"

namespace terrovane::cli {

// Reads a saved read-out image named on the command line (data.inf, read --out's file). Only a regular
// file of exactly 7200 bytes is read; a folder, a device, a FIFO or a file of another size is refused
// without blocking or reading it whole, with `error` naming the file and why.
bool ReadImageFile(const std::string& path, record::ReadOutBuffer& buffer, QString& error);

}  // namespace terrovane::cli
