#pragma once

#include <QString>

#include <string>

#include "Archive.h"

namespace terrovane::history {

// What to do about the archive's latest failure, in the user's words; empty when there is nothing
// better to say than the failure itself.
QString WhatToDo(const archive::Archive& archive);

// That `what` failed, why, and what to do about it, for a window to show in its own place.
QString ArchiveFailureText(const QString& what, const archive::Archive& archive, const std::string& error);

// Tells that `what` failed ("The name could not be changed."), why, and what to do about it.
void SayArchiveFailure(const QString& what, const archive::Archive& archive, const std::string& error);

}  // namespace terrovane::history
