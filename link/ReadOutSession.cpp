#include "ReadOutSession.h"

#include <QEventLoop>
#include <QTimer>

#include "CMSComm.h"

namespace terrovane::link {

bool AwaitExchange(InstrumentLink& link, int timeoutMs) {
    bool ended = false;
    bool accepted = false;
    QEventLoop loop;
    const QMetaObject::Connection connection =
        QObject::connect(&link, &InstrumentLink::ExchangeEnded, &loop, [&](bool replyAccepted) {
            ended = true;
            accepted = replyAccepted;
            loop.quit();
        });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    // No port watch here: an instrument that goes away before it answered is noticed by this one.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &link, &InstrumentLink::WatchAwaitedReply);
    watch.start(kReplyWatchIntervalMs);
    loop.exec();
    QObject::disconnect(connection);
    if (!ended) {
        link.OnReplyTimeout();
    }
    return accepted;
}

bool ReadInstrument(record::ReadOutState& state, LinkHost* host, int timeoutMs, std::string* portName) {
    SilentHost silentHost;
    CMSComm comm;
    InstrumentLink link(comm, host != nullptr ? *host : silentHost, state);
    if (!link.Read()) {
        return false;
    }
    const bool accepted = AwaitExchange(link, timeoutMs);
    if (portName != nullptr) {
        *portName = link.portName;
    }
    return accepted;
}

}  // namespace terrovane::link
