#pragma once

#include <QDateTime>
#include <QString>

#include "SyncText.h"

namespace terrovane::teamui {

// Why a sync stopped and how it went are worded in texts, for the command line too.
using texts::SyncErrorText;
using texts::SyncOutcomeText;

// A moment as the person's language writes it; "never" for none.
QString SyncTimeText(const QDateTime& when);

}  // namespace terrovane::teamui
