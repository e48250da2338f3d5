#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QString>
#include <QTableView>

#include <vector>

#include "Archive.h"
#include "AttachmentStrip.h"
#include "HistoryModel.h"
#include "SiteTree.h"
#include "TypedResultsPane.h"
#include "VisitsPane.h"

namespace terrovane::history {

class HistoryWindow;

// The archive window's controls that several of its parts work on; the window makes them and its parts
// keep a reference to this, so a control made later is seen by a part made earlier.
struct HistoryControls {
    archive::Archive* archive = nullptr;
    // Why the archive is absent, said in the window's foot.
    QString problem;
    HistoryWindow* window = nullptr;
    HistoryModel* model = nullptr;
    QTableView* view = nullptr;
    QLabel* status = nullptr;
    SiteTree* tree = nullptr;
    TypedResultsPane* typed = nullptr;
    VisitsPane* visits = nullptr;
    AttachmentStrip* attachments = nullptr;
    QCheckBox* keep = nullptr;
};

// The rows selected in the list, top to bottom, and their results.
std::vector<int> SelectedRows(const HistoryControls& controls);
std::vector<archive::ResultRow> SelectedResults(const HistoryControls& controls);

// A file to save into, chosen in Qt's own dialog; a bare name gets the chosen type's extension.
QString AskSaveFile(QWidget* parent, const QString& title, const QString& filters);

}  // namespace terrovane::history
