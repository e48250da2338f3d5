#pragma once

#include <QDialog>
#include <QString>
#include <QTableWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "PortMap.h"

namespace terrovane::app {

// The chooser's rows: each port's device, product id, USB serial and USB path, "-" for what is unknown.
std::vector<std::array<QString, 4>> PortChooserRows(const std::vector<platform::BridgePort>& ports);
// The row of the port `selector` names (the remembered choice), or the first row.
int ChosenRow(const std::vector<platform::BridgePort>& ports, const std::string& selector);

// Mount › Port...: lists the instrument bridges attached and lets the user pick the one the commands use.
class PortChooser : public QDialog {
    Q_OBJECT

  public:
    PortChooser(std::vector<platform::BridgePort> ports, const std::string& selector,
                QWidget* parent = nullptr);

    QTableWidget* Table() const { return table_; }
    // The port on the selected row; nothing when no bridge is attached.
    std::optional<platform::BridgePort> Chosen() const;

  private:
    std::vector<platform::BridgePort> ports_;
    QTableWidget* table_ = nullptr;
};

}  // namespace terrovane::app
