#pragma once

#include "Protocol.h"

namespace terrovane::link {

// The waits of a session. The instrument needs the defaults; tests against an instrument that answers
// at once run the same exchanges with waits of a few milliseconds.
struct SessionPacing {
    // How long the handshake waits for the instrument's first byte.
    int handshakeWaitMs = kHandshakeWaitMs;
    // The pause after each record request.
    int requestPaceMs = kRequestPaceMs;
    // The pause after the last record request, before the reply is judged; < 0: the request pace.
    int lastPaceMs = -1;
    // How long a reply is awaited once its command has ended; 0: as long as the instrument stays.
    int replyTimeoutMs = 0;
    // How often an awaited reply's instrument is looked for.
    int lossWatchMs = 5;
    // For an instrument that answers at once: the handshake's wait ends once its reply has come, and the
    // last pause once the whole image has; the waits above stay the longest. The instrument keeps it off.
    bool endWaitsOnArrival = false;

    int LastPace() const { return lastPaceMs < 0 ? requestPaceMs : lastPaceMs; }
};

}  // namespace terrovane::link
