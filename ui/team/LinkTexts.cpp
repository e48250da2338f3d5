#include "LinkTexts.h"

#include <QCoreApplication>

namespace terrovane::teamui {

QString LinkSecurityText(const pg::LinkSecurity& link) {
    if (!link.encrypted) {
        return link.localSocket
                   ? QCoreApplication::translate("TeamLink",
                                                 "Connection: not encrypted (a local socket; nothing crosses "
                                                 "a network).")
                   : QCoreApplication::translate("TeamLink",
                                                 "Connection: NOT encrypted. The server's connection string "
                                                 "asks for sslmode=%1.")
                         .arg(QString::fromStdString(link.sslMode));
    }
    const QString protocol = QString::fromStdString(link.protocol);
    switch (link.certificate) {
        case pg::CertificateCheck::AuthorityAndName:
            return QCoreApplication::translate("TeamLink",
                                               "Connection: encrypted (%1); the server's certificate is "
                                               "verified, its authority and its name.")
                .arg(protocol);
        case pg::CertificateCheck::Authority:
            return QCoreApplication::translate("TeamLink",
                                               "Connection: encrypted (%1); the server's certificate is "
                                               "verified against its authority, but not its name.")
                .arg(protocol);
        case pg::CertificateCheck::None:
            break;
    }
    return QCoreApplication::translate(
               "TeamLink",
               "Connection: encrypted (%1); the server's certificate is not verified. "
               "Name its root certificate with sslrootcert to verify it.")
        .arg(protocol);
}

QString ServerLacksTlsText() {
    return QCoreApplication::translate(
        "TeamLink",
        "The team server offers no encrypted connection (TLS), so nothing was sent, the password least of "
        "all. Ask the office to turn TLS on at the server; only on a network you trust, add sslmode=disable "
        "to the server's connection string.");
}

}  // namespace terrovane::teamui
