#include <QCoreApplication>
#include <QSettings>

#include <gtest/gtest.h>

#include "Settings.h"
#include "Verdict.h"

namespace terrovane::platform {
namespace {

// The main program names itself; the command line does not, and must still find the same file.
class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { BecomeTheCommandLine(); }
    void TearDown() override {
        QSettings file(QSettings::NativeFormat, QSettings::UserScope, QString::fromUtf8(kSettingsProfile),
                       QString::fromUtf8(kSettingsProgram));
        file.clear();
    }
    static void BecomeTheMainProgram() {
        QCoreApplication::setOrganizationName(QString::fromUtf8(kSettingsProfile));
        QCoreApplication::setApplicationName(QString::fromUtf8(kSettingsProgram));
    }
    static void BecomeTheCommandLine() {
        QCoreApplication::setOrganizationName(QString());
        QCoreApplication::setApplicationName(QStringLiteral("terrovane-cli"));
    }
    // Writes a value as a person editing the file would, past the typed object.
    static void WriteRaw(const QString& key, const QString& value) {
        QSettings file(QSettings::NativeFormat, QSettings::UserScope, QString::fromUtf8(kSettingsProfile),
                       QString::fromUtf8(kSettingsProgram));
        file.setValue(key, value);
        file.sync();
    }
};

TEST_F(SettingsTest, WhatTheMainProgramWritesTheCommandLineReads) {
    BecomeTheMainProgram();
    {
        Settings settings;
        EXPECT_TRUE(settings.Archiving());
        EXPECT_FALSE(settings.FastReadOut());
        settings.SetArchiving(false);
        settings.SetFastReadOut(true);
        settings.SetPortChoice("1-1.4");
        settings.SetLanguage(QStringLiteral("de"));
        ASSERT_TRUE(settings.Save());
    }
    BecomeTheCommandLine();
    const Settings settings;
    EXPECT_FALSE(settings.Archiving());
    EXPECT_TRUE(settings.FastReadOut());
    EXPECT_EQ(settings.PortChoice(), "1-1.4");
    EXPECT_EQ(settings.Language(), QStringLiteral("de"));
}

// A hand-edited file: a limit that is no number, or not above zero, keeps the program's default; a decimal
// point is read as one under every locale; a window position that is no number is no position.
TEST_F(SettingsTest, ValuesThatAreNoUsableNumberKeepTheirDefaults) {
    WriteRaw(QStringLiteral("Validity/JammingVoltage"), QStringLiteral("twelve"));
    WriteRaw(QStringLiteral("Validity/AuxiliaryResistance"), QStringLiteral("-5"));
    WriteRaw(QStringLiteral("Settings/X"), QStringLiteral("left"));
    WriteRaw(QStringLiteral("Settings/Y"), QStringLiteral("40"));
    {
        const Settings settings;
        EXPECT_EQ(settings.JammingVoltageLimit(), std::nullopt);
        EXPECT_EQ(settings.AuxiliaryResistanceLimit(), std::nullopt);
        EXPECT_EQ(settings.ProgressPosition(), std::nullopt);
        const archive::ValidityThresholds defaults;
        const archive::ValidityThresholds read = archive::ValidityThresholdsIn(settings);
        EXPECT_EQ(read.jammingVolts, defaults.jammingVolts);
        EXPECT_EQ(read.auxiliaryOhms, defaults.auxiliaryOhms);
    }
    WriteRaw(QStringLiteral("Validity/JammingVoltage"), QStringLiteral("12.5"));
    WriteRaw(QStringLiteral("Settings/X"), QStringLiteral("300"));
    const Settings settings;
    EXPECT_EQ(archive::ValidityThresholdsIn(settings).jammingVolts, 12.5);
    EXPECT_EQ(settings.ProgressPosition(), QPoint(300, 40));
}

// The team's values: the server and user written by the window reach the command line; a pace that is no
// whole number above zero means no automatic syncs; the last sync reads back as the same moment whatever
// zone it was written in.
TEST_F(SettingsTest, TheTeamsValuesTravelAndBadOnesMeanNone) {
    BecomeTheMainProgram();
    const QDateTime synced = QDateTime::fromString(QStringLiteral("2026-12-09T10:15:00+01:00"), Qt::ISODate);
    {
        Settings settings;
        EXPECT_EQ(settings.TeamSyncMinutes(), 0);
        EXPECT_FALSE(settings.TeamLastSync().isValid());
        settings.SetTeamServer("host=office.example dbname=terrovane");
        settings.SetTeamUser(QStringLiteral("ann"));
        settings.SetTeamSyncMinutes(15);
        settings.SetTeamLastSync(synced);
        ASSERT_TRUE(settings.Save());
    }
    BecomeTheCommandLine();
    {
        const Settings settings;
        EXPECT_EQ(settings.TeamServer(), "host=office.example dbname=terrovane");
        EXPECT_EQ(settings.TeamUser(), QStringLiteral("ann"));
        EXPECT_EQ(settings.TeamSyncMinutes(), 15);
        EXPECT_EQ(settings.TeamLastSync(), synced);
    }
    for (const char* pace : {"-5", "soon", ""}) {
        WriteRaw(QStringLiteral("Team/SyncMinutes"), QString::fromLatin1(pace));
        EXPECT_EQ(Settings().TeamSyncMinutes(), 0) << pace;
    }
    WriteRaw(QStringLiteral("Team/LastSync"), QStringLiteral("yesterday"));
    EXPECT_FALSE(Settings().TeamLastSync().isValid());
}

}  // namespace
}  // namespace terrovane::platform
