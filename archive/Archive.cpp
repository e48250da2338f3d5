#include "Archive.h"

#include <sqlite3.h>

#include <cmath>

#include "ArchivePath.h"
#include "ContentKey.h"
#include "MeasuringDate.h"
#include "RecordTable.h"
#include "RecordTexts.h"
#include "ResultInsert.h"
#include "Schema.h"
#include "Transaction.h"

namespace terrovane::archive {

bool IsDamageCode(int rc) {
    const int primary = rc & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

std::unique_ptr<Archive> Archive::Open(const std::string& path, std::string& error, std::string* movedAside) {
    std::unique_ptr<Archive> archive(new Archive(path));
    // Opened once to bring the file up to date or move a damaged one aside, then left until it is used.
    Status prepared = archive->Prepare();
    if (prepared) {
        return archive;
    }
    if (prepared.Error().code != ErrorCode::Damaged) {
        error = prepared.Error().Text();
        return nullptr;
    }
    std::string aside;
    if (Status reopened = archive->Reopen(aside); !reopened) {
        error = reopened.Error().Text();
        return nullptr;
    }
    if (movedAside != nullptr) {
        *movedAside = aside;
    }
    return archive;
}

Status Archive::Prepare() {
    Status status = Connect();
    if (!status) {
        return status;
    }
    // The layout is checked before anything is changed, so a file of a newer program stays as it was.
    status = MigrateIfOlder(db_);
    if (status) {
        const int rc = db_.Exec("PRAGMA journal_mode = WAL");
        if (rc != SQLITE_OK) {
            status = LastFailure(db_, rc);
        }
    }
    db_.Close();
    return status;
}

Status Archive::Reopen(std::string& movedAside) {
    db_.Close();
    std::string error;
    movedAside = MoveAside(path_, error);
    if (movedAside.empty()) {
        return FailureOf(SQLITE_CANTOPEN, error);
    }
    return Prepare();
}

StoreOutcome Archive::Store(const ReadOutInput& input) {
    StoreOutcome outcome;
    if (input.image == nullptr) {
        outcome.error = "no read-out image";
        return outcome;
    }
    const auto store = [&](Database&) { return StoreOnce(input, outcome); };
    Status status = Run(Access::Write, store);
    if (status || status.Error().code != ErrorCode::Damaged) {
        outcome.stored = status.Ok();
        outcome.error = status ? std::string() : status.Error().Text();
        return outcome;
    }
    std::string aside;
    if (Status reopened = Reopen(aside); !reopened) {
        outcome.error = "the archive is damaged and " + reopened.Error().Text();
        return outcome;
    }
    outcome = StoreOutcome{};
    status = Run(Access::Write, store);
    outcome.stored = status.Ok();
    outcome.error = status ? std::string() : status.Error().Text();
    outcome.movedAside = aside;
    return outcome;
}

Status Archive::StoreOnce(const ReadOutInput& input, StoreOutcome& outcome) {
    Statement insert;
    int rc = insert.Prepare(db_, "INSERT INTO readouts(read_at, port, image) VALUES (?, ?, ?)");
    if (rc != SQLITE_OK) {
        return LastFailure(db_, rc);
    }
    insert.Bind(1, std::string_view(input.readAt.empty() ? NowIso8601() : input.readAt));
    insert.Bind(2, std::string_view(input.port));
    insert.BindBlob(3, *input.image);
    if ((rc = insert.Step()) != SQLITE_DONE) {
        return LastFailure(db_, rc);
    }
    outcome.readoutId = db_.LastInsertId();
    SlotStatements statements;
    if ((rc = PrepareSlotStatements(statements)) != SQLITE_OK) {
        return LastFailure(db_, rc);
    }
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        const auto packet = record::PacketOf(*input.image, slot);
        if (packet[record::RecordPacket::kValidMarkOffset] != record::RecordPacket::kValidMark) {
            continue;
        }
        Packet bytes{};
        std::copy(packet.begin(), packet.end(), bytes.begin());
        if ((rc = StoreSlot(statements, outcome.readoutId, slot, bytes, outcome)) != SQLITE_OK) {
            return LastFailure(db_, rc);
        }
    }
    return Done{};
}

int Archive::PrepareSlotStatements(SlotStatements& statements) {
    int rc = statements.find.Prepare(db_, "SELECT id FROM results WHERE content_key = ?");
    if (rc == SQLITE_OK) {
        rc = statements.insert.Prepare(db_, kInsertResultSql);
    }
    if (rc == SQLITE_OK) {
        rc = statements.link.Prepare(
            db_, "INSERT INTO readout_slots(readout_id, slot, result_id) VALUES (?, ?, ?)");
    }
    return rc;
}

int Archive::StoreSlot(SlotStatements& statements, std::int64_t readoutId, std::size_t slot,
                       const Packet& packet, StoreOutcome& outcome) {
    const Sha256Digest key = ContentKey(packet);
    Statement& find = statements.find;
    find.Reset();
    find.BindBlob(1, key);
    int rc = find.Step();
    std::int64_t resultId = 0;
    if (rc == SQLITE_ROW) {
        resultId = find.Int(0);
        ++outcome.knownResults;
    } else if (rc == SQLITE_DONE) {
        Statement& insert = statements.insert;
        insert.Reset();
        insert.BindBlob(1, key);
        insert.BindBlob(2, packet);
        insert.Bind(3, readoutId);
        insert.Bind(4, static_cast<std::int64_t>(slot));
        BindDecoded(insert, packet);
        if ((rc = insert.Step()) != SQLITE_DONE) {
            return rc;
        }
        resultId = db_.LastInsertId();
        ++outcome.newResults;
    } else {
        return rc;
    }
    Statement& link = statements.link;
    link.Reset();
    link.Bind(1, readoutId);
    link.Bind(2, static_cast<std::int64_t>(slot));
    link.Bind(3, resultId);
    rc = link.Step();
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace terrovane::archive
