#include "LinkWatch.h"

namespace terrovane::teamui {
namespace {

bool WorthProbing(const sync::SyncReport& report, bool linkKnown) {
    return report.error == sync::SyncError::ServerFailed ||
           (!linkKnown && report.error != sync::SyncError::CannotReach &&
            report.error != sync::SyncError::SignInRefused && report.error != sync::SyncError::Cancelled);
}

}  // namespace

void LinkWatch::Probe::LookAfter(const sync::SyncReport& report, const pg::ConnectOptions& connection,
                                 bool linkKnown) {
    if (!WorthProbing(report, linkKnown)) {
        return;
    }
    ran = true;
    pg::QueryResult failure;
    const std::unique_ptr<pg::Connection> opened = pg::Connection::Open(connection, failure);
    if (opened != nullptr) {
        link = opened->Security();
    }
    lacksTls = failure.error == pg::ErrorClass::NotEncrypted;
}

void LinkWatch::TakeProbe() {
    if (probe_ != nullptr && probe_->ran) {
        lacksTls_ = probe_->lacksTls;
        if (probe_->link || probe_->lacksTls) {
            link_ = probe_->link;
        }
    }
    probe_.reset();
}

void LinkWatch::Forget() {
    link_.reset();
    lacksTls_ = false;
}

}  // namespace terrovane::teamui
