#include "ReadArchiving.h"

#include <cstdio>

#include <map>
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "CliText.h"

#include "ArchivePath.h"
#include "Settings.h"
#include "TerminalHost.h"

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

// Ids, labels and first read-outs of the results the archive holds for read-out `id`, keyed by packet.
bool StoredResults(archive::Archive& store, std::int64_t id,
                   std::map<archive::Packet, archive::ResultRow>& byPacket, std::string& error) {
    archive::ResultFilter filter;
    filter.readout = id;
    std::vector<archive::ResultRow> rows;
    if (!store.Results(filter, {}, -1, 0, rows, error)) {
        return false;
    }
    for (archive::ResultRow& row : rows) {
        byPacket.emplace(row.packet, std::move(row));
    }
    return true;
}

}  // namespace

Archiving ArchivingFor(const cliopts::ParsedArguments& options) {
    // The archive window's check box writes the setting.
    return archive::PolicyFor(platform::Settings().Archiving(), options.Has("no-archive"));
}

std::shared_ptr<AcceptedHere> KeepOnAcceptance(TerminalHost& host, const std::string& command,
                                               Archiving archiving, const QString& goesOn) {
    auto accepted = std::make_shared<AcceptedHere>();
    host.imageAccepted = [accepted, command, archiving, goesOn](const record::ReadOutBuffer& image,
                                                                const std::string& port) {
        accepted->readAt = archive::NowIso8601();
        const auto open = [&](std::string& error, std::string& movedAside) {
            accepted->store = archive::Archive::Open(archive::DefaultArchivePath(), error, &movedAside);
            return accepted->store.get();
        };
        accepted->kept =
            archive::KeepAccepted({&image, port, accepted->readAt, std::nullopt}, archiving, open);
        if (!accepted->kept.movedAside.empty()) {
            TellMovedAside(command, accepted->kept.movedAside);
        }
        if (accepted->kept.state == archive::KeptImage::State::Failed) {
            Tell(command, CliText::tr("the read-out could not be kept in the archive (%1); %2")
                              .arg(Given(accepted->kept.error), goesOn));
        }
    };
    return accepted;
}

std::vector<archive::ResultView> DescribeAccepted(const record::ReadOutBuffer& image,
                                                  AcceptedHere& accepted) {
    std::vector<archive::ResultView> views = Describe(image, accepted.readAt);
    if (accepted.kept.state != archive::KeptImage::State::Kept || accepted.store == nullptr) {
        return views;
    }
    std::map<archive::Packet, archive::ResultRow> stored;
    std::string error;
    if (!StoredResults(*accepted.store, accepted.kept.readoutId, stored, error)) {
        Tell("read", CliText::tr("the archive's ids of these results could not be read (%1)")
                         .arg(texts::ArchiveProblemText(error)));
        return views;
    }
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
