// Mount › Port...: the user's choice among several instrument bridges, kept in the settings.
#include "CTesterDlg.h"
#include "PortChooser.h"
#include "PortTexts.h"
#include "Settings.h"

namespace terrovane::app {

void CTesterDlg::LoadPortChoice() {
    session_.SetPortChoice({platform::Settings().PortChoice(), false});
}

void CTesterDlg::ApplyPortChoice(const platform::BridgePort& port) {
    const std::string selector = link::RememberedSelector(port);
    platform::Settings().SetPortChoice(selector);
    session_.SetPortChoice({selector, false});
}

void CTesterDlg::OnChoosePort() {
    PortChooser chooser(platform::CurrentPortMap().BridgePorts(), session_.Choice().selector, this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    if (const auto port = chooser.Chosen())
        ApplyPortChoice(*port);
}

}  // namespace terrovane::app
