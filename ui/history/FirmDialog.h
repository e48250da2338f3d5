#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>

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
    QPushButton& LogoButton() const { return *chooseLogo_; }
    QPushButton& RemoveLogoButton() const { return *removeLogo_; }
    QLabel& LogoPreview() const { return *preview_; }
    QLabel& Problem() const { return *problem_; }

    // Asks for the logo's file ("" when cancelled); tests answer it themselves.
    std::function<QString()> logoChooser;
    // Reads and checks the file; shown when it is a logo, else refused in the dialog.
    bool TakeLogo(const QString& path);

  private:
    void ChooseLogo();
    void ShowLogo();

    QLineEdit* name_ = nullptr;
    QPlainTextEdit* address_ = nullptr;
    QLineEdit* phone_ = nullptr;
    QLineEdit* email_ = nullptr;
    QLineEdit* licence_ = nullptr;
    QLineEdit* prefix_ = nullptr;
    QPushButton* chooseLogo_ = nullptr;
    QPushButton* removeLogo_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* problem_ = nullptr;
    std::string logo_;
    std::string logoType_;
};

}  // namespace terrovane::history
