#include "Archive.h"

#include <sqlite3.h>

#include <cmath>

#include "ArchivePath.h"
#include "ContentKey.h"
#include "RecordTable.h"
#include "RecordTexts.h"
#include "Schema.h"

namespace terrovane::archive {

bool IsDamageCode(int rc) {
    const int primary = rc & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

std::unique_ptr<Archive> Archive::Open(const std::string& path, std::string& error, std::string* movedAside) {
    std::unique_ptr<Archive> archive(new Archive(path));
    // Opened once to bring the file up to date or move a damaged one aside, then left until it is used.
    const Connection connection(*archive);
    if (connection.Ready(error)) {
        return archive;
    }
    if (!IsDamageCode(connection.Code())) {
        return nullptr;
    }
    std::string aside;
    if (!archive->Reopen(error, aside)) {
        return nullptr;
    }
    if (movedAside != nullptr) {
        *movedAside = aside;
    }
    return archive;
}

int Archive::Connect(std::string& error) {
    if (!PrepareArchiveFile(path_, error)) {
        return SQLITE_CANTOPEN;
    }
    if (!LooksLikeDatabase(path_)) {
        error = path_ + " is not an archive";
        return SQLITE_NOTADB;
    }
    int rc = db_.Open(path_, false);
    if (rc == SQLITE_OK) {
        rc = db_.Exec("PRAGMA foreign_keys = ON");
    }
    // The layout is checked before anything is changed, so a file of a newer program stays as it was.
    if (rc == SQLITE_OK) {
        rc = MigrateSchema(db_, error);
    } else {
        error = db_.Error();
    }
    // Full sync: a read-out that was reported stored survives a crash of the machine too.
    for (const char* pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"}) {
        if (rc == SQLITE_OK && (rc = db_.Exec(pragma)) != SQLITE_OK) {
            error = db_.Error();
        }
    }
    if (rc != SQLITE_OK) {
        db_.Close();
    }
    return rc;
}

bool Archive::Reopen(std::string& error, std::string& movedAside) {
    db_.Close();
    movedAside = MoveAside(path_, error);
    if (movedAside.empty()) {
        return false;
    }
    return Connect(error) == SQLITE_OK;
}

StoreOutcome Archive::Store(const ReadOutInput& input) {
    if (input.image == nullptr) {
        StoreOutcome outcome;
        outcome.error = "no read-out image";
        return outcome;
    }
    const Connection connection(*this);
    int rc = connection.Code();
    if (rc != SQLITE_OK && !IsDamageCode(rc)) {
        StoreOutcome outcome;
        outcome.error = connection.Error();
        return outcome;
    }
    StoreOutcome outcome = rc == SQLITE_OK ? StoreOnce(input, rc) : StoreOutcome{};
    if (outcome.stored || !IsDamageCode(rc)) {
        return outcome;
    }
    std::string aside;
    std::string error;
    if (!Reopen(error, aside)) {
        outcome.error = "the archive is damaged and " + error;
        return outcome;
    }
    outcome = StoreOnce(input, rc);
    outcome.movedAside = aside;
    return outcome;
}

StoreOutcome Archive::StoreOnce(const ReadOutInput& input, int& rc) {
    StoreOutcome outcome;
    const auto fail = [&] {
        outcome.error = db_.Error();
        db_.Exec("ROLLBACK");
        return outcome;
    };
    if ((rc = db_.Exec("BEGIN IMMEDIATE")) != SQLITE_OK) {
        outcome.error = db_.Error();
        return outcome;
    }
    Statement insert;
    if ((rc = insert.Prepare(db_, "INSERT INTO readouts(read_at, port, image) VALUES (?, ?, ?)")) !=
        SQLITE_OK) {
        return fail();
    }
    insert.Bind(1, std::string_view(input.readAt.empty() ? NowIso8601() : input.readAt));
    insert.Bind(2, std::string_view(input.port));
    insert.BindBlob(3, *input.image);
    if ((rc = insert.Step()) != SQLITE_DONE) {
        return fail();
    }
    outcome.readoutId = db_.LastInsertId();
    SlotStatements statements;
    if ((rc = PrepareSlotStatements(statements)) != SQLITE_OK) {
        return fail();
    }
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        const auto packet = record::PacketOf(*input.image, slot);
        if (packet[record::RecordPacket::kValidMarkOffset] != record::RecordPacket::kValidMark) {
            continue;
        }
        Packet bytes{};
        std::copy(packet.begin(), packet.end(), bytes.begin());
        if ((rc = StoreSlot(statements, outcome.readoutId, slot, bytes, outcome)) != SQLITE_OK) {
            return fail();
        }
    }
    if ((rc = db_.Exec("COMMIT")) != SQLITE_OK) {
        return fail();
    }
    rc = SQLITE_OK;
    outcome.stored = true;
    return outcome;
}

namespace {

// The result's decoded fields, bound from parameter 5 on (after key, packet, read-out and slot).
void BindDecoded(Statement& insert, const Packet& packet) {
    const auto record = record::MeasurementRecord::FromPacket(packet);
    insert.Bind(5, static_cast<std::int64_t>(record.mode));
    insert.Bind(6, std::string_view(format::FormatRecordDate(record)));
    insert.Bind(7, std::string_view(format::FormatRecordTime(record)));
    insert.Bind(8, static_cast<std::int64_t>(record.voltageCode));
    insert.Bind(9, static_cast<std::int64_t>(record.frequencyCode));
    for (int i = 0; i < record::kValueCount; ++i) {
        const double value = record.values[static_cast<std::size_t>(i)];
        if (std::isfinite(value)) {
            insert.Bind(10 + i, value);
        } else {
            insert.BindNull(10 + i);
        }
    }
    insert.Bind(21, static_cast<std::int64_t>(record.integerValue));
}

}  // namespace

int Archive::PrepareSlotStatements(SlotStatements& statements) {
    int rc = statements.find.Prepare(db_, "SELECT id FROM results WHERE content_key = ?");
    if (rc == SQLITE_OK) {
        rc = statements.insert.Prepare(
            db_,
            "INSERT INTO results(content_key, packet, first_readout, first_slot, mode, measured_on, "
            "measured_time, "
            "voltage_code, frequency_code, v0, v1, v2, v3, v4, v5, v6, v7, v8, v9, v10, distance) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
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
