#include "FirmDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>

#include "Firm.h"
#include "FocusFrame.h"

namespace terrovane::history {
namespace {

QLineEdit* FirmLine(const std::string& text, int most, QWidget* parent) {
    auto* field = new QLineEdit(QString::fromStdString(text), parent);
    field->setMaxLength(most);
    return field;
}

}  // namespace

FirmDialog::FirmDialog(const archive::FirmProfile& firm, bool inTeam, QWidget* parent)
    : QDialog(parent), logo_(firm.logo, firm.logoType) {
    setWindowTitle(tr("Firm"));
    keyboard::ShowFocusFromTheStart(this);
    name_ = FirmLine(firm.name, static_cast<int>(archive::kMostFirmFieldCharacters), this);
    address_ = new QPlainTextEdit(QString::fromStdString(firm.address), this);
    address_->setTabChangesFocus(true);
    address_->setFixedHeight(address_->fontMetrics().lineSpacing() * 4 + 12);
    phone_ = FirmLine(firm.phone, static_cast<int>(archive::kMostFirmFieldCharacters), this);
    email_ = FirmLine(firm.email, static_cast<int>(archive::kMostFirmFieldCharacters), this);
    licence_ = FirmLine(firm.licence, static_cast<int>(archive::kMostFirmFieldCharacters), this);
    prefix_ = FirmLine(firm.prefix, static_cast<int>(archive::kMostPrefixCharacters), this);
    prefix_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,12}")), prefix_));
    prefix_->setPlaceholderText(tr("letters and digits, as ACME"));
    QHBoxLayout* logoRow = logo_.Build(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name:"), name_);
    layout->addRow(tr("Address:"), address_);
    layout->addRow(tr("Phone:"), phone_);
    layout->addRow(tr("E-mail:"), email_);
    layout->addRow(tr("Accreditation or licence:"), licence_);
    layout->addRow(tr("Report number prefix:"), prefix_);
    layout->addRow(tr("Logo (PNG or SVG):"), logoRow);
    layout->addRow(&logo_.Problem());
    if (inTeam) {
        auto* team = new QLabel(
            tr("The team shares one profile: a change here goes to the server with the next sync, which "
               "takes it from admins only."),
            this);
        team->setWordWrap(true);
        layout->addRow(team);
    }
    layout->addRow(buttons);
}

archive::FirmProfile FirmDialog::Value() const {
    archive::FirmProfile firm;
    firm.name = name_->text().trimmed().toStdString();
    firm.address = address_->toPlainText().trimmed().toStdString();
    firm.phone = phone_->text().trimmed().toStdString();
    firm.email = email_->text().trimmed().toStdString();
    firm.licence = licence_->text().trimmed().toStdString();
    firm.prefix = prefix_->text().trimmed().toStdString();
    logo_.Fill(firm);
    return firm;
}

}  // namespace terrovane::history
