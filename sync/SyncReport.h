#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <string>

#include "Connection.h"

namespace terrovane::sync {

// Why a sync stopped; the user interface turns each into its own words.
enum class SyncError {
    None,
    CannotReach,    // the server cannot be reached or went away: try again later, nothing is lost
    SignInRefused,  // wrong user or password, or none given
    NotMember,      // signed in, but not (or no longer) a member of the team
    NoTeamSchema,   // the database has no team schema: the office runs "team init"
    UpdateProgram,  // the server's layout is newer than this program's
    UpdateServer,   // the server's layout is older: the office updates it
    OtherServer,    // this archive syncs with another team server
    OtherLogin,  // this archive belongs to another login of the team: sign in as it, or start a new archive
    ArchiveFailed,  // the archive could not be opened, read or written
    ServerFailed,   // the server answered with an error that is none of the above
    Unsettled,      // changes of transactions still running on the server were not there yet (servers of
                    // earlier layouts; the server's log is now in commit order)
    Cancelled,      // stopped on request; what either side answered is kept, the next sync goes on from there
};

// A stable name for logs and JSON ("cannot-reach", ...).
const char* SyncErrorName(SyncError error);

// What one sync did. Counts are of fields, read-outs, attachments and issued reports.
struct [[nodiscard]] SyncReport {
    SyncError error = SyncError::None;
    std::string detail;   // the server's or the archive's own message, for the details
    int pushed = 0;       // changes the server took
    int rejected = 0;     // changes the server refused (rights, constraints); kept listed here
    int clamped = 0;      // changes whose stamp was too far ahead of the server's clock
    int pulled = 0;       // changes received
    int conflicts = 0;    // unresolved conflicts in this archive's list
    int unsent = 0;       // changes still waiting to be sent
    bool inSync = false;  // both sides hold the same
    // The firm's profile as changed here was refused (only admins change it); the server's came instead.
    bool firmRefused = false;
    // The archive was damaged: it was moved aside under this name and the sync filled a new one. The person
    // must be told, or a file they may want back (or an office to ask) goes unnoticed.
    std::string movedAside;
};

struct SyncOptions {
    pg::ConnectOptions connection;
    int batchSize = 500;  // outbox entries per batch
    int pageSize = 1000;  // changes per pull page
    // How long to wait for changes held back by server transactions still running (they are never skipped).
    std::chrono::milliseconds settle{10000};
    // Set (from any thread, or a signal handler) to stop the sync at the next step between batches or pull
    // pages: a batch or page under way is finished and kept, never cut in two.
    std::shared_ptr<const std::atomic<bool>> cancel;
};

// Brings the archive at `archivePath` and the team server to hold the same: push what this PC changed,
// then pull what the others did. Safe to run off a window's thread; blocks until done.
SyncReport Synchronize(const std::string& archivePath, const SyncOptions& options);

}  // namespace terrovane::sync
