#include "PrivateSecretService.h"

#include <QDeadlineTimer>
#include <QThread>

#include <fstream>

namespace terrovane::testing {
namespace {

constexpr int kStartMs = 15000;
const QString kKeyringPassword = QStringLiteral("keyring-of-the-test");

// A session bus that starts nothing by itself (no service folders): only what the test runs is on it.
std::string BusConfiguration(const std::filesystem::path& socket) {
    return R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=)" +
           socket.string() + R"(</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";
}

std::string Errors(QProcess& process) {
    return process.readAllStandardError().trimmed().toStdString();
}

void Stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

}  // namespace

PrivateSecretService::PrivateSecretService(const std::filesystem::path& folder) : home_(folder / "home") {
    std::filesystem::create_directories(home_ / ".config");
    std::filesystem::create_directories(home_ / ".local/share");
    const std::filesystem::path runtime = folder / "run";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    environment_ = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                             "KDE_FULL_SESSION", "KDE_SESSION_VERSION", "GNOME_DESKTOP_SESSION_ID",
                             "GNOME_KEYRING_CONTROL", "SSH_AUTH_SOCK", "DBUS_SESSION_BUS_ADDRESS"}) {
        environment_.remove(QString::fromLatin1(name));
    }
    environment_.insert(QStringLiteral("HOME"), QString::fromStdString(home_.string()));
    environment_.insert(QStringLiteral("XDG_CONFIG_HOME"),
                        QString::fromStdString((home_ / ".config").string()));
    environment_.insert(QStringLiteral("XDG_DATA_HOME"),
                        QString::fromStdString((home_ / ".local/share").string()));
    environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.string()));
    environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (StartBus(folder)) {
        StartKeyring();
    }
}

PrivateSecretService::~PrivateSecretService() {
    Stop(keyring_);
    Stop(bus_);
}

bool PrivateSecretService::StartBus(const std::filesystem::path& folder) {
    const std::filesystem::path configuration = folder / "bus.conf";
    std::ofstream(configuration) << BusConfiguration(folder / "bus");
    bus_.setProcessEnvironment(environment_);
    bus_.start(QStringLiteral("dbus-daemon"),
               {QStringLiteral("--config-file=") + QString::fromStdString(configuration.string()),
                QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!bus_.waitForStarted(kStartMs)) {
        failure_ = "dbus-daemon cannot be started: " + bus_.errorString().toStdString();
        return false;
    }
    // It prints its address once it listens.
    const QDeadlineTimer deadline(kStartMs);
    while (!bus_.canReadLine() && !deadline.hasExpired() && bus_.state() == QProcess::Running) {
        bus_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    }
    const QString address = QString::fromUtf8(bus_.readLine()).trimmed();
    if (address.isEmpty()) {
        failure_ = "dbus-daemon gave no address: " + Errors(bus_);
        return false;
    }
    environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    return true;
}

bool PrivateSecretService::StartKeyring() {
    keyring_.setProcessEnvironment(environment_);
    keyring_.start(
        QStringLiteral("gnome-keyring-daemon"),
        {QStringLiteral("--foreground"), QStringLiteral("--unlock"), QStringLiteral("--components=secrets")});
    if (!keyring_.waitForStarted(kStartMs)) {
        failure_ = "gnome-keyring-daemon cannot be started: " + keyring_.errorString().toStdString();
        return false;
    }
    // The login keyring is made with this password, unlocked.
    // The daemon reads it up to the end of its input; no event loop turns here to pass it on by itself.
    keyring_.write(kKeyringPassword.toUtf8());
    keyring_.waitForBytesWritten(kStartMs);
    keyring_.closeWriteChannel();
    const QDeadlineTimer deadline(kStartMs);
    while (!deadline.hasExpired()) {
        if (keyring_.state() != QProcess::Running) {
            failure_ = "gnome-keyring-daemon ended at its start: " + Errors(keyring_);
            return false;
        }
        const std::optional<std::string> owned =
            Run(QStringLiteral("dbus-send"),
                {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                 QStringLiteral("--dest=org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                 QStringLiteral("org.freedesktop.DBus.NameHasOwner"),
                 QStringLiteral("string:org.freedesktop.secrets")});
        if (!owned) {
            failure_ = "dbus-send cannot ask the private bus";
            return false;
        }
        if (owned->find("boolean true") != std::string::npos) {
            return true;
        }
        QThread::msleep(20);
    }
    failure_ = "gnome-keyring-daemon did not offer the secret service in time: " + Errors(keyring_);
    return false;
}

std::optional<std::string> PrivateSecretService::Run(const QString& program,
                                                     const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.start(program, arguments);
    if (!process.waitForFinished(kStartMs) || process.exitStatus() != QProcess::NormalExit) {
        return std::nullopt;
    }
    return process.exitCode() == 0 ? std::optional<std::string>(process.readAllStandardOutput().toStdString())
                                   : std::nullopt;
}

std::optional<std::string> PrivateSecretService::Lookup(
    const std::vector<std::pair<std::string, std::string>>& attributes) const {
    QStringList arguments{QStringLiteral("lookup")};
    for (const auto& [name, value] : attributes) {
        arguments << QString::fromStdString(name) << QString::fromStdString(value);
    }
    return Run(QStringLiteral("secret-tool"), arguments);
}

}  // namespace terrovane::testing
