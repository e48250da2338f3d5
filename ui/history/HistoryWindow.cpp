#include "HistoryWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

#include "AttachmentFollowing.h"
#include "EscapeCloses.h"
#include "FlowLayout.h"
#include "FocusFrame.h"
#include "HistoryColumns.h"
#include "LiveRefresh.h"
#include "ScreenFit.h"
#include "Settings.h"
#include "UserGuide.h"
#include "WindowCommands.h"

namespace terrovane::history {

// Declared in the order they are made: a part takes the ones above it.
struct HistoryWindow::Parts {
    Parts(HistoryWindow& window, archive::Archive* archive, const QString& problem)
        : controls{archive, problem, &window}, commands(window, controls) {}

    HistoryControls controls;
    WindowUndo undo{controls};
    ResultFilters filters{controls};
    HistorySearch search{controls, filters};
    LiveRefresh refresh{controls};
    ResultActions results{controls, filters};
    ResultAssignment assignment{controls, undo};
    TreeEntryEdits edits{controls, undo};
    CampaignSetup campaign{controls, edits};
    SiteReporting reporting{controls, filters};
    AnalysisWindows analyses{controls};
    WindowCommands commands;
};

namespace {

// The tree with the buttons that make sites and points under it, and the chosen site's visits below,
// as tall as the user drags them.
QWidget* BuildTreePane(QWidget* parent, HistoryWindow& window, HistoryControls& controls) {
    auto* panes = new QSplitter(Qt::Vertical, parent);
    auto* pane = new QWidget(panes);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    controls.tree = new SiteTree(pane);
    layout->addWidget(controls.tree, 1);
    auto* row = new screenfit::FlowLayout;
    CampaignSetup& campaign = window.Campaign();
    for (auto [text, action] :
         {std::pair{HistoryWindow::tr("New site..."), &CampaignSetup::NewSite},
          std::pair{HistoryWindow::tr("New test point..."), &CampaignSetup::NewPoint}}) {
        auto* push = new QPushButton(text, pane);
        push->setEnabled(controls.archive != nullptr);
        QObject::connect(push, &QPushButton::clicked, &window, [&campaign, action] { (campaign.*action)(); });
        row->addWidget(push);
    }
    layout->addLayout(row);
    panes->addWidget(pane);
    controls.visits = new VisitsPane(controls.archive, panes);
    panes->addWidget(controls.visits);
    panes->setStretchFactor(0, 3);
    panes->setStretchFactor(1, 1);
    panes->setChildrenCollapsible(false);
    return panes;
}

// The panes as the user left them, or at first the tree as wide as its names (at most two fifths).
void RestorePanes(QSplitter& splitter, const QWidget& window, const SiteTree& tree) {
    const QByteArray remembered = platform::Settings().ArchivePanes();
    if (remembered.isEmpty() || !splitter.restoreState(remembered)) {
        const int width = std::min(tree.FittedWidth(), window.width() * 2 / 5);
        splitter.setSizes({width, window.width() - width});
    }
    QObject::connect(&splitter, &QSplitter::splitterMoved, &window,
                     [&splitter] { platform::Settings().SetArchivePanes(splitter.saveState()); });
}

void ShowResultCount(const HistoryControls& controls) {
    const HistoryModel& model = *controls.model;
    if (controls.archive == nullptr) {
        controls.status->setText(HistoryWindow::tr("The archive cannot be opened: ") + controls.problem);
    } else if (model.Error().empty()) {
        const int shown = model.rowCount();
        controls.status->setText(shown == 0 ? HistoryWindow::tr("No results match")
                                 : model.canFetchMore({})
                                     ? HistoryWindow::tr("%1 results shown, more as you scroll").arg(shown)
                                 : shown == 1 ? HistoryWindow::tr("1 result")
                                              : HistoryWindow::tr("%1 results").arg(shown));
    }
}

}  // namespace

HistoryWindow::HistoryWindow(archive::Archive* archive, const QString& problem, QWidget* parent)
    : QWidget(parent, Qt::Window), parts_(std::make_unique<Parts>(*this, archive, problem)) {
    HistoryControls& c = parts_->controls;
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(tr("Archive"));
    auto* outer = new QVBoxLayout(this);
    outer->setMenuBar(parts_->commands.BuildMenuBar());
    outer->addLayout(parts_->search.Build());
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(BuildTreePane(splitter, *this, c));
    auto* results = new QWidget(splitter);
    auto* layout = new QVBoxLayout(results);
    layout->setContentsMargins(0, 0, 0, 0);
    splitter->addWidget(results);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    outer->addWidget(splitter, 1);
    parts_->filters.Build(layout);
    c.model = new HistoryModel(archive, this);
    c.view = new QTableView(this);
    c.view->setModel(c.model);
    c.view->setWordWrap(false);
    c.view->setSelectionBehavior(QAbstractItemView::SelectRows);
    c.view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    c.view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.view->setTabKeyNavigation(false);  // Tab goes on to the buttons below
    c.view->setAlternatingRowColors(true);
    c.view->verticalHeader()->setDefaultSectionSize(c.view->fontMetrics().height() + 6);
    c.view->horizontalHeader()->setSortIndicator(kReadAtColumn, Qt::DescendingOrder);
    c.view->setSortingEnabled(true);  // sorts by the indicator: newest first
    c.view->resizeColumnsToContents();
    keyboard::ShowFocusFrame(c.view);
    keyboard::ShowFocusFrame(c.tree);
    // The typed results of the chosen entry below the read-outs' results, each pane as tall as the user
    // drags it.
    auto* lists = new QSplitter(Qt::Vertical, this);
    lists->addWidget(c.view);
    c.typed = new TypedResultsPane(archive, lists);
    lists->addWidget(c.typed);
    c.attachments = new AttachmentStrip(archive, lists);
    lists->addWidget(c.attachments);
    lists->setStretchFactor(0, 3);
    lists->setStretchFactor(1, 1);
    lists->setStretchFactor(2, 0);
    lists->setChildrenCollapsible(false);
    layout->addWidget(lists, 1);
    parts_->commands.BuildButtons(layout);
    c.status = new QLabel(this);
    outer->addWidget(c.status);
    auto* selectAll = new QAction(tr("Select all"), this);
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WindowShortcut);
    connect(selectAll, &QAction::triggered, this, &HistoryWindow::SelectAll);
    addAction(selectAll);
    c.view->installEventFilter(this);
    parts_->commands.BuildTreeMenu();
    ResultFilters& filters = parts_->filters;
    connect(c.tree, &SiteTree::Chosen, this, [&filters] { filters.Apply(); });
    c.tree->Reload(archive);
    connect(c.tree, &SiteTree::Chosen, c.typed, &TypedResultsPane::Show);
    connect(this, &HistoryWindow::Refreshed, c.typed, &TypedResultsPane::Reload);
    connect(c.typed, &TypedResultsPane::Changed, this, &HistoryWindow::Refresh);
    c.typed->corrected = [&undo = parts_->undo](std::int64_t made, const archive::TypedResultFields& before,
                                                const archive::TypedResultFields& after) {
        undo.RememberCorrection(made, before, after);
    };
    c.typed->Show(c.tree->Current());
    connect(c.tree, &SiteTree::Chosen, c.visits, &VisitsPane::Show);
    connect(this, &HistoryWindow::Refreshed, c.visits, &VisitsPane::Reload);
    connect(c.visits, &VisitsPane::Changed, this, &HistoryWindow::Refresh);
    c.visits->selectedResults = [&c] {
        std::vector<std::int64_t> ids;
        for (const archive::ResultRow& row : SelectedResults(c)) {
            ids.push_back(row.id);
        }
        return ids;
    };
    c.visits->selectedTypedResults = [typed = c.typed] {
        // The typed results chosen, each once (an earlier version chosen below one stands for it).
        std::vector<std::int64_t> ids;
        for (const QTreeWidgetItem* item : typed->List().selectedItems()) {
            const QTreeWidgetItem* newest = item->parent() != nullptr ? item->parent() : item;
            const std::int64_t id = newest->data(TypedResultsPane::kMeasured, Qt::UserRole).toLongLong();
            if (std::find(ids.begin(), ids.end(), id) == ids.end()) {
                ids.push_back(id);
            }
        }
        return ids;
    };
    c.visits->Show(c.tree->Current());
    FollowWithAttachments(c, parts_->undo);
    connect(c.model, &HistoryModel::QueryFailed, c.status, &QLabel::setText);
    connect(c.model, &HistoryModel::modelReset, this, [&c] { ShowResultCount(c); });
    connect(c.model, &HistoryModel::rowsInserted, this, [&c] { ShowResultCount(c); });
    ResultActions& actions = parts_->results;
    connect(c.view, &QTableView::doubleClicked, this, [&actions] { actions.OpenSelectedReadOut(); });
    ShowResultCount(c);
    parts_->refresh.WatchArchive();
    keyboard::CloseOnEscape(this);
    help::OpenGuideOnHelpKey(this, help::kPageArchive);
    screenfit::ResizeOnScreen(this, QSize(1280, 620));
    RestorePanes(*splitter, *this, *c.tree);
}

// The controls go before the parts: their last signals on the way out may still reach a part.
HistoryWindow::~HistoryWindow() {
    while (!children().isEmpty()) {
        delete children().constFirst();
    }
}

HistoryModel& HistoryWindow::Model() const {
    return *parts_->controls.model;
}
QTableView& HistoryWindow::View() const {
    return *parts_->controls.view;
}
QLabel& HistoryWindow::Status() const {
    return *parts_->controls.status;
}
SiteTree& HistoryWindow::Tree() const {
    return *parts_->controls.tree;
}
TypedResultsPane& HistoryWindow::Typed() const {
    return *parts_->controls.typed;
}
AttachmentStrip& HistoryWindow::Attachments() const {
    return *parts_->controls.attachments;
}
VisitsPane& HistoryWindow::Visits() const {
    return *parts_->controls.visits;
}
QCheckBox& HistoryWindow::KeepReadOuts() const {
    return *parts_->controls.keep;
}
ResultFilters& HistoryWindow::Filters() const {
    return parts_->filters;
}
HistorySearch& HistoryWindow::Search() const {
    return parts_->search;
}
WindowUndo& HistoryWindow::Undo() const {
    return parts_->undo;
}
ResultActions& HistoryWindow::Results() const {
    return parts_->results;
}
ResultAssignment& HistoryWindow::Assignment() const {
    return parts_->assignment;
}
TreeEntryEdits& HistoryWindow::Edits() const {
    return parts_->edits;
}
CampaignSetup& HistoryWindow::Campaign() const {
    return parts_->campaign;
}
SiteReporting& HistoryWindow::Reporting() const {
    return parts_->reporting;
}
AnalysisWindows& HistoryWindow::Analyses() const {
    return parts_->analyses;
}

void HistoryWindow::SelectAll() {
    HistoryModel& model = Model();
    while (model.canFetchMore({})) {
        model.fetchMore({});
    }
    View().selectAll();
    View().setFocus();
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &View() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HistoryWindow::Refresh() {
    parts_->refresh.ReadAgain();
    emit Refreshed();
}

void HistoryWindow::AddFooter(QWidget* footer) {
    layout()->addWidget(footer);
}

}  // namespace terrovane::history
