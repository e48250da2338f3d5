#include "HandoffFiles.h"

#include <algorithm>
#include <cstring>

#include "AtomicFile.h"
#include "GbkText.h"
#include "HandoffDir.h"
#include "RegularFile.h"

namespace terrovane::handoff {
namespace {

using platform::FileStatus;
using platform::Links;

bool WriteWhole(const std::string& path, const char* data, std::size_t size, std::string* error) {
    std::string reason;
    if (platform::WriteFileAtomically(path, std::string_view(data, size), reason))
        return true;
    if (error != nullptr)
        *error = reason;
    return false;
}

// A hand-off file's path, or nullopt (with the folder's refusal in `error`).
std::optional<std::string> InFolder(const char* name, std::string* error) {
    return platform::HandoffPath(name, error);
}

std::string FieldText(std::string_view bytes, std::size_t offset) {
    if (bytes.size() <= offset)
        return {};
    const std::string_view field = bytes.substr(offset, kHeaderFieldSize);
    return platform::GbkToUtf8(std::string(field.substr(0, std::min(field.find('\0'), field.size()))));
}

void PutField(char* field, const std::string& utf8) {
    const std::string gbk = platform::GbkPrefix(platform::Utf8ToGbk(utf8), kHeaderFieldSize);
    std::memcpy(field, gbk.data(), gbk.size());
}

bool UnpackRecordFile(const std::string& path, Links links, record::RecordTable& table) {
    const auto file = platform::ReadRegularFile(path, record::kReadOutSize, links);
    return file.status == FileStatus::Read && file.size == record::kReadOutSize &&
           UnpackRecordBytes(file.bytes, table);
}

std::optional<HeaderTexts> ReadHeaderFile(const std::string& path, Links links) {
    // Bytes beyond the three fields are never used, so they are not read either.
    const auto file = platform::ReadRegularFile(path, kHeaderFileSize, links);
    if (file.status != FileStatus::Read || file.size + 1 < kHeaderFileSize) {
        return std::nullopt;
    }
    return ParseHeaderBytes(file.bytes);
}

}  // namespace

bool UnpackRecordBytes(std::string_view bytes, record::RecordTable& table) {
    if (bytes.size() != record::kReadOutSize)
        return false;
    record::ReadOutBuffer buffer{};
    std::memcpy(buffer.data(), bytes.data(), buffer.size());
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        const auto packet = record::PacketOf(buffer, slot);
        if (packet[record::RecordPacket::kValidMarkOffset] != record::RecordPacket::kValidMark)
            continue;
        table.Set(slot, record::MeasurementRecord::FromPacket(packet));
    }
    return true;
}

std::optional<HeaderTexts> ParseHeaderBytes(std::string_view bytes) {
    if (bytes.size() + 1 < kHeaderFileSize)
        return std::nullopt;
    return HeaderTexts{FieldText(bytes, 0), FieldText(bytes, kHeaderFieldSize),
                       FieldText(bytes, 2 * kHeaderFieldSize)};
}

bool WriteRecordFile(const record::ReadOutBuffer& buffer, std::string* error) {
    const auto path = InFolder(kRecordFileName, error);
    return path && WriteRecordFileAt(*path, buffer, error);
}

bool WriteRecordFileAt(const std::string& path, const record::ReadOutBuffer& buffer, std::string* error) {
    return WriteWhole(path, reinterpret_cast<const char*>(buffer.data()), buffer.size(), error);
}

bool LoadRecordFile(record::RecordTable& table) {
    const auto path = InFolder(kRecordFileName, nullptr);
    return path && UnpackRecordFile(*path, Links::Refuse, table);
}

bool LoadRecordFileAt(const std::string& path, record::RecordTable& table) {
    return UnpackRecordFile(path, Links::Follow, table);
}

std::optional<HeaderTexts> LoadHeaderFile() {
    const auto path = InFolder(kHeaderFileName, nullptr);
    return path ? ReadHeaderFile(*path, Links::Refuse) : std::nullopt;
}

std::optional<HeaderTexts> LoadHeaderFileAt(const std::string& path) {
    return ReadHeaderFile(path, Links::Follow);
}

bool SaveHeaderFile(const HeaderTexts& texts) {
    const auto path = InFolder(kHeaderFileName, nullptr);
    return path && SaveHeaderFileAt(*path, texts);
}

bool SaveHeaderFileAt(const std::string& path, const HeaderTexts& texts) {
    char bytes[kHeaderFileSize] = {};
    PutField(bytes, texts.object);
    PutField(bytes + kHeaderFieldSize, texts.serialNumber);
    PutField(bytes + 2 * kHeaderFieldSize, texts.tester);
    return WriteWhole(path, bytes, sizeof bytes, nullptr);
}

std::vector<std::string> HandoffProblems() {
    std::string refusal;
    const auto dir = platform::HandoffDir(&refusal);
    if (!dir)
        return {refusal};
    std::vector<std::string> problems;
    for (const char* name : {kRecordFileName, kHeaderFileName}) {
        const auto file = platform::CheckRegularFile(*dir + "/" + name, Links::Refuse);
        if (file.status == FileStatus::Refused)
            problems.push_back(file.error + "; it is neither read nor replaced. Remove it.");
    }
    return problems;
}

}  // namespace terrovane::handoff
