// The team windows over a sample archive, for the screenshot tools and the screen-fit walk.
#include "TeamSamples.h"

#include <QDateTime>

#include <cstdio>

#include "ConflictsDialog.h"
#include "LocalSql.h"
#include "Materialize.h"
#include "Sites.h"
#include "TeamDialog.h"
#include "TeamSession.h"

namespace terrovane::teamui::samples {

namespace {

// A stamp of some minutes ago, in the form the archives write them.
std::string Stamp(qint64 minutesAgo, const char* device) {
    const qint64 millis = QDateTime::currentMSecsSinceEpoch() - minutesAgo * 60000;
    return QStringLiteral("%1-00001-%2")
        .arg(millis, 15, 10, QLatin1Char('0'))
        .arg(QLatin1String(device))
        .toStdString();
}

std::string SiteUuid(archive::Archive& store, std::int64_t id) {
    std::string uuid;
    const archive::Status read = store.Run(archive::Archive::Access::Read, [&](archive::Database& db) {
        uuid = sync::Single(db, "SELECT uuid FROM sites WHERE id = ?1", {id}).value_or("");
        return archive::Status(archive::Done{});
    });
    return read.Ok() ? uuid : std::string();
}

}  // namespace

void FillConflicts(archive::Archive& store) {
    std::string error;
    archive::SiteFields site;
    site.name = "Substation North";
    site.address = "Ringstraße 4, Nordheim";
    std::int64_t north = 0;
    if (!archive::AddSite(store, site, north, error)) {
        std::fprintf(stderr, "sample site: %s\n", error.c_str());
    }
    site.name = "Pumping station 3";
    site.address = "Mühlweg 12";
    std::int64_t pump = 0;
    if (!archive::AddSite(store, site, pump, error)) {
        std::fprintf(stderr, "sample site: %s\n", error.c_str());
    }
    const std::string northUuid = SiteUuid(store, north);
    const std::string pumpUuid = SiteUuid(store, pump);
    const archive::Status written = store.Run(archive::Archive::Access::Write, [&](archive::Database& db) {
        sync::NoteConflict(db, {{"site", northUuid},
                                "address",
                                "\"Ringstraße 4, Nordheim\"",
                                Stamp(3 * 24 * 60 - 30, "b"),
                                "bob",
                                "\"Ringstrasse 4\"",
                                Stamp(3 * 24 * 60, "a"),
                                sync::kThisPc});
        sync::NoteConflict(db, {{"site", pumpUuid},
                                "interval_months",
                                "12",
                                Stamp(26 * 60, "c"),
                                "cy",
                                "24",
                                Stamp(27 * 60, "a"),
                                sync::kThisPc});
        return archive::Status(archive::Done{});
    });
    if (!written.Ok()) {
        std::fprintf(stderr, "%s\n", written.Error().Text().c_str());
    }
}

screenfit::WindowSamples Windows(std::shared_ptr<archive::Archive> store) {
    return {
        {QStringLiteral("team-dialog-signed-out"),
         [store] {
             // The dialog keeps a reference to its session: both live as long as the window.
             struct Held {
                 TeamSession session;
                 TeamDialog dialog;
                 explicit Held(const std::string& path) : session(path), dialog(session) {}
             };
             auto held = std::make_shared<Held>(store->Path());
             return std::shared_ptr<QWidget>(held, &held->dialog);
         }},
        {QStringLiteral("team-conflicts"), [store] { return std::make_shared<ConflictsDialog>(*store); }},
    };
}

}  // namespace terrovane::teamui::samples
