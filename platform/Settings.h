#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QPoint>
#include <QString>
#include <memory>
#include <optional>
#include <string>

class QSettings;

namespace terrovane::platform {

// The main program's profile and name, by which its settings file is found.
inline constexpr const char* kSettingsProfile = "应用程序向导生成的本地应用程序";
inline constexpr const char* kSettingsProgram = "Terrovane";
// The key that overrides the system's language for every program of the suite.
inline constexpr const char* kLanguageSettingKey = "Interface/Language";

// Everything the suite remembers between runs, with each value's key, type and default in one place.
// The main program, the archive window and the command line share one file: the main program's, so a
// choice made in a window holds on the command line and back. A process that named itself (the main
// program, or a test keeping its own file) uses its own name; the command line, which keeps its
// executable's name, reads the main program's file all the same.
class Settings {
  public:
    Settings();
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // Whether accepted read-outs go into the archive; on unless turned off.
    bool Archiving() const;
    void SetArchiving(bool enabled);
    // Whether the main window reads the instrument with the fast read-out; off unless turned on.
    bool FastReadOut() const;
    void SetFastReadOut(bool fast);
    // The port the user chose in the port chooser, as its selector (a USB serial, else a USB path, else a
    // device path); empty when none was chosen.
    std::string PortChoice() const;
    void SetPortChoice(const std::string& selector);
    // The validity limits above which a reading is doubtful; none when unset or not a positive number.
    std::optional<double> JammingVoltageLimit() const;
    std::optional<double> AuxiliaryResistanceLimit() const;
    // The language chosen in the window's Language menu ("zh", "en", "de"); empty for the system's.
    QString Language() const;
    void SetLanguage(const QString& code);
    // The team server's libpq connection string or URI; empty when none is set.
    std::string TeamServer() const;
    void SetTeamServer(const std::string& conninfo);
    // Who signs in to the team server; empty for libpq's own choice. The password is never kept here: it
    // lives in the desktop's secret store.
    QString TeamUser() const;
    void SetTeamUser(const QString& user);
    // Minutes between automatic syncs; 0 (the default, or anything not a positive number) for none.
    int TeamSyncMinutes() const;
    void SetTeamSyncMinutes(int minutes);
    // When the last sync that succeeded ended; invalid when there was none.
    QDateTime TeamLastSync() const;
    void SetTeamLastSync(const QDateTime& when);
    // Who signs the site report and with which instrument, as last given.
    QString ReportTester() const;
    QString ReportInstrument() const;
    void SetReportSigner(const QString& tester, const QString& instrument);
    // The archive window's pane sizes, as its splitter saved them.
    QByteArray ArchivePanes() const;
    void SetArchivePanes(const QByteArray& state);
    // Where the progress window was last; none when it never moved or the file holds no number.
    std::optional<QPoint> ProgressPosition() const;
    void SetProgressPosition(QPoint position);

    // Writes what was set; false when the file could not be written.
    bool Save();

  private:
    std::unique_ptr<QSettings> file_;
};

}  // namespace terrovane::platform
