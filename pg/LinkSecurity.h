#pragma once

#include <string>

namespace terrovane::pg {

// How far the server's certificate was checked before anything was sent.
enum class CertificateCheck {
    None,              // not checked: encrypted, but anyone on the way could have posed as the server
    Authority,         // signed by the root certificate named (sslmode=verify-ca), whatever name it carries
    AuthorityAndName,  // and made out to the host connected to (sslmode=verify-full)
};

// What protects an open connection, as the Team dialog and `team status` tell it.
struct LinkSecurity {
    bool localSocket = false;  // a Unix socket: nothing crosses a network
    bool encrypted = false;
    std::string protocol;  // "TLSv1.3" when encrypted
    CertificateCheck certificate = CertificateCheck::None;
    std::string sslMode;  // the mode libpq connected under ("require", "disable", ...)
};

}  // namespace terrovane::pg
