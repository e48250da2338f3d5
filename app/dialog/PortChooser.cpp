#include "PortChooser.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "PortChoice.h"
#include "PortTexts.h"
#include "ScreenFit.h"

namespace terrovane::app {
namespace {

QString OrDash(const std::string& text) {
    return text.empty() ? QStringLiteral("-") : QString::fromStdString(text);
}

}  // namespace

std::vector<std::array<QString, 4>> PortChooserRows(const std::vector<platform::BridgePort>& ports) {
    std::vector<std::array<QString, 4>> rows;
    for (const auto& port : ports)
        rows.push_back(
            {OrDash(port.device), OrDash(port.productId), OrDash(port.usbSerial), OrDash(port.usbPath)});
    return rows;
}

int ChosenRow(const std::vector<platform::BridgePort>& ports, const std::string& selector) {
    const auto named = link::PortsNamedBy(ports, selector);
    if (named.size() != 1)
        return 0;
    for (std::size_t row = 0; row < ports.size(); ++row) {
        if (ports[row] == named.front())
            return static_cast<int>(row);
    }
    return 0;
}

PortChooser::PortChooser(std::vector<platform::BridgePort> ports, const std::string& selector,
                         QWidget* parent)
    : QDialog(parent), ports_(std::move(ports)) {
    setWindowTitle(QCoreApplication::translate("PortChooser", res::kPortChooserCaption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QCoreApplication::translate(
                       "PortChooser", ports_.empty() ? res::kPortChooserNone : res::kPortChooserPrompt),
                   this));

    const auto rows = PortChooserRows(ports_);
    table_ = new QTableWidget(static_cast<int>(rows.size()),
                              static_cast<int>(res::kPortChooserColumns.size()), this);
    QStringList headers;
    for (const char* column : res::kPortChooserColumns)
        headers << QCoreApplication::translate("PortChooser", column);
    table_->setHorizontalHeaderLabels(headers);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int column = 0; column < static_cast<int>(rows[row].size()); ++column)
            table_->setItem(row, column, new QTableWidgetItem(rows[row][column]));
    }
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);  // Tab goes on to OK and Cancel; the arrow keys choose the port
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->resizeColumnsToContents();
    if (!rows.empty())
        table_->selectRow(ChosenRow(ports_, selector));
    layout->addWidget(table_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QCoreApplication::translate("PortChooser", res::kPortChooserOk),
                                         QDialogButtonBox::AcceptRole);
    buttons->addButton(QCoreApplication::translate("PortChooser", res::kPortChooserCancel),
                       QDialogButtonBox::RejectRole);
    ok->setEnabled(!rows.empty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    screenfit::ResizeOnScreen(this, QSize(560, 220));
}

std::optional<platform::BridgePort> PortChooser::Chosen() const {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(ports_.size()))
        return std::nullopt;
    return ports_[static_cast<std::size_t>(row)];
}

}  // namespace terrovane::app
