#include "Fixtures.h"

#include <sys/wait.h>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>

namespace terrovane::testing {

record::MeasurementRecord SampleRecord(std::uint32_t mode) {
    record::MeasurementRecord r;
    r.mode = mode;
    r.year = 0x12, r.month = 0x11, r.day = 0x30, r.hour = 0x10, r.minute = 0x20, r.second = 0x30;
    r.voltageCode = 1;
    r.frequencyCode = 2;
    r.values = {12.5f, 1500.f, 2500.f, 40.f, 2.5f, 3.5f, 700.f, 0.25f, 50.f, 3.f, 1.5f};
    r.integerValue = 10;
    r.validMark = 'U';
    return r;
}

record::ReadOutBuffer ImageWith(
    const std::vector<std::pair<std::size_t, record::MeasurementRecord>>& records) {
    record::ReadOutBuffer image{};
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        auto packet = record::PacketOf(image, slot);
        packet[0] = packet[68] = 'O';
        packet[1] = packet[69] = 'K';
    }
    for (const auto& [slot, r] : records) {
        auto packet = record::PacketOf(image, slot);
        r.ToPacket(packet);
        packet[record::RecordPacket::kValidMarkOffset] = 'U';
    }
    return image;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string PdfText(const std::string& pdfPath) {
    return RunCommand("pdftotext -layout '" + pdfPath + "' - 2>/dev/null").text;
}

int PdfPageCount(const std::string& pdfPath) {
    const std::string info = RunCommand("pdfinfo '" + pdfPath + "' 2>/dev/null").text;
    std::smatch match;
    static const std::regex pages("Pages:\\s+(\\d+)");
    return std::regex_search(info, match, pages) ? std::stoi(match[1]) : -1;
}

}  // namespace terrovane::testing
