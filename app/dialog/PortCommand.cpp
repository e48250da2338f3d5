#include "PortCommand.h"

#include "PortChooser.h"
#include "PortTexts.h"
#include "Settings.h"

namespace terrovane::app {

PortCommand::PortCommand(link::InstrumentSession& session, QWidget& owner)
    : session_(session), owner_(owner) {
    session_.SetPortChoice({platform::Settings().PortChoice(), false});
}

void PortCommand::Apply(const platform::BridgePort& port) {
    const std::string selector = link::RememberedSelector(port);
    platform::Settings().SetPortChoice(selector);
    session_.SetPortChoice({selector, false});
}

void PortCommand::Choose() {
    PortChooser chooser(platform::CurrentPortMap().BridgePorts(), session_.Choice().selector, &owner_);
    if (chooser.exec() != QDialog::Accepted)
        return;
    if (const auto port = chooser.Chosen())
        Apply(*port);
}

}  // namespace terrovane::app
