#pragma once

#include <QString>

#include "LinkSecurity.h"

namespace terrovane::teamui {

// How the connection to the team server is protected, in the person's words: encrypted or not, and
// whether the server's certificate was checked.
QString LinkSecurityText(const pg::LinkSecurity& link);

// The server offers no TLS where the connection requires it: what happened and what to do.
QString ServerLacksTlsText();

}  // namespace terrovane::teamui
