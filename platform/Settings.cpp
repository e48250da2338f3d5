#include "Settings.h"

#include <QCoreApplication>
#include <QSettings>

namespace terrovane::platform {
namespace {

const QString kArchiving = QStringLiteral("Archive/Enabled");
const QString kFastReadOut = QStringLiteral("Link/FastReadOut");
const QString kPortChoice = QStringLiteral("Port/Chosen");
const QString kJammingVoltage = QStringLiteral("Validity/JammingVoltage");
const QString kAuxiliaryResistance = QStringLiteral("Validity/AuxiliaryResistance");
const QString kLanguage = QString::fromLatin1(kLanguageSettingKey);
const QString kTeamServer = QStringLiteral("Team/Server");
const QString kTeamUser = QStringLiteral("Team/User");
const QString kTeamSyncMinutes = QStringLiteral("Team/SyncMinutes");
const QString kTeamLastSync = QStringLiteral("Team/LastSync");
const QString kReportTester = QStringLiteral("SiteReport/Tester");
const QString kReportInstrument = QStringLiteral("SiteReport/InstrumentSerial");
const QString kArchivePanes = QStringLiteral("Archive/Panes");
const QString kProgressX = QStringLiteral("Settings/X");
const QString kProgressY = QStringLiteral("Settings/Y");

std::unique_ptr<QSettings> OpenFile() {
    if (!QCoreApplication::organizationName().isEmpty())
        return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromUtf8(kSettingsProfile),
                                       QString::fromUtf8(kSettingsProgram));
}

std::optional<double> PositiveNumber(const QSettings& file, const QString& key) {
    bool ok = false;
    const double value = file.value(key).toDouble(&ok);
    if (!ok || !(value > 0))
        return std::nullopt;
    return value;
}

std::optional<int> WholeNumber(const QSettings& file, const QString& key) {
    bool ok = false;
    const int value = file.value(key).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

Settings::Settings() : file_(OpenFile()) {}
Settings::~Settings() = default;

bool Settings::Archiving() const {
    return file_->value(kArchiving, true).toBool();
}
void Settings::SetArchiving(bool enabled) {
    file_->setValue(kArchiving, enabled);
}

bool Settings::FastReadOut() const {
    return file_->value(kFastReadOut, false).toBool();
}
void Settings::SetFastReadOut(bool fast) {
    file_->setValue(kFastReadOut, fast);
}

std::string Settings::PortChoice() const {
    return file_->value(kPortChoice).toString().toStdString();
}
void Settings::SetPortChoice(const std::string& selector) {
    file_->setValue(kPortChoice, QString::fromStdString(selector));
}

std::optional<double> Settings::JammingVoltageLimit() const {
    return PositiveNumber(*file_, kJammingVoltage);
}
std::optional<double> Settings::AuxiliaryResistanceLimit() const {
    return PositiveNumber(*file_, kAuxiliaryResistance);
}

QString Settings::Language() const {
    return file_->value(kLanguage).toString();
}
void Settings::SetLanguage(const QString& code) {
    file_->setValue(kLanguage, code);
}

std::string Settings::TeamServer() const {
    return file_->value(kTeamServer).toString().toStdString();
}
void Settings::SetTeamServer(const std::string& conninfo) {
    file_->setValue(kTeamServer, QString::fromStdString(conninfo));
}

QString Settings::TeamUser() const {
    return file_->value(kTeamUser).toString();
}
void Settings::SetTeamUser(const QString& user) {
    file_->setValue(kTeamUser, user);
}

int Settings::TeamSyncMinutes() const {
    const auto minutes = WholeNumber(*file_, kTeamSyncMinutes);
    return minutes && *minutes > 0 ? *minutes : 0;
}
void Settings::SetTeamSyncMinutes(int minutes) {
    file_->setValue(kTeamSyncMinutes, minutes > 0 ? minutes : 0);
}

// Kept in UTC as ISO 8601, so the file reads the same whatever the PC's zone or language.
QDateTime Settings::TeamLastSync() const {
    return QDateTime::fromString(file_->value(kTeamLastSync).toString(), Qt::ISODate);
}
void Settings::SetTeamLastSync(const QDateTime& when) {
    file_->setValue(kTeamLastSync, when.toUTC().toString(Qt::ISODate));
}

QString Settings::ReportTester() const {
    return file_->value(kReportTester).toString();
}
QString Settings::ReportInstrument() const {
    return file_->value(kReportInstrument).toString();
}
void Settings::SetReportSigner(const QString& tester, const QString& instrument) {
    file_->setValue(kReportTester, tester);
    file_->setValue(kReportInstrument, instrument);
}

QByteArray Settings::ArchivePanes() const {
    return file_->value(kArchivePanes).toByteArray();
}
void Settings::SetArchivePanes(const QByteArray& state) {
    file_->setValue(kArchivePanes, state);
}

std::optional<QPoint> Settings::ProgressPosition() const {
    const auto x = WholeNumber(*file_, kProgressX);
    const auto y = WholeNumber(*file_, kProgressY);
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}
void Settings::SetProgressPosition(QPoint position) {
    file_->setValue(kProgressX, position.x());
    file_->setValue(kProgressY, position.y());
}

bool Settings::Save() {
    file_->sync();
    return file_->status() == QSettings::NoError;
}

}  // namespace terrovane::platform
