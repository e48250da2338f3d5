#include "CMenuEx.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "MenuStyle.h"

namespace terrovane::menu {

CMenuEx::CMenuEx(QWidget* window) : QObject(window), window_(window), style_(std::make_unique<MenuStyle>()) {}

// The pop-ups use the style, so they go before it.
CMenuEx::~CMenuEx() {
    delete menuBar_;
}

bool CMenuEx::LoadMenu(int resourceId) {
    const auto entries = LoadMenuResource(resourceId);
    if (!entries)
        return false;
    delete menuBar_;
    actions_.clear();
    submenus_.clear();
    menuBar_ = new QMenuBar(window_);
    for (const auto& entry : *entries) {
        if (entry.kind == MenuEntry::Kind::Separator) {
            menuBar_->addSeparator();
        } else if (entry.kind == MenuEntry::Kind::Popup) {
            menuBar_->addMenu(AddPopup(entry));
        } else {
            AddCommand(menuBar_, entry)->setVisible(!entry.text.empty());
        }
    }
    return true;
}

QMenu* CMenuEx::AddPopup(const MenuEntry& entry) {
    auto* popup = new QMenu(QString::fromStdString(entry.text), menuBar_);
    popup->setStyle(style_.get());
    popup->setFont(window_->font());
    submenus_.push_back(popup);
    Convert(entry.children, popup);
    return popup;
}

void CMenuEx::Convert(const std::vector<MenuEntry>& source, QMenu* target) {
    for (const auto& entry : source) {
        switch (entry.kind) {
            case MenuEntry::Kind::Separator:
                target->addSeparator();
                break;
            case MenuEntry::Kind::Popup:
                target->addMenu(AddPopup(entry));
                break;
            case MenuEntry::Kind::Command:
                AddCommand(target, entry);
                break;
        }
    }
}

QAction* CMenuEx::AddCommand(QWidget* target, const MenuEntry& entry) {
    auto* action = new QAction(QString::fromStdString(entry.text), target);
    action->setCheckable(entry.checked);
    action->setChecked(entry.checked);
    action->setEnabled(!entry.disabled);
    const int id = entry.commandId;
    connect(action, &QAction::triggered, this, [this, id] { emit Command(id); });
    target->addAction(action);
    actions_[id] = action;
    return action;
}

QAction* CMenuEx::Action(int commandId) const {
    const auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* CMenuEx::Popup(const QString& title) const {
    for (QMenu* popup : submenus_) {
        if (QString(popup->title()).remove(QLatin1Char('&')) == title)
            return popup;
    }
    return nullptr;
}

}  // namespace terrovane::menu
