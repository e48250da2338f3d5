#include "RememberedMappings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "AtomicFile.h"
#include "Json.h"
#include "PrivateFolder.h"
#include "RegularFile.h"
#include "Settings.h"

namespace terrovane::imports {
namespace {

using numbers::Json;

// A file of mappings is small; anything larger is not one of ours.
constexpr std::size_t kMostMappingBytes = 4u << 20;

std::string SettingsFolder() {
    const QSettings settings = QCoreApplication::organizationName().isEmpty()
                                   ? QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                               QString::fromUtf8(platform::kSettingsProfile),
                                               QString::fromUtf8(platform::kSettingsProgram))
                                   : QSettings();
    return QFileInfo(settings.fileName()).absolutePath().toStdString();
}

Json Stored(const std::string& path) {
    const platform::FileContent file =
        platform::ReadRegularFile(path, kMostMappingBytes, platform::Links::Refuse);
    if (file.status != platform::FileStatus::Read) {
        return Json::object();
    }
    Json document = Json::parse(file.bytes, nullptr, false);
    return document.is_object() && document.contains("mappings") && document["mappings"].is_array()
               ? document
               : Json::object();
}

}  // namespace

RememberedMappings::RememberedMappings() : path_(SettingsFolder() + "/import-mappings.json") {}

std::optional<Mapping> RememberedMappings::Find(const SourceTable& table) const {
    const Json document = Stored(path_);
    if (!document.contains("mappings")) {
        return std::nullopt;
    }
    for (const Json& entry : document["mappings"]) {
        if (!entry.is_object() || !entry.contains("header") || !entry.contains("mapping")) {
            continue;
        }
        auto mapping = MappingFromJson(entry["mapping"].dump());
        if (mapping && mapping.Value().headerRow > 0 &&
            entry["header"] == Json(HeaderOf(mapping.Value(), table))) {
            return mapping.Value();
        }
    }
    return std::nullopt;
}

bool RememberedMappings::Remember(const std::vector<std::string>& header, const Mapping& mapping,
                                  std::string& error) const {
    Json document = Stored(path_);
    Json kept = Json::array();
    kept.push_back(Json{{"header", header}, {"mapping", Json::parse(MappingJson(mapping))}});
    if (document.contains("mappings")) {
        for (const Json& entry : document["mappings"]) {
            if (!(entry.is_object() && entry.contains("header") && entry["header"] == Json(header))) {
                kept.push_back(entry);
            }
        }
    }
    const std::string folder = QFileInfo(QString::fromStdString(path_)).absolutePath().toStdString();
    if (!platform::MakePrivateFolder(folder)) {
        error = folder + ": cannot be made";
        return false;
    }
    return platform::WriteFileAtomically(path_, Json{{"mappings", kept}}.dump(2) + "\n", error);
}

}  // namespace terrovane::imports
