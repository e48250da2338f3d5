// The archive window read again without losing the user's place: the chosen tree entry, the selected
// results and the scroll positions stay where the user left them.
#include "LiveRefresh.h"

#include <QScrollBar>

#include <set>

#include "ArchiveWatch.h"
#include "HistoryWindow.h"

namespace terrovane::history {

void LiveRefresh::ReadAgain() {
    std::set<std::int64_t> selected;
    for (const archive::ResultRow& row : SelectedResults(controls_)) {
        selected.insert(row.id);
    }
    const QModelIndex current = controls_.view->currentIndex();
    const archive::ResultRow* currentRow =
        current.isValid() ? controls_.model->RowAt(current.row()) : nullptr;
    const std::int64_t currentId = currentRow != nullptr ? currentRow->id : -1;  // ids start at 1
    const int loaded = controls_.model->rowCount();
    const int listScroll = controls_.view->verticalScrollBar()->value();
    const int listAcross = controls_.view->horizontalScrollBar()->value();

    controls_.tree->Reload(controls_.archive);
    controls_.model->Reload();
    // As many rows as were loaded, so the scroll position and the selection can come back.
    while (controls_.model->rowCount() < loaded && controls_.model->canFetchMore({})) {
        controls_.model->fetchMore({});
    }
    QItemSelection selection;
    for (int row = 0; row < controls_.model->rowCount(); ++row) {
        const archive::ResultRow* result = controls_.model->RowAt(row);
        if (result == nullptr) {
            continue;
        }
        if (selected.count(result->id) != 0) {
            selection.select(controls_.model->index(row, 0),
                             controls_.model->index(row, controls_.model->columnCount() - 1));
        }
        if (result->id == currentId) {
            controls_.view->selectionModel()->setCurrentIndex(controls_.model->index(row, current.column()),
                                                              QItemSelectionModel::NoUpdate);
        }
    }
    controls_.view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    controls_.view->verticalScrollBar()->setValue(listScroll);
    controls_.view->horizontalScrollBar()->setValue(listAcross);
    if (watch_ != nullptr) {
        watch_->MarkSeen();
    }
}

void LiveRefresh::WatchArchive() {
    if (controls_.archive != nullptr) {
        watch_ = new ArchiveWatch(QString::fromStdString(controls_.archive->Path()), controls_.window);
        QObject::connect(watch_, &ArchiveWatch::Changed, controls_.window, &HistoryWindow::Refresh);
    }
}

}  // namespace terrovane::history
