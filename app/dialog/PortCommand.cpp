// Mount › Port...: the user's choice among several instrument bridges, kept in the settings.
#include <QSettings>

#include "CTesterDlg.h"
#include "PortChooser.h"
#include "PortTexts.h"

namespace terrovane::app {
namespace {

std::string RememberedPortSelector() {
    return QSettings().value(QString::fromUtf8(res::kPortChoiceSetting)).toString().toStdString();
}

}  // namespace

void CTesterDlg::LoadPortChoice() {
    session_.SetPortChoice({RememberedPortSelector(), false});
}

void CTesterDlg::ApplyPortChoice(const platform::BridgePort& port) {
    const std::string selector = link::RememberedSelector(port);
    QSettings().setValue(QString::fromUtf8(res::kPortChoiceSetting), QString::fromStdString(selector));
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
