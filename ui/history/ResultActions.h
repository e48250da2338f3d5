#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "HistoryControls.h"
#include "LabelDialog.h"
#include "ResultFilters.h"
#include "TypedResults.h"

namespace terrovane::history {

// The archive window's buttons on the results selected in the list: their labels and notes or their
// read-out's, "Open read-out", their export, and the trend of their label.
class ResultActions {
  public:
    ResultActions(HistoryControls& controls, const ResultFilters& filters)
        : controls_(controls), filters_(filters) {}

    void LabelSelectedResults();
    void LabelSelectedReadOut();
    // Asks the window's owner to load the first selected result's read-out.
    void OpenSelectedReadOut();
    void ExportSelected();
    QWidget* ShowTrend();

    // Asks for an export file ("" when cancelled); tests answer it themselves.
    std::function<QString()> exportFileChooser;
    // Asks for a label and note; nothing on Cancel. Tests answer it themselves.
    std::function<std::optional<LabelEdit>(const QString& title, const LabelEdit& current)> labelEditor;

  private:
    std::optional<LabelEdit> AskLabel(const QString& title, const LabelEdit& current);
    QString AskExportFile();
    // The results typed by hand at the points, newest first point by point; false after saying why.
    bool TypedResultsAt(const std::set<std::int64_t>& points,
                        std::vector<archive::TypedResultVersion>& typed);

    HistoryControls& controls_;
    const ResultFilters& filters_;
};

}  // namespace terrovane::history
