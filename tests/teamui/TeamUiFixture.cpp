#include "TeamUiFixture.h"

#include <QFile>
#include <QSettings>

#include <filesystem>

#include "ArchiveFixtures.h"
#include "ScratchFolder.h"

namespace terrovane::testing {

void TeamUiTest::SetUp() {
    TeamDatabase::SetUp();
    Member("ann", team::MemberRole::Admin);
    Member("bob", team::MemberRole::Admin);
    folder_ = (ScratchFolder() / db_.Name()).string();
    std::filesystem::create_directories(folder_);
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
    QSettings().clear();  // each test starts with no team settings
}

std::string TeamUiTest::ServerConninfo() const {
    return "host=127.0.0.1 port=" + std::to_string(RunningServer().port) + " dbname=" + db_.Name() +
           " connect_timeout=5";
}

std::string TeamUiTest::ArchivePath(const std::string& who) const {
    return folder_ + "/" + who + ".sqlite";
}

archive::Archive& TeamUiTest::Archive(const std::string& who) {
    auto& archive = archives_[who];
    if (archive == nullptr) {
        std::string error;
        archive = archive::Archive::Open(ArchivePath(who), error);
        EXPECT_NE(archive, nullptr) << error;
    }
    return *archive;
}

sync::SyncReport TeamUiTest::SyncAs(const std::string& who) {
    Archive(who);
    sync::SyncOptions options;
    options.connection.conninfo = db_.TcpConninfo(db_.Login(who), "pw-" + who);
    options.connection.connectTimeout = std::chrono::seconds(5);
    return sync::Synchronize(ArchivePath(who), options);
}

void TeamUiTest::StoreReadOut(const std::string& who, int seed) {
    const record::ReadOutBuffer image = archive::testing::DistinctImage(seed, 20);
    const archive::StoreOutcome stored = Archive(who).Store(
        {"2026-11-0" + std::to_string(1 + seed % 9) + "T09:30:00+01:00", "/dev/ttyUSB0", &image});
    EXPECT_TRUE(stored.stored) << stored.error;
}

std::string TeamUiTest::Query(const std::string& who, const std::string& sql) const {
    return archive::testing::ReadArchive(ArchivePath(who), sql);
}

std::string TeamUiTest::SettingsFileText() const {
    QSettings settings;
    settings.sync();
    QFile file(settings.fileName());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << settings.fileName().toStdString();
    return file.readAll().toStdString();
}

void PassMillis(int millis) {
    const auto until = std::chrono::system_clock::now() + std::chrono::milliseconds(millis);
    while (std::chrono::system_clock::now() < until) {
    }
}

LoopTurnsWhile::LoopTurnsWhile(std::function<bool()> condition) {
    tick_.setInterval(0);
    QObject::connect(&tick_, &QTimer::timeout, [this, condition = std::move(condition)] {
        if (condition()) {
            ++count_;
        }
    });
    tick_.start();
}

}  // namespace terrovane::testing
