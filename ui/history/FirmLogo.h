#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <string>

#include "FirmProfile.h"

namespace terrovane::history {

// The firm dialog's logo: shown as it will be printed, chosen from a file that is checked whole, or
// removed. One that is none is refused under the fields and the former stays.
class FirmLogo {
  public:
    FirmLogo(std::string logo, std::string logoType)
        : logo_(std::move(logo)), logoType_(std::move(logoType)) {}

    // The preview beside its buttons, and the label that says a refused file (the dialog places it).
    QHBoxLayout* Build(QWidget* dialog);
    // The logo in the firm's profile.
    void Fill(archive::FirmProfile& firm) const;
    // Reads and checks the file; shown when it is a logo, else refused in the dialog.
    bool TakeLogo(const QString& path);

    // Asks for the logo's file ("" when cancelled); tests answer it themselves.
    std::function<QString()> logoChooser;

    QPushButton& ChooseButton() const { return *chooseLogo_; }
    QPushButton& RemoveButton() const { return *removeLogo_; }
    QLabel& Preview() const { return *preview_; }
    QLabel& Problem() const { return *problem_; }

  private:
    void ChooseLogo();
    void ShowLogo();

    QWidget* dialog_ = nullptr;
    QPushButton* chooseLogo_ = nullptr;
    QPushButton* removeLogo_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* problem_ = nullptr;
    std::string logo_;
    std::string logoType_;
};

}  // namespace terrovane::history
