#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Sqlite.h"

namespace terrovane::sync {

// One numbered batch of this PC's changes (JSON arrays). The archive keeps `changes`, in which a read-out
// is named by its key and row, not carried with its image: a first sync's batches would otherwise be
// written to the archive, read back and parsed again by the megabyte. What goes to the server's push
// function is `sent`, each read-out with its image's place in `images` (the server's binary form of an
// array of bytes; empty when there is none); a read-out never changes, so the same batch sent again is
// the same batch.
struct Batch {
    std::int64_t number = 0;
    std::string changes;
    std::string sent;
    std::string images;
};

// The batch still waiting for the server's answer, else a new one made from up to `entries` outbox
// entries (their rows as they are now, only the fields that differ from what the server last had);
// nullopt when nothing is left to send. A new batch is kept until it is answered, so a batch sent again
// is the same batch.
std::optional<Batch> NextBatch(archive::Database& db, int entries);

// Fills in what is sent for the batch's kept changes: each read-out named in them with its body, its
// image in `images` (one no longer held goes without a body, and the server refuses that change alone).
void PrepareSending(archive::Database& db, Batch& batch);

// What the server's answer to a batch said.
struct [[nodiscard]] BatchAnswer {
    // Copied: the server had this batch's number from this device with other changes (a copied or
    // restored archive); OtherLogin: the device belongs to another login. Nothing was applied.
    enum class Status { Applied, Gap, Layout, Copied, OtherLogin, Unreadable } status = Status::Unreadable;
    std::int64_t expected = 0;  // Gap: the number the server expects
    int serverLayout = 0;       // Layout
    int taken = 0;              // Applied: changes the server took, or knew already
    int rejected = 0;
    int clamped = 0;
};

// Records the answer: taken fields become the base of later changes, refused ones are listed with the
// server's reason, the batch is done and the next number follows. A gap renumbers the batch to the
// number the server expects.
BatchAnswer Acknowledge(archive::Database& db, const Batch& batch, const std::string& answer);

// A copied or restored archive becomes a device of its own: a new device id, and the batches it keeps
// numbered from 1 again, so the server takes them as the new device's.
void BecomeNewDevice(archive::Database& db);

// The changes the server refused for want of rights go back into the outbox, to be sent with the next
// batch (the member's rights changed); refused again, they are listed again.
void SendRefusedAgain(archive::Database& db);

// Entries waiting in the outbox plus the changes of a batch not answered yet.
int Unsent(archive::Database& db);

}  // namespace terrovane::sync
