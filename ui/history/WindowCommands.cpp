#include "WindowCommands.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <functional>
#include <utility>

#include "ArchiveSetting.h"
#include "FlowLayout.h"
#include "HistoryWindow.h"
#include "ImportDialog.h"

namespace terrovane::history {

QMenuBar* WindowCommands::BuildMenuBar() {
    HistoryWindow* window = &window_;
    auto* bar = new QMenuBar(window);
    bar->setNativeMenuBar(false);
    QMenu* menu = bar->addMenu(HistoryWindow::tr("&Archive"));
    menu->addAction(HistoryWindow::tr("New &site..."), window, [window] { window->Campaign().NewSite(); });
    menu->addAction(HistoryWindow::tr("New site as a &copy of..."), window,
                    [window] { window->Campaign().NewSiteAsCopy(); });
    menu->addAction(HistoryWindow::tr("New &test point..."), window,
                    [window] { window->Campaign().NewPoint(); });
    menu->addSeparator();
    menu->addAction(HistoryWindow::tr("&Due list..."), window,
                    [window] { window->Campaign().ShowDueList(); });
    menu->addAction(HistoryWindow::tr("&Export sites..."), window,
                    [window] { window->Campaign().ExportSites(); });
    menu->addAction(HistoryWindow::tr("&Import..."), window, [this, window] {
        if (controls_.archive != nullptr && RunImportDialog(*controls_.archive, window)) {
            window->Refresh();
        }
    });
    menu->addAction(HistoryWindow::tr("Issued &reports..."), window,
                    [window] { window->Reporting().ShowIssuedReports(); });
    menu->setEnabled(controls_.archive != nullptr);
    window->Undo().Build(bar);
    QMenu* settings = bar->addMenu(HistoryWindow::tr("&Settings"));
    settings->addAction(HistoryWindow::tr("&Firm..."), window, [window] { window->Reporting().EditFirm(); });
    settings->setEnabled(controls_.archive != nullptr);
    return bar;
}

void WindowCommands::BuildTreeMenu() {
    HistoryWindow* window = &window_;
    SiteTree* tree = controls_.tree;
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(tree, &QWidget::customContextMenuRequested, window,
                     [this, window, tree](const QPoint& at) {
                         if (controls_.archive == nullptr) {
                             return;
                         }
                         const TreeChoice chosen = tree->Current();
                         const bool named =
                             chosen.kind == TreeChoice::Kind::Site || chosen.kind == TreeChoice::Kind::Point;
                         QMenu menu(window);
                         menu.addAction(HistoryWindow::tr("Properties..."), window,
                                        [window] { window->Edits().EditChosenProperties(); })
                             ->setEnabled(named);
                         menu.addAction(HistoryWindow::tr("Rename..."), window,
                                        [window] { window->Edits().RenameChosen(); })
                             ->setEnabled(named);
                         menu.addAction(HistoryWindow::tr("Delete..."), window,
                                        [window] { window->Edits().DeleteChosen(); })
                             ->setEnabled(named);
                         menu.addAction(HistoryWindow::tr("Grid safety..."), window,
                                        [window] { window->Analyses().ShowGridSafety(); })
                             ->setEnabled(named);
                         menu.addAction(HistoryWindow::tr("Attach photos or documents..."),
                                        controls_.attachments, &AttachmentStrip::AddByDialog)
                             ->setEnabled(named);
                         menu.addSeparator();
                         menu.addAction(HistoryWindow::tr("New site..."), window,
                                        [window] { window->Campaign().NewSite(); });
                         menu.addAction(HistoryWindow::tr("New site as a copy of..."), window,
                                        [window] { window->Campaign().NewSiteAsCopy(); });
                         menu.addAction(HistoryWindow::tr("New test point..."), window,
                                        [window] { window->Campaign().NewPoint(); })
                             ->setEnabled(named);
                         menu.exec(tree->viewport()->mapToGlobal(at));
                     });
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, window, [window, tree] {
        const TreeChoice chosen = tree->Current();
        if (chosen.kind == TreeChoice::Kind::Site || chosen.kind == TreeChoice::Kind::Point) {
            window->Edits().EditChosenProperties();
        }
    });
}

void WindowCommands::BuildButtons(QBoxLayout* layout) {
    HistoryWindow* window = &window_;
    const bool open = controls_.archive != nullptr;
    auto* row = new screenfit::FlowLayout;
    const auto button = [window, row, open](const QString& text, std::function<void()> action) {
        auto* push = new QPushButton(text, window);
        QObject::connect(push, &QPushButton::clicked, window, std::move(action));
        row->addWidget(push);
        push->setEnabled(open);
    };
    button(HistoryWindow::tr("Select all"), [window] { window->SelectAll(); });
    button(HistoryWindow::tr("Assign..."), [window] { window->Assignment().AssignSelected(); });
    button(HistoryWindow::tr("Label result..."), [window] { window->Results().LabelSelectedResults(); });
    button(HistoryWindow::tr("Label read-out..."), [window] { window->Results().LabelSelectedReadOut(); });
    button(HistoryWindow::tr("Open read-out"), [window] { window->Results().OpenSelectedReadOut(); });
    button(HistoryWindow::tr("Export..."), [window] { window->Results().ExportSelected(); });
    button(HistoryWindow::tr("Site report..."), [window] { window->Reporting().ReportChosenSite(); });
    button(HistoryWindow::tr("Trend..."), [window] { window->Results().ShowTrend(); });
    button(HistoryWindow::tr("Soil model..."), [window] { window->Analyses().ShowSoilModel(); });
    button(HistoryWindow::tr("Fall of potential..."), [window] { window->Analyses().ShowFallOfPotential(); });
    button(HistoryWindow::tr("Stored analyses..."), [window] { window->Analyses().ShowStoredAnalyses(); });
    row->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding));
    controls_.keep = new QCheckBox(HistoryWindow::tr("Keep new read-outs in the archive"), window);
    controls_.keep->setChecked(ArchivingEnabled());
    QObject::connect(controls_.keep, &QCheckBox::toggled, window, &SetArchivingEnabled);
    row->addWidget(controls_.keep);
    layout->addLayout(row);
}

}  // namespace terrovane::history
