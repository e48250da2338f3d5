#include "ReadArchiving.h"

#include <cstdio>
#include <map>

#include "Archive.h"
#include "ArchivePath.h"

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

void Warn(const std::string& reason) {
    std::fprintf(
        stderr, "read: the read-out could not be kept in the archive (%s); the results follow all the same\n",
        reason.c_str());
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

}  // namespace

std::vector<archive::ResultView> ArchiveAndDescribe(const record::ReadOutBuffer& image,
                                                    const std::string& port, bool keep) {
    const std::string readAt = archive::NowIso8601();
    std::vector<archive::ResultView> views = Describe(image, readAt);
    if (!keep) {
        return views;
    }
    std::string error;
    std::string aside;
    auto store = archive::Archive::Open(archive::DefaultArchivePath(), error, &aside);
    if (store == nullptr) {
        Warn(error);
        return views;
    }
    const archive::StoreOutcome outcome = store->Store({readAt, port, &image});
    if (!aside.empty() || !outcome.movedAside.empty()) {
        std::fprintf(stderr,
                     "read: the archive was damaged; it was moved aside as %s and a new one started\n",
                     (aside.empty() ? outcome.movedAside : aside).c_str());
    }
    if (!outcome.stored) {
        Warn(outcome.error);
        return views;
    }
    const auto stored = StoredResults(*store, outcome.readoutId);
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
