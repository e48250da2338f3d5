#pragma once

#include <QString>

#include "Refusal.h"

namespace terrovane::texts {

// Why the analysis refused the data, in the running language; empty when it did not.
QString RefusalText(const analysis::Refusal& refusal);

}  // namespace terrovane::texts
