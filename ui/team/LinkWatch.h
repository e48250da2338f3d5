#pragma once

#include <memory>
#include <optional>
#include <utility>

#include "Connection.h"
#include "LinkSecurity.h"
#include "SyncReport.h"

namespace terrovane::teamui {

// How the connection to the team's server is protected, as learnt after a sync. The sync keeps its
// connection to itself, so a connection of the watch's own looks: once after the first sync that got
// through (it stays so until the next sign-in), and after a failure the sync could not name (a server
// without TLS is one), which costs a refusal's round trip.
class LinkWatch {
  public:
    // What one look found; written on the sync's thread, read once the sync has ended.
    struct Probe {
        bool ran = false;
        std::optional<pg::LinkSecurity> link;
        bool lacksTls = false;

        // Looks when the sync's report makes it worth it; runs on the sync's thread.
        void LookAfter(const sync::SyncReport& report, const pg::ConnectOptions& connection, bool linkKnown);
    };

    // Watches the probe of the sync that has just started.
    void Watch(std::shared_ptr<Probe> probe) { probe_ = std::move(probe); }
    // Takes what the ended sync's probe found.
    void TakeProbe();
    // Nothing is known of a server not yet reached.
    void Forget();

    // How the connection is protected; none before a sync reached the server since the sign-in.
    const std::optional<pg::LinkSecurity>& Security() const { return link_; }
    // The last sync found that the server offers no TLS where the connection requires it; it sent nothing.
    bool ServerLacksTls() const { return lacksTls_; }

  private:
    std::optional<pg::LinkSecurity> link_;
    bool lacksTls_ = false;
    std::shared_ptr<Probe> probe_;  // the running sync's
};

}  // namespace terrovane::teamui
