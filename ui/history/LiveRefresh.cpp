// The archive window read again without losing the user's place: the chosen tree entry, the selected
// results and the scroll positions stay where the user left them.
#include <QScrollBar>

#include <set>

#include "ArchiveWatch.h"
#include "HistoryWindow.h"

namespace terrovane::history {

void HistoryWindow::Refresh() {
    std::set<std::int64_t> selected;
    for (const archive::ResultRow& row : SelectedResults()) {
        selected.insert(row.id);
    }
    const QModelIndex current = view_->currentIndex();
    const archive::ResultRow* currentRow = current.isValid() ? model_->RowAt(current.row()) : nullptr;
    const std::int64_t currentId = currentRow != nullptr ? currentRow->id : -1;  // ids start at 1
    const int loaded = model_->rowCount();
    const int listScroll = view_->verticalScrollBar()->value();
    const int listAcross = view_->horizontalScrollBar()->value();

    tree_->Reload(archive_);
    model_->Reload();
    // As many rows as were loaded, so the scroll position and the selection can come back.
    while (model_->rowCount() < loaded && model_->canFetchMore({})) {
        model_->fetchMore({});
    }
    QItemSelection selection;
    for (int row = 0; row < model_->rowCount(); ++row) {
        const archive::ResultRow* result = model_->RowAt(row);
        if (result == nullptr) {
            continue;
        }
        if (selected.count(result->id) != 0) {
            selection.select(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
        }
        if (result->id == currentId) {
            view_->selectionModel()->setCurrentIndex(model_->index(row, current.column()),
                                                     QItemSelectionModel::NoUpdate);
        }
    }
    view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    view_->verticalScrollBar()->setValue(listScroll);
    view_->horizontalScrollBar()->setValue(listAcross);
    if (watch_ != nullptr) {
        watch_->MarkSeen();
    }
    emit Refreshed();
}

void HistoryWindow::AddFooter(QWidget* footer) {
    layout()->addWidget(footer);
}

}  // namespace terrovane::history
