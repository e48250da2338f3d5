#pragma once

#include <QDateTime>
#include <QString>

#include "SyncReport.h"

namespace terrovane::teamui {

// Why a sync stopped, in the person's words: one text for each way, saying what to do about it.
QString SyncErrorText(sync::SyncError error);

// The status line after a sync: what went each way and what waits, or why it stopped.
QString SyncOutcomeText(const sync::SyncReport& report);

// A moment as the person's language writes it; "never" for none.
QString SyncTimeText(const QDateTime& when);

}  // namespace terrovane::teamui
