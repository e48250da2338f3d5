#include "ReadArchiving.h"

#include <QSettings>

#include <cstdio>
#include <map>
#include <memory>

#include "Archive.h"
#include "ArchivePath.h"
#include "ArchivingSetting.h"
#include "Strings.h"

namespace terrovane::cli {
namespace {

std::vector<archive::ResultView> Describe(const record::ReadOutBuffer& image, const std::string& readAt) {
    std::vector<archive::ResultView> views;
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        const auto packet = record::PacketOf(image, slot);
        if (packet[record::RecordPacket::kValidMarkOffset] == record::RecordPacket::kValidMark) {
            views.push_back(archive::DescribeRecord(static_cast<int>(slot),
                                                    record::MeasurementRecord::FromPacket(packet)));
            views.back().readAt = readAt;
        }
    }
    return views;
}

void Warn(const std::string& command, const std::string& reason, const std::string& goesOn) {
    std::fprintf(stderr, "%s: the read-out could not be kept in the archive (%s); %s\n", command.c_str(),
                 reason.c_str(), goesOn.c_str());
}

// Ids, labels and first read-outs of the results the archive holds for read-out `id`, keyed by packet.
std::map<archive::Packet, archive::ResultRow> StoredResults(archive::Archive& store, std::int64_t id) {
    archive::ResultFilter filter;
    filter.readout = id;
    std::vector<archive::ResultRow> rows;
    std::string error;
    store.Results(filter, {}, -1, 0, rows, error);
    std::map<archive::Packet, archive::ResultRow> byPacket;
    for (archive::ResultRow& row : rows) {
        byPacket.emplace(row.packet, std::move(row));
    }
    return byPacket;
}

// The archive with the read-out stored in it, or nullptr when it could not be opened.
std::unique_ptr<archive::Archive> OpenAndStore(const std::string& command, const record::ReadOutBuffer& image,
                                               const std::string& port, const std::string& readAt,
                                               KeptReadOut& kept) {
    std::string aside;
    auto store = archive::Archive::Open(archive::DefaultArchivePath(), kept.error, &aside);
    if (store == nullptr) {
        return nullptr;
    }
    const archive::StoreOutcome outcome = store->Store({readAt, port, &image});
    if (!aside.empty() || !outcome.movedAside.empty()) {
        std::fprintf(stderr, "%s: the archive was damaged; it was moved aside as %s and a new one started\n",
                     command.c_str(), (aside.empty() ? outcome.movedAside : aside).c_str());
    }
    kept.stored = outcome.stored;
    kept.readoutId = outcome.readoutId;
    kept.error = outcome.error;
    return store;
}

}  // namespace

Archiving ArchivingFor(const cliopts::ParsedArguments& options) {
    if (options.Has("no-archive")) {
        return Archiving::Declined;
    }
    // The main program's own settings file, which its History window's check box writes.
    const QSettings settings(QString::fromUtf8(res::kProfileKey), QString::fromUtf8(res::kProgramName));
    return platform::ArchivingEnabledIn(settings) ? Archiving::Keep : Archiving::TurnedOff;
}

KeptReadOut KeepReadOut(const std::string& command, const record::ReadOutBuffer& image,
                        const std::string& port, const std::string& readAt) {
    KeptReadOut kept;
    OpenAndStore(command, image, port, readAt, kept);
    return kept;
}

void KeepReadOutOrWarn(const std::string& command, const record::ReadOutBuffer& image,
                       const std::string& port, Archiving archiving, const std::string& goesOn) {
    if (archiving != Archiving::Keep) {
        return;
    }
    const KeptReadOut kept = KeepReadOut(command, image, port, archive::NowIso8601());
    if (!kept.stored) {
        Warn(command, kept.error, goesOn);
    }
}

std::vector<archive::ResultView> ArchiveAndDescribe(const record::ReadOutBuffer& image,
                                                    const std::string& port, Archiving archiving) {
    const std::string readAt = archive::NowIso8601();
    std::vector<archive::ResultView> views = Describe(image, readAt);
    if (archiving != Archiving::Keep) {
        return views;
    }
    KeptReadOut kept;
    const auto store = OpenAndStore("read", image, port, readAt, kept);
    if (!kept.stored) {
        Warn("read", kept.error, "the results follow all the same");
        return views;
    }
    const auto stored = StoredResults(*store, kept.readoutId);
    for (archive::ResultView& view : views) {
        archive::Packet packet{};
        const auto bytes = record::PacketOf(image, static_cast<std::size_t>(view.slot));
        std::copy(bytes.begin(), bytes.end(), packet.begin());
        if (const auto it = stored.find(packet); it != stored.end()) {
            view.id = it->second.id;
            view.readout = it->second.readout;
            view.readAt = it->second.readAt;
            view.port = it->second.port;
            view.label = it->second.label;
            view.note = it->second.note;
        }
    }
    return views;
}

}  // namespace terrovane::cli
