#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <functional>
#include <variant>
#include <vector>

#include "Archive.h"
#include "FopCurves.h"
#include "GridAssessments.h"
#include "SoilModels.h"

namespace terrovane::history {

// One stored analysis: a site's soil model or grid assessment, or a test point's fall-of-potential curve.
struct StoredAnalysis {
    std::variant<archive::StoredSoilModel, archive::StoredFopCurve, archive::StoredGridAssessment> stored;
    QString site;
    QString point;  // empty for a soil model
};

// Every analysis kept in the archive, soil models first, then fall-of-potential curves and grid
// assessments, each newest first.
bool LoadStoredAnalysesList(archive::Archive& archive, std::vector<StoredAnalysis>& out, std::string& error);

// The stored analyses, listed with their site and point: Open shows one in its window again, Delete...
// removes it after a question (never a result).
class StoredAnalysesDialog : public QDialog {
    Q_OBJECT

  public:
    StoredAnalysesDialog(archive::Archive& archive, QWidget* parent = nullptr);

    QTableWidget& List() const { return *list_; }
    QPushButton& OpenButton() const { return *open_; }
    QPushButton& DeleteButton() const { return *delete_; }
    // Opens the chosen analysis in its window (a child of the dialog's parent); nullptr when none is chosen.
    QWidget* OpenChosen();
    void DeleteChosen();

  private:
    void Reload();
    const StoredAnalysis* Chosen() const;

    archive::Archive& archive_;
    std::vector<StoredAnalysis> analyses_;
    QTableWidget* list_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* delete_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace terrovane::history
