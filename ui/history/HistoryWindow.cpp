#include "HistoryWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

#include "ArchiveSetting.h"
#include "ArchiveWatch.h"
#include "EscapeCloses.h"
#include "FlowLayout.h"
#include "FocusFrame.h"
#include "HistoryColumns.h"
#include "ModeName.h"
#include "ScreenFit.h"
#include "Settings.h"
#include "UserGuide.h"

namespace terrovane::history {

HistoryWindow::HistoryWindow(archive::Archive* archive, const QString& problem, QWidget* parent)
    : QWidget(parent, Qt::Window), archive_(archive), problem_(problem) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(tr("Archive"));
    auto* outer = new QVBoxLayout(this);
    outer->setMenuBar(BuildMenuBar());
    outer->addLayout(BuildSearch());
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(BuildTreePane(splitter));
    auto* results = new QWidget(splitter);
    auto* layout = new QVBoxLayout(results);
    layout->setContentsMargins(0, 0, 0, 0);
    splitter->addWidget(results);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    outer->addWidget(splitter, 1);
    BuildFilters(layout);
    model_ = new HistoryModel(archive_, this);
    view_ = new QTableView(this);
    view_->setModel(model_);
    view_->setWordWrap(false);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setTabKeyNavigation(false);  // Tab goes on to the buttons below
    view_->setAlternatingRowColors(true);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setSortIndicator(kReadAtColumn, Qt::DescendingOrder);
    view_->setSortingEnabled(true);  // sorts by the indicator: newest first
    view_->resizeColumnsToContents();
    keyboard::ShowFocusFrame(view_);
    keyboard::ShowFocusFrame(tree_);
    // The typed results of the chosen entry below the read-outs' results, each pane as tall as the user
    // drags it.
    auto* lists = new QSplitter(Qt::Vertical, this);
    lists->addWidget(view_);
    typed_ = new TypedResultsPane(archive_, lists);
    lists->addWidget(typed_);
    attachments_ = new AttachmentStrip(archive_, lists);
    lists->addWidget(attachments_);
    lists->setStretchFactor(0, 3);
    lists->setStretchFactor(1, 1);
    lists->setStretchFactor(2, 0);
    lists->setChildrenCollapsible(false);
    layout->addWidget(lists, 1);
    BuildButtons(layout);
    status_ = new QLabel(this);
    outer->addWidget(status_);
    auto* selectAll = new QAction(tr("Select all"), this);
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WindowShortcut);
    connect(selectAll, &QAction::triggered, this, &HistoryWindow::SelectAll);
    addAction(selectAll);
    view_->installEventFilter(this);
    BuildTreeMenu();
    connect(tree_, &SiteTree::Chosen, this, &HistoryWindow::ApplyFilter);
    tree_->Reload(archive_);
    connect(tree_, &SiteTree::Chosen, typed_, &TypedResultsPane::Show);
    connect(this, &HistoryWindow::Refreshed, typed_, &TypedResultsPane::Reload);
    connect(typed_, &TypedResultsPane::Changed, this, &HistoryWindow::Refresh);
    typed_->corrected = [this](std::int64_t made, const archive::TypedResultFields& before,
                               const archive::TypedResultFields& after) {
        RememberCorrection(made, before, after);
    };
    typed_->Show(tree_->Current());
    connect(tree_, &SiteTree::Chosen, visits_, &VisitsPane::Show);
    connect(this, &HistoryWindow::Refreshed, visits_, &VisitsPane::Reload);
    connect(visits_, &VisitsPane::Changed, this, &HistoryWindow::Refresh);
    visits_->selectedResults = [this] {
        std::vector<std::int64_t> ids;
        for (const archive::ResultRow& row : SelectedResults()) {
            ids.push_back(row.id);
        }
        return ids;
    };
    visits_->selectedTypedResults = [this] {
        // The typed results chosen, each once (an earlier version chosen below one stands for it).
        std::vector<std::int64_t> ids;
        for (const QTreeWidgetItem* item : typed_->List().selectedItems()) {
            const QTreeWidgetItem* newest = item->parent() != nullptr ? item->parent() : item;
            const std::int64_t id = newest->data(TypedResultsPane::kMeasured, Qt::UserRole).toLongLong();
            if (std::find(ids.begin(), ids.end(), id) == ids.end()) {
                ids.push_back(id);
            }
        }
        return ids;
    };
    visits_->Show(tree_->Current());
    FollowWithAttachments();
    connect(model_, &HistoryModel::QueryFailed, status_, &QLabel::setText);
    connect(model_, &HistoryModel::modelReset, this, &HistoryWindow::ShowCount);
    connect(model_, &HistoryModel::rowsInserted, this, &HistoryWindow::ShowCount);
    connect(view_, &QTableView::doubleClicked, this, &HistoryWindow::OpenSelectedReadOut);
    ShowCount();
    if (archive_ != nullptr) {
        watch_ = new ArchiveWatch(QString::fromStdString(archive_->Path()), this);
        connect(watch_, &ArchiveWatch::Changed, this, &HistoryWindow::Refresh);
    }
    keyboard::CloseOnEscape(this);
    help::OpenGuideOnHelpKey(this, help::kPageArchive);
    screenfit::ResizeOnScreen(this, QSize(1280, 620));
    RestorePanes(*splitter);
}

// The filters and the buttons wrap onto further rows in a narrow window (a small screen, or a large
// scale) instead of making it wider than the screen.
void HistoryWindow::BuildFilters(QBoxLayout* layout) {
    auto* row = new screenfit::FlowLayout;
    const auto dateEdit = [this](QCheckBox*& enabled, QDateEdit*& edit, const QString& text, QDate date) {
        enabled = new QCheckBox(text, this);
        edit = new QDateEdit(date, this);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        connect(enabled, &QCheckBox::toggled, edit, &QDateEdit::setEnabled);
        connect(enabled, &QCheckBox::toggled, this, &HistoryWindow::ApplyFilter);
        connect(edit, &QDateEdit::dateChanged, this, &HistoryWindow::ApplyFilter);
    };
    dateEdit(sinceOn_, since_, tr("Measured from"), QDate(QDate::currentDate().year(), 1, 1));
    dateEdit(untilOn_, until_, tr("to"), QDate::currentDate());
    mode_ = new QComboBox(this);
    mode_->addItem(tr("All modes"), 0);
    for (int code = 1; code <= 10; ++code) {
        mode_->addItem(QString::fromStdString(format::ModeName(static_cast<std::uint32_t>(code))), code);
    }
    connect(mode_, &QComboBox::currentIndexChanged, this, &HistoryWindow::ApplyFilter);
    label_ = new QLineEdit(this);
    label_->setPlaceholderText(tr("Label contains..."));
    label_->setClearButtonEnabled(true);
    connect(label_, &QLineEdit::textChanged, this, &HistoryWindow::ApplyFilter);
    for (QWidget* widget : std::initializer_list<QWidget*>{sinceOn_, since_, untilOn_, until_, mode_}) {
        row->addWidget(widget);
    }
    label_->setMinimumWidth(label_->fontMetrics().horizontalAdvance(label_->placeholderText()) * 3 / 2);
    row->addWidget(label_);
    layout->addLayout(row);
}

void HistoryWindow::BuildButtons(QBoxLayout* layout) {
    auto* row = new screenfit::FlowLayout;
    const auto button = [this, row](const QString& text, void (HistoryWindow::*action)()) {
        auto* push = new QPushButton(text, this);
        connect(push, &QPushButton::clicked, this, action);
        row->addWidget(push);
        push->setEnabled(archive_ != nullptr);
    };
    button(tr("Select all"), &HistoryWindow::SelectAll);
    button(tr("Assign..."), &HistoryWindow::AssignSelected);
    button(tr("Label result..."), &HistoryWindow::LabelSelectedResults);
    button(tr("Label read-out..."), &HistoryWindow::LabelSelectedReadOut);
    button(tr("Open read-out"), &HistoryWindow::OpenSelectedReadOut);
    button(tr("Export..."), &HistoryWindow::ExportSelected);
    button(tr("Site report..."), &HistoryWindow::ReportChosenSite);
    auto* trend = new QPushButton(tr("Trend..."), this);
    trend->setEnabled(archive_ != nullptr);
    connect(trend, &QPushButton::clicked, this, &HistoryWindow::ShowTrend);
    row->addWidget(trend);
    for (auto [text, action] : {std::pair{tr("Soil model..."), &HistoryWindow::ShowSoilModel},
                                std::pair{tr("Fall of potential..."), &HistoryWindow::ShowFallOfPotential},
                                std::pair{tr("Stored analyses..."), &HistoryWindow::ShowStoredAnalyses}}) {
        auto* push = new QPushButton(text, this);
        push->setEnabled(archive_ != nullptr);
        connect(push, &QPushButton::clicked, this, action);
        row->addWidget(push);
    }
    row->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding));
    keep_ = new QCheckBox(tr("Keep new read-outs in the archive"), this);
    keep_->setChecked(ArchivingEnabled());
    connect(keep_, &QCheckBox::toggled, this, &SetArchivingEnabled);
    row->addWidget(keep_);
    layout->addLayout(row);
}

// The panes as the user left them, or at first the tree as wide as its names (at most two fifths).
void HistoryWindow::RestorePanes(QSplitter& splitter) {
    const QByteArray remembered = platform::Settings().ArchivePanes();
    if (remembered.isEmpty() || !splitter.restoreState(remembered)) {
        const int tree = std::min(tree_->FittedWidth(), width() * 2 / 5);
        splitter.setSizes({tree, width() - tree});
    }
    connect(&splitter, &QSplitter::splitterMoved, this,
            [&splitter] { platform::Settings().SetArchivePanes(splitter.saveState()); });
}

void HistoryWindow::ApplyFilter() {
    archive::ResultFilter filter;
    if (sinceOn_->isChecked()) {
        filter.since = since_->date().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    }
    if (untilOn_->isChecked()) {
        filter.until = until_->date().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    }
    if (const int mode = mode_->currentData().toInt(); mode != 0) {
        filter.mode = mode;
    }
    if (!label_->text().trimmed().isEmpty()) {
        filter.labelContains = label_->text().trimmed().toStdString();
    }
    if (!tree_->Searched().trimmed().isEmpty()) {
        filter.search = tree_->Searched().toStdString();
    }
    const TreeChoice chosen = tree_ != nullptr ? tree_->Current() : TreeChoice{};
    if (chosen.kind == TreeChoice::Kind::Unassigned) {
        filter.unassigned = true;
    } else if (chosen.kind == TreeChoice::Kind::Site) {
        filter.siteId = chosen.id;
    } else if (chosen.kind == TreeChoice::Kind::Point) {
        filter.pointId = chosen.id;
    }
    if (typed_ != nullptr) {
        typed_->SetSearch(filter.search.value_or(std::string()));
    }
    model_->SetFilter(filter);
}

void HistoryWindow::ShowCount() {
    if (archive_ == nullptr) {
        status_->setText(tr("The archive cannot be opened: ") + problem_);
    } else if (model_->Error().empty()) {
        const int shown = model_->rowCount();
        status_->setText(shown == 0                 ? tr("No results match")
                         : model_->canFetchMore({}) ? tr("%1 results shown, more as you scroll").arg(shown)
                         : shown == 1               ? tr("1 result")
                                                    : tr("%1 results").arg(shown));
    }
}

std::vector<int> HistoryWindow::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace terrovane::history
