#pragma once

#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QWidget>

#include <functional>
#include <vector>

#include "NumberBox.h"

#include "Archive.h"
#include "DueSoon.h"

class QPrintPreviewDialog;

namespace terrovane::history {

// The due list: the points overdue for a re-test and those due within a chosen number of days, soonest
// first, with each one's last test, last result and verdict; printed, saved as a PDF, or exported as an
// .xlsx workbook, CSV or an iCalendar file for the team's calendars.
class DueWindow : public QWidget {
    Q_OBJECT

  public:
    DueWindow(archive::Archive& archive, QWidget* parent = nullptr);

    keyboard::WholeNumberBox& Days() const { return *days_; }
    QTableWidget& Table() const { return *table_; }
    QLabel& Status() const { return *status_; }
    const std::vector<archive::DueEntry>& Entries() const { return entries_; }

    // Asks for a file to save into ("" when cancelled); tests answer it themselves.
    std::function<QString(const QString& title, const QString& filters)> fileChooser;
    // Called once the print preview is up (tests look at it and close it).
    std::function<void(QPrintPreviewDialog&)> previewShown;

    enum Column { kSiteColumn, kPointColumn, kLastTestColumn, kLastResultColumn, kVerdictColumn, kDueColumn };

    // Reads the list again for the days chosen.
    void Reload();
    void Print();
    void SaveAsPdf();
    // .xlsx, CSV or iCalendar, by the chosen file's extension.
    void Export();

  private:
    void Fill();
    QString AskFile(const QString& title, const QString& filters);
    void Said(const std::string& error, const QString& done);

    archive::Archive& archive_;
    keyboard::WholeNumberBox* days_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* status_ = nullptr;
    std::vector<archive::DueEntry> entries_;
    std::string today_;
};

}  // namespace terrovane::history
