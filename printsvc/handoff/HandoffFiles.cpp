#include "HandoffFiles.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

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

std::optional<HeaderTexts> ReadHeaderBytesFile(const std::string& path, Links links) {
    // Bytes beyond the three fields are never used, so they are not read either.
    const auto file = platform::ReadRegularFile(path, kHeaderFileSize, links);
    if (file.status != FileStatus::Read || file.size + 1 < kHeaderFileSize) {
        return std::nullopt;
    }
    return ParseHeaderBytes(file.bytes);
}

constexpr std::size_t kHeaderTextFileMaxBytes = 64 * 1024;
constexpr const char* kObjectKey = "object";
constexpr const char* kSerialNumberKey = "serial_number";
constexpr const char* kTesterKey = "tester";

std::optional<HeaderTexts> ReadHeaderTextFile(const std::string& path, Links links) {
    const auto file = platform::ReadRegularFile(path, kHeaderTextFileMaxBytes + 1, links);
    if (file.status != FileStatus::Read || file.bytes.size() > kHeaderTextFileMaxBytes)
        return std::nullopt;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(file.bytes.data(), static_cast<qsizetype>(file.bytes.size())));
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    HeaderTexts texts;
    const std::pair<const char*, std::string*> fields[] = {
        {kObjectKey, &texts.object}, {kSerialNumberKey, &texts.serialNumber}, {kTesterKey, &texts.tester}};
    for (const auto& [key, text] : fields) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (!value.isString())
            return std::nullopt;
        *text = value.toString().toStdString();
    }
    return texts;
}

std::string AsInHeaderFile(const std::string& utf8) {
    return platform::GbkToUtf8(platform::GbkPrefix(platform::Utf8ToGbk(utf8), kHeaderFieldSize));
}

// set.json speaks for set.inf only while set.inf still holds what set.json holds, as far as GBK can
// say it: a reader that knows only set.inf may have written another header since.
bool Agree(const HeaderTexts& typed, const HeaderTexts& stored) {
    return AsInHeaderFile(typed.object) == stored.object &&
           AsInHeaderFile(typed.serialNumber) == stored.serialNumber &&
           AsInHeaderFile(typed.tester) == stored.tester;
}

std::optional<HeaderTexts> ReadHeaderFile(const std::string& path, Links links) {
    const std::optional<HeaderTexts> stored = ReadHeaderBytesFile(path, links);
    const std::optional<HeaderTexts> typed = ReadHeaderTextFile(HeaderTextPathFor(path), links);
    if (typed && (!stored || Agree(*typed, *stored)))
        return typed;
    return stored;
}

std::string HeaderTextBytes(const HeaderTexts& texts) {
    QJsonObject object;
    object.insert(QLatin1String(kObjectKey), QString::fromStdString(texts.object));
    object.insert(QLatin1String(kSerialNumberKey), QString::fromStdString(texts.serialNumber));
    object.insert(QLatin1String(kTesterKey), QString::fromStdString(texts.tester));
    return QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
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

std::string HeaderTextPathFor(const std::string& headerPath) {
    const std::string_view inf = ".inf";
    const std::string stem =
        headerPath.ends_with(inf) ? headerPath.substr(0, headerPath.size() - inf.size()) : headerPath;
    return stem + ".json";
}

bool SaveHeaderFileAt(const std::string& path, const HeaderTexts& texts) {
    char bytes[kHeaderFileSize] = {};
    PutField(bytes, texts.object);
    PutField(bytes + kHeaderFieldSize, texts.serialNumber);
    PutField(bytes + 2 * kHeaderFieldSize, texts.tester);
    // set.inf first: when it cannot be written, nothing is (a full disk leaves the old pair as it was).
    // Should set.json then fail, the older set.json disagrees with the new set.inf, which then stands alone;
    // the caller hears of it, as the typed letters were not all kept.
    if (!WriteWhole(path, bytes, sizeof bytes, nullptr))
        return false;
    const std::string typed = HeaderTextBytes(texts);
    return WriteWhole(HeaderTextPathFor(path), typed.data(), typed.size(), nullptr);
}

std::vector<std::string> HandoffProblems() {
    std::string refusal;
    const auto dir = platform::HandoffDir(&refusal);
    if (!dir)
        return {refusal};
    std::vector<std::string> problems;
    for (const char* name : {kRecordFileName, kHeaderFileName, kHeaderTextFileName}) {
        const auto file = platform::CheckRegularFile(*dir + "/" + name, Links::Refuse);
        if (file.status == FileStatus::Refused)
            problems.push_back(file.error + "; it is neither read nor replaced. Remove it.");
    }
    return problems;
}

}  // namespace terrovane::handoff
