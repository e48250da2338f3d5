// Filling in a stored read-out's blank slots, as a team member's archive receives results of a read-out
// it already holds once they are assigned to one of the member's sites.
#include "SlotFill.h"

#include <sqlite3.h>

#include <algorithm>

#include "ContentKey.h"
#include "ResultInsert.h"
#include "Transaction.h"

namespace terrovane::archive {
namespace {

bool IsBlankPacket(std::span<const std::uint8_t> packet) {
    return std::all_of(packet.begin(), packet.end(), [](std::uint8_t byte) { return byte == 0; });
}

// The result of the packet, added when this archive does not hold it yet; 0 with `rc` set on failure.
std::int64_t ResultOf(Database& db, std::int64_t readoutId, std::size_t slot, const Packet& packet,
                      StoreOutcome& outcome, int& rc) {
    const Sha256Digest key = ContentKey(packet);
    Statement find;
    if ((rc = find.Prepare(db, "SELECT id FROM results WHERE content_key = ?")) != SQLITE_OK) {
        return 0;
    }
    find.BindBlob(1, key);
    if ((rc = find.Step()) == SQLITE_ROW) {
        ++outcome.knownResults;
        return find.Int(0);
    }
    Statement insert;
    if (rc != SQLITE_DONE || (rc = insert.Prepare(db, kInsertResultSql)) != SQLITE_OK) {
        return 0;
    }
    insert.BindBlob(1, key);
    insert.BindBlob(2, packet);
    insert.Bind(3, readoutId);
    insert.Bind(4, static_cast<std::int64_t>(slot));
    BindDecoded(insert, packet);
    if ((rc = insert.Step()) != SQLITE_DONE) {
        return 0;
    }
    ++outcome.newResults;
    return db.LastInsertId();
}

}  // namespace

Status FillBlankSlots(Database& db, std::int64_t readoutId, const record::ReadOutBuffer& image,
                      StoreOutcome& outcome) {
    outcome.readoutId = readoutId;
    Statement read;
    int rc = read.Prepare(db, "SELECT image FROM readouts WHERE id = ?");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    read.Bind(1, readoutId);
    if ((rc = read.Step()) != SQLITE_ROW) {
        return rc == SQLITE_DONE ? FailureOf(SQLITE_NOTFOUND, "there is no such read-out")
                                 : LastFailure(db, rc);
    }
    const std::vector<std::uint8_t> stored = read.Blob(0);
    if (stored.size() != image.size()) {
        return FailureOf(SQLITE_MISMATCH, "the stored read-out's image is not a read-out's size");
    }
    record::ReadOutBuffer held{};
    std::copy(stored.begin(), stored.end(), held.begin());
    Statement link;
    if ((rc = link.Prepare(db, "INSERT INTO readout_slots(readout_id, slot, result_id) VALUES (?, ?, ?)")) !=
        SQLITE_OK) {
        return LastFailure(db, rc);
    }
    bool filled = false;
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        const auto incoming = record::PacketOf(image, slot);
        if (!IsBlankPacket(record::PacketOf(held, slot)) ||
            incoming[record::RecordPacket::kValidMarkOffset] != record::RecordPacket::kValidMark) {
            continue;
        }
        Packet packet{};
        std::copy(incoming.begin(), incoming.end(), packet.begin());
        std::copy(incoming.begin(), incoming.end(), record::PacketOf(held, slot).begin());
        const std::int64_t result = ResultOf(db, readoutId, slot, packet, outcome, rc);
        if (result == 0) {
            return LastFailure(db, rc);
        }
        link.Reset();
        link.Bind(1, readoutId);
        link.Bind(2, static_cast<std::int64_t>(slot));
        link.Bind(3, result);
        if ((rc = link.Step()) != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
        filled = true;
    }
    if (!filled) {
        return Done{};
    }
    Statement update;
    if ((rc = update.Prepare(db, "UPDATE readouts SET image = ? WHERE id = ?")) != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    update.BindBlob(1, held);
    update.Bind(2, readoutId);
    if ((rc = update.Step()) != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return Done{};
}

}  // namespace terrovane::archive
