#include "CMenuEx.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "MenuAccessible.h"
#include "MenuStyle.h"

namespace terrovane::menu {
namespace {

// The resource's texts are marked for translation under "Menu"; the blank bar entries stay blank.
QString MenuText(const res::MenuItem& item) {
    return item.text.empty() ? QString() : QCoreApplication::translate("Menu", item.text.c_str());
}

}  // namespace

CMenuEx::CMenuEx(QWidget* window) : QObject(window), window_(window), style_(std::make_unique<MenuStyle>()) {
    InstallMenuAccessibility();
}

// The pop-ups use the style, so they go before it.
CMenuEx::~CMenuEx() {
    delete menuBar_;
}

bool CMenuEx::LoadMenu(int resourceId) {
    const auto* entries = res::MenuResource(resourceId);
    if (entries == nullptr)
        return false;
    delete menuBar_;
    actions_.clear();
    submenus_.clear();
    menuBar_ = new QMenuBar(window_);
    menuBar_->setNativeMenuBar(false);
    for (const auto& entry : *entries) {
        if (entry.IsSeparator()) {
            menuBar_->addSeparator();
        } else if (entry.IsPopup()) {
            menuBar_->addMenu(AddPopup(entry));
        } else {
            AddCommand(menuBar_, entry)->setVisible(!entry.text.empty());
        }
    }
    return true;
}

QMenu* CMenuEx::AddPopup(const res::MenuItem& item) {
    auto* popup = new QMenu(MenuText(item), menuBar_);
    popup->setStyle(style_.get());
    popup->setFont(window_->font());
    submenus_.push_back(popup);
    Convert(item.children, popup);
    return popup;
}

void CMenuEx::Convert(const std::vector<res::MenuItem>& source, QMenu* target) {
    for (const auto& entry : source) {
        if (entry.IsSeparator()) {
            target->addSeparator();
        } else if (entry.IsPopup()) {
            target->addMenu(AddPopup(entry));
        } else {
            AddCommand(target, entry);
        }
    }
}

QAction* CMenuEx::AddCommand(QWidget* target, const res::MenuItem& item) {
    auto* action = new QAction(MenuText(item), target);
    const int id = item.id;
    action->setData(id);
    action->setCheckable(item.checkable);
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
