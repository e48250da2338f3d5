#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTableWidget>

#include <functional>
#include <vector>

#include "Archive.h"
#include "IssuedReports.h"
#include "SiteTypes.h"

namespace terrovane::history {

// The reports issued for one site, each revision as it was issued: number, revision, date and who issued
// it; the chosen one opened in the PDF viewer or saved as a copy.
class IssuedReportsDialog : public QDialog {
    Q_OBJECT

  public:
    IssuedReportsDialog(archive::Archive& archive, const archive::SiteRow& site, QWidget* parent = nullptr);

    QTableWidget& Table() const { return *table_; }
    QPushButton& OpenButton() const { return *open_; }
    QPushButton& SaveButton() const { return *save_; }
    const std::vector<archive::IssuedReport>& Reports() const { return reports_; }

    // Asks where the copy goes ("" when cancelled); tests answer it themselves.
    std::function<QString(const QString& suggested)> copyChooser;
    // Opens the written file for reading; by default the desktop's PDF viewer. Tests see what it opens.
    std::function<bool(const QString& path)> opener;

    void OpenChosen();
    void SaveChosen();

  private:
    // The chosen report's PDF as it was issued; false after a message.
    bool ChosenBytes(const archive::IssuedReport*& report, std::string& bytes);

    archive::Archive& archive_;
    std::vector<archive::IssuedReport> reports_;
    QTableWidget* table_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace terrovane::history
