#pragma once

#include <QString>

#include "SyncReport.h"

namespace terrovane::texts {

// Why a sync stopped, in the person's words: one text for each way, saying what to do about it. The
// window's status line and the command line say the same.
QString SyncErrorText(sync::SyncError error);

// After a sync: what went each way and what waits, or why it stopped (and where a damaged archive went).
QString SyncOutcomeText(const sync::SyncReport& report);

}  // namespace terrovane::texts
