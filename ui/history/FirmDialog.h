#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "FirmLogo.h"
#include "FirmProfile.h"

namespace terrovane::history {

// Settings > Firm...: the firm that issues the reports, with its logo shown as it will be printed. A logo
// is checked whole when it is chosen; one that is none is refused in the dialog and the former stays.
class FirmDialog : public QDialog {
    Q_OBJECT

  public:
    FirmDialog(const archive::FirmProfile& firm, bool inTeam, QWidget* parent = nullptr);

    archive::FirmProfile Value() const;
    QLineEdit& NameField() const { return *name_; }
    QPlainTextEdit& AddressField() const { return *address_; }
    QLineEdit& PhoneField() const { return *phone_; }
    QLineEdit& EmailField() const { return *email_; }
    QLineEdit& LicenceField() const { return *licence_; }
    QLineEdit& PrefixField() const { return *prefix_; }
    QPushButton& LogoButton() const { return logo_.ChooseButton(); }
    QPushButton& RemoveLogoButton() const { return logo_.RemoveButton(); }
    QLabel& LogoPreview() const { return logo_.Preview(); }
    QLabel& Problem() const { return logo_.Problem(); }
    // The logo, its file and its preview.
    FirmLogo& Logo() { return logo_; }

  private:
    QLineEdit* name_ = nullptr;
    QPlainTextEdit* address_ = nullptr;
    QLineEdit* phone_ = nullptr;
    QLineEdit* email_ = nullptr;
    QLineEdit* licence_ = nullptr;
    QLineEdit* prefix_ = nullptr;
    FirmLogo logo_;
};

}  // namespace terrovane::history
