#include "HistoryModel.h"
#include "MethodText.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>

#include "HistoryColumns.h"
#include "NoteText.h"
#include "TypedNumber.h"
#include "ValiditySetting.h"

namespace terrovane::history {

HistoryModel::HistoryModel(archive::Archive* archive, QObject* parent)
    : QAbstractTableModel(parent), pages_(archive) {
    Reload();
}

void HistoryModel::SetArchive(archive::Archive* archive) {
    pages_.SetArchive(archive);
    Reload();
}

void HistoryModel::SetFilter(const archive::ResultFilter& filter) {
    pages_.SetFilter(filter);
    Reload();
}

void HistoryModel::Reload() {
    beginResetModel();
    pages_.Clear();
    endResetModel();
    if (!pages_.Complete()) {
        FetchPage();
    }
}

void HistoryModel::FetchPage() {
    std::vector<archive::ResultRow> page;
    if (!pages_.ReadNext(page)) {
        emit QueryFailed(QString::fromStdString(pages_.Error()));
        return;
    }
    if (page.empty()) {
        return;
    }
    const int first = pages_.Count();
    const archive::ValidityThresholds thresholds = ValiditySettings();
    beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
    pages_.Append(std::move(page), thresholds);
    endInsertRows();
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : pages_.Count();
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

namespace {

// The verdict's colour beside its word, and why a reading is doubtful.
QVariant VerdictDecoration(const archive::ResultView& view, int role) {
    const bool pass = view.verdict == archive::Verdict::Pass;
    const bool fail = view.verdict == archive::Verdict::Fail;
    if (role == Qt::ForegroundRole && (pass || fail)) {
        return QBrush(pass ? QColor(0x1B, 0x5E, 0x20) : QColor(0xB7, 0x1C, 0x1C));
    }
    if (role == Qt::BackgroundRole && (pass || fail)) {
        return QBrush(pass ? QColor(0xDC, 0xF0, 0xDC) : QColor(0xFB, 0xDA, 0xDA));
    }
    if (role == Qt::FontRole && fail) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::ToolTipRole) {
        QString tip = view.limit ? QCoreApplication::translate("HistoryModel", "Limit %1 Ω (%2)")
                                       .arg(keyboard::ShownSignificant(view.limit->ohms, 6))
                                       .arg(QString::fromStdString(view.limit->source))
                                 : QCoreApplication::translate("HistoryModel", "No limit applies");
        for (const std::string& note : view.validity) {
            tip +=
                QCoreApplication::translate("HistoryModel", "\nDoubtful: ") + texts::ValidityNoteText(note);
        }
        return tip;
    }
    return {};
}

}  // namespace

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    const archive::ResultView* view = ResultAt(index.row());
    if (view == nullptr) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return HistoryCell(*view, index.column());
    }
    if (role == Qt::ToolTipRole && index.column() == kNoteColumn && !view->note.empty()) {
        return QString::fromStdString(view->note);
    }
    // A name cut short by a narrow column is read whole in its tooltip.
    if (role == Qt::ToolTipRole &&
        (index.column() == kSiteColumn || index.column() == kPointColumn || index.column() == kLabelColumn)) {
        const QVariant text = HistoryCell(*view, index.column());
        return text.toString().isEmpty() ? QVariant() : text;
    }
    if (index.column() == kVerdictColumn) {
        return VerdictDecoration(*view, role);
    }
    // How the result was measured, as the site report prints it beneath the result.
    if (role == Qt::ToolTipRole && index.column() == kModeColumn) {
        return texts::MethodText(archive::MethodOf(*view, ValiditySettings()));
    }
    return {};
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        const archive::ResultView* view = ResultAt(section);
        return view != nullptr && view->id ? QVariant(static_cast<qlonglong>(*view->id)) : QVariant();
    }
    static const QStringList kHeaders = HistoryHeaders();
    return section >= 0 && section < kHeaders.size() ? kHeaders[section] : QVariant();
}

bool HistoryModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !pages_.Complete();
}

void HistoryModel::fetchMore(const QModelIndex& parent) {
    if (canFetchMore(parent)) {
        FetchPage();
    }
}

void HistoryModel::sort(int column, Qt::SortOrder order) {
    pages_.SetSort(SortForColumn(column, order));
    Reload();
}

}  // namespace terrovane::history
