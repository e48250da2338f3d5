#include "MainMenuBar.h"

#include <QMenu>

#include "MenuResource.h"

namespace terrovane::app {

namespace {

void AddItems(QMenu* menu, const std::vector<res::MenuItem>& items,
              const std::function<void(int)>& onCommand);

QAction* AddCommand(QWidget* container, const res::MenuItem& item,
                    const std::function<void(int)>& onCommand) {
    auto* action = new QAction(QString::fromUtf8(item.text), container);
    action->setData(item.id);
    const int id = item.id;
    QObject::connect(action, &QAction::triggered, container, [onCommand, id] { onCommand(id); });
    container->addAction(action);
    return action;
}

void AddItem(QMenu* menu, const res::MenuItem& item, const std::function<void(int)>& onCommand) {
    if (item.IsSeparator()) {
        menu->addSeparator();
    } else if (item.IsPopup()) {
        AddItems(menu->addMenu(QString::fromUtf8(item.text)), item.children, onCommand);
    } else {
        AddCommand(menu, item, onCommand);
    }
}

void AddItems(QMenu* menu, const std::vector<res::MenuItem>& items,
              const std::function<void(int)>& onCommand) {
    for (const res::MenuItem& item : items) {
        AddItem(menu, item, onCommand);
    }
}

}  // namespace

QMenuBar* BuildMainMenuBar(QWidget* parent, const std::function<void(int)>& onCommand) {
    auto* bar = new QMenuBar(parent);
    bar->setNativeMenuBar(false);
    for (const res::MenuItem& item : res::MainMenu()) {
        if (item.IsPopup()) {
            AddItems(bar->addMenu(QString::fromUtf8(item.text)), item.children, onCommand);
        } else {
            AddCommand(bar, item, onCommand);
        }
    }
    return bar;
}

}  // namespace terrovane::app
