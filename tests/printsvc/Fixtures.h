#pragma once

#include <QTemporaryDir>

#include <cstddef>
#include <string>
#include <vector>

#include "MeasurementRecord.h"
#include "RecordPacket.h"
#include "ShellCommand.h"

namespace terrovane::testing {

// A plausible record of a mode, dated 2012-11-30 10:20:30, with every value set.
record::MeasurementRecord SampleRecord(std::uint32_t mode);

// An image with "OK" markers in every packet and the given records (marked "U") in their slots.
record::ReadOutBuffer ImageWith(
    const std::vector<std::pair<std::size_t, record::MeasurementRecord>>& records);

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// pdftotext -layout of a PDF file.
std::string PdfText(const std::string& pdfPath);
int PdfPageCount(const std::string& pdfPath);

}  // namespace terrovane::testing
