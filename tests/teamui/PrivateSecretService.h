#pragma once

#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace terrovane::testing {

// A desktop's secret store of the test's own: a private D-Bus session bus (its own configuration and socket
// in a scratch folder, never the caller's bus) with gnome-keyring-daemon on it, whose login keyring is made
// and unlocked with a known password in a scratch home. The test process itself never joins the bus: the
// programs it starts with Environment() do.
class PrivateSecretService {
  public:
    explicit PrivateSecretService(const std::filesystem::path& folder);
    // Stops the keyring daemon, then the bus.
    ~PrivateSecretService();
    PrivateSecretService(const PrivateSecretService&) = delete;
    PrivateSecretService& operator=(const PrivateSecretService&) = delete;

    // Why the store could not be started (a test skips with it); empty when it runs.
    const std::string& Failure() const { return failure_; }
    // The test process's environment with the private bus, the scratch home and its XDG folders, no
    // display and no desktop of the caller's.
    const QProcessEnvironment& Environment() const { return environment_; }
    const std::filesystem::path& Home() const { return home_; }

    // The secret kept under the attributes, as secret-tool finds it; nullopt when there is none.
    std::optional<std::string> Lookup(
        const std::vector<std::pair<std::string, std::string>>& attributes) const;

  private:
    bool StartBus(const std::filesystem::path& folder);
    bool StartKeyring();
    // Runs a program in Environment() and waits for it; its standard output, nullopt when it failed.
    std::optional<std::string> Run(const QString& program, const QStringList& arguments) const;

    std::filesystem::path home_;
    QProcessEnvironment environment_;
    QProcess bus_;
    QProcess keyring_;
    std::string failure_;
};

}  // namespace terrovane::testing
