#pragma once

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QWidget>

#include <functional>
#include <optional>

#include "Archive.h"
#include "HistoryModel.h"
#include "LabelDialog.h"

namespace terrovane::history {

// The archive's results, newest first: filters by measuring date, mode and label, label and note editing
// for a result or its read-out, "Open read-out", export of the chosen results, a trend of one label, and
// the setting that keeps new read-outs out of the archive.
class HistoryWindow : public QWidget {
    Q_OBJECT

  public:
    // The archive may be absent; `problem` then says why, in the window.
    HistoryWindow(archive::Archive* archive, const QString& problem, QWidget* parent = nullptr);

    HistoryModel& Model() const { return *model_; }
    QTableView& View() const { return *view_; }
    QCheckBox& SinceEnabled() const { return *sinceOn_; }
    QDateEdit& Since() const { return *since_; }
    QCheckBox& UntilEnabled() const { return *untilOn_; }
    QDateEdit& Until() const { return *until_; }
    QComboBox& ModeChoice() const { return *mode_; }
    QLineEdit& LabelFilter() const { return *label_; }
    QCheckBox& KeepReadOuts() const { return *keep_; }
    QLabel& Status() const { return *status_; }

    // Asks for an export file ("" when cancelled); tests answer it themselves.
    std::function<QString()> exportFileChooser;
    // Asks for a label and note; nothing on Cancel. Tests answer it themselves.
    std::function<std::optional<LabelEdit>(const QString& title, const LabelEdit& current)> labelEditor;

    // The actions of the buttons, on the selected rows.
    void LabelSelectedResults();
    void LabelSelectedReadOut();
    void OpenSelectedReadOut();
    void ExportSelected();
    QWidget* ShowTrend();
    // After a read-out was archived elsewhere in the program.
    void Refresh() { model_->Reload(); }

  signals:
    // The user asked to load this read-out's image into the main window.
    void OpenReadOut(qint64 readoutId);

  private:
    void BuildFilters(QBoxLayout* layout);
    void BuildButtons(QBoxLayout* layout);
    void ApplyFilter();
    void ShowCount();
    std::vector<int> SelectedRows() const;
    std::optional<LabelEdit> AskLabel(const QString& title, const LabelEdit& current);
    QString AskExportFile();

    archive::Archive* archive_;
    HistoryModel* model_ = nullptr;
    QTableView* view_ = nullptr;
    QCheckBox* sinceOn_ = nullptr;
    QDateEdit* since_ = nullptr;
    QCheckBox* untilOn_ = nullptr;
    QDateEdit* until_ = nullptr;
    QComboBox* mode_ = nullptr;
    QLineEdit* label_ = nullptr;
    QCheckBox* keep_ = nullptr;
    QLabel* status_ = nullptr;
    QString problem_;
};

}  // namespace terrovane::history
