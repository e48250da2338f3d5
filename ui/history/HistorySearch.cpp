// The archive window's search field: the tree and the list narrowed to what the words find.
#include <QAction>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>

#include "HistoryWindow.h"

namespace terrovane::history {
namespace {

// Long enough that a word typed at speed is searched once, short enough to feel immediate.
constexpr int kSearchPauseMs = 250;

}  // namespace

QBoxLayout* HistoryWindow::BuildSearch() {
    auto* row = new QHBoxLayout;
    search_ = new QLineEdit(this);
    search_->setPlaceholderText(tr("Find sites, points, labels, notes, instruments..."));
    search_->setClearButtonEnabled(true);
    search_->setEnabled(archive_ != nullptr);
    search_->setAccessibleName(tr("Find"));
    auto* label = new QLabel(tr("&Find:"), this);
    label->setBuddy(search_);
    row->addWidget(label);
    row->addWidget(search_, 1);
    searchPause_ = new QTimer(this);
    searchPause_->setSingleShot(true);
    searchPause_->setInterval(kSearchPauseMs);
    connect(search_, &QLineEdit::textChanged, searchPause_, qOverload<>(&QTimer::start));
    connect(searchPause_, &QTimer::timeout, this, &HistoryWindow::SearchNow);
    auto* find = new QAction(tr("Find"), this);
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WindowShortcut);
    connect(find, &QAction::triggered, search_, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });
    addAction(find);
    return row;
}

void HistoryWindow::SearchNow() {
    searchPause_->stop();
    if (search_->text() == tree_->Searched()) {
        return;
    }
    QElapsedTimer took;
    took.start();
    // The tree first: a chosen site that the words leave out gives way to "All results", and the list
    // then follows the tree and the words together.
    tree_->Search(search_->text());
    ApplyFilter();
    latestSearchMs_ = static_cast<double>(took.nsecsElapsed()) / 1e6;
}

}  // namespace terrovane::history
