// The archive window's search field: the tree and the list narrowed to what the words find.
#include "HistorySearch.h"

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

QBoxLayout* HistorySearch::Build() {
    QWidget* window = controls_.window;
    auto* row = new QHBoxLayout;
    search_ = new QLineEdit(window);
    search_->setPlaceholderText(HistoryWindow::tr("Find sites, points, labels, notes, instruments..."));
    search_->setClearButtonEnabled(true);
    search_->setEnabled(controls_.archive != nullptr);
    search_->setAccessibleName(HistoryWindow::tr("Find"));
    auto* label = new QLabel(HistoryWindow::tr("&Find:"), window);
    label->setBuddy(search_);
    row->addWidget(label);
    row->addWidget(search_, 1);
    searchPause_ = new QTimer(window);
    searchPause_->setSingleShot(true);
    searchPause_->setInterval(kSearchPauseMs);
    QObject::connect(search_, &QLineEdit::textChanged, searchPause_, qOverload<>(&QTimer::start));
    QObject::connect(searchPause_, &QTimer::timeout, window, [this] { SearchNow(); });
    auto* find = new QAction(HistoryWindow::tr("Find"), window);
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(find, &QAction::triggered, search_, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });
    window->addAction(find);
    return row;
}

void HistorySearch::SearchNow() {
    searchPause_->stop();
    if (search_->text() == controls_.tree->Searched()) {
        return;
    }
    QElapsedTimer took;
    took.start();
    // The tree first: a chosen site that the words leave out gives way to "All results", and the list
    // then follows the tree and the words together.
    controls_.tree->Search(search_->text());
    filters_.Apply();
    latestSearchMs_ = static_cast<double>(took.nsecsElapsed()) / 1e6;
}

}  // namespace terrovane::history
