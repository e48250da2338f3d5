#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "Archive.h"
#include "ResultPages.h"
#include "ResultView.h"

namespace terrovane::history {

// The archived results under the current filter and order, fetched a page at a time as the view scrolls,
// so a million results open as fast as a hundred.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kPageSize = ResultPages::kPageSize;

    explicit HistoryModel(archive::Archive* archive, QObject* parent = nullptr);

    // The archive may be absent (it could not be opened): the list stays empty.
    void SetArchive(archive::Archive* archive);
    void SetFilter(const archive::ResultFilter& filter);
    const archive::ResultFilter& Filter() const { return pages_.Filter(); }
    // Reads the first page again (after a label changed or a read-out came in).
    void Reload();

    const archive::ResultView* ResultAt(int row) const { return pages_.ResultAt(row); }
    const archive::ResultRow* RowAt(int row) const { return pages_.RowAt(row); }
    // The last query's failure, "" when it went well.
    const std::string& Error() const { return pages_.Error(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    void sort(int column, Qt::SortOrder order) override;

  signals:
    void QueryFailed(const QString& reason);

  private:
    void FetchPage();

    ResultPages pages_;
};

}  // namespace terrovane::history
