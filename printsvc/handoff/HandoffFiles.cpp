#include "HandoffFiles.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

#include "GbkText.h"
#include "HandoffDir.h"

namespace terrovane::handoff {
namespace {

QString ToQPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Writes all bytes through a temporary file renamed over the target when complete.
bool WriteWhole(const std::string& path, const char* data, qint64 size, std::string* error) {
    QSaveFile file(ToQPath(path));
    bool ok = file.open(QIODevice::WriteOnly) && file.write(data, size) == size && file.commit();
    if (!ok && error != nullptr)
        *error = "cannot write " + path + ": " + file.errorString().toStdString();
    return ok;
}

std::string FieldText(const QByteArray& bytes, std::size_t offset) {
    if (static_cast<std::size_t>(bytes.size()) <= offset)
        return {};
    const char* start = bytes.constData() + offset;
    const std::size_t available = std::min(kHeaderFieldSize, static_cast<std::size_t>(bytes.size()) - offset);
    return platform::GbkToUtf8(std::string(start, strnlen(start, available)));
}

void PutField(char* field, const std::string& utf8) {
    const std::string gbk = platform::GbkPrefix(platform::Utf8ToGbk(utf8), kHeaderFieldSize);
    std::memcpy(field, gbk.data(), gbk.size());
}

}  // namespace

bool WriteRecordFile(const record::ReadOutBuffer& buffer, std::string* error) {
    return WriteRecordFileAt(platform::HandoffPath(kRecordFileName), buffer, error);
}

bool WriteRecordFileAt(const std::string& path, const record::ReadOutBuffer& buffer, std::string* error) {
    return WriteWhole(path, reinterpret_cast<const char*>(buffer.data()), buffer.size(), error);
}

bool LoadRecordFile(record::RecordTable& table) {
    return LoadRecordFileAt(platform::HandoffPath(kRecordFileName), table);
}

bool LoadRecordFileAt(const std::string& path, record::RecordTable& table) {
    QFile file(ToQPath(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() != static_cast<qint64>(record::kReadOutSize))
        return false;
    record::ReadOutBuffer buffer{};
    if (file.read(reinterpret_cast<char*>(buffer.data()), buffer.size()) !=
        static_cast<qint64>(buffer.size())) {
        return false;
    }
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        const auto packet = record::PacketOf(buffer, slot);
        if (packet[record::RecordPacket::kValidMarkOffset] != record::RecordPacket::kValidMark)
            continue;
        table.Set(slot, record::MeasurementRecord::FromPacket(packet));
    }
    return true;
}

std::optional<HeaderTexts> LoadHeaderFile() {
    return LoadHeaderFileAt(platform::HandoffPath(kHeaderFileName));
}

std::optional<HeaderTexts> LoadHeaderFileAt(const std::string& path) {
    QFile file(ToQPath(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() + 1 < static_cast<qint64>(kHeaderFileSize)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return HeaderTexts{FieldText(bytes, 0), FieldText(bytes, kHeaderFieldSize),
                       FieldText(bytes, 2 * kHeaderFieldSize)};
}

bool SaveHeaderFile(const HeaderTexts& texts) {
    return SaveHeaderFileAt(platform::HandoffPath(kHeaderFileName), texts);
}

bool SaveHeaderFileAt(const std::string& path, const HeaderTexts& texts) {
    char bytes[kHeaderFileSize] = {};
    PutField(bytes, texts.object);
    PutField(bytes + kHeaderFieldSize, texts.serialNumber);
    PutField(bytes + 2 * kHeaderFieldSize, texts.tester);
    return WriteWhole(path, bytes, sizeof bytes, nullptr);
}

}  // namespace terrovane::handoff
