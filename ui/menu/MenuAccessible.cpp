#include "MenuAccessible.h"

#include <QAction>
#include <QMenu>

#include "MenuStyle.h"

namespace terrovane::menu {
namespace {

QAccessibleInterface* MenuFactory(const QString& /*className*/, QObject* object) {
    auto* popup = qobject_cast<QMenu*>(object);
    if (popup != nullptr && qobject_cast<MenuStyle*>(popup->style()) != nullptr)
        return new PopupAccessible(popup);
    return nullptr;
}

// One interface per item, kept by the accessibility cache for as long as the item lives.
QAccessibleInterface* InterfaceOfItem(QMenu* popup, QAction* item) {
    if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(item))
        return known;
    auto* made = new ItemAccessible(popup, item);
    QAccessible::registerAccessibleInterface(made);
    return made;
}

}  // namespace

QString SpokenItemText(const QString& text) {
    QString spoken;
    const QString label = text.section(QLatin1Char('\t'), 0, 0);
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] == QLatin1Char('&') && i + 1 < label.size()) {
            ++i;  // "&&" stands for one "&"; "&x" marks x as the mnemonic
        } else if (label[i] == QLatin1Char('&')) {
            continue;
        }
        spoken += label[i];
    }
    return spoken;
}

PopupAccessible::PopupAccessible(QMenu* popup) : QAccessibleWidget(popup, QAccessible::PopupMenu) {}

QMenu* PopupAccessible::Popup() const {
    return static_cast<QMenu*>(widget());
}

QList<QAction*> PopupAccessible::Items() const {
    QList<QAction*> items;
    for (QAction* action : Popup()->actions())
        if (action->isVisible())
            items.append(action);
    return items;
}

int PopupAccessible::childCount() const {
    return static_cast<int>(Items().size());
}

QAccessibleInterface* PopupAccessible::child(int index) const {
    const QList<QAction*> items = Items();
    return index >= 0 && index < items.size() ? InterfaceOfItem(Popup(), items.at(index)) : nullptr;
}

int PopupAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr ? static_cast<int>(Items().indexOf(qobject_cast<QAction*>(child->object()))) : -1;
}

QString PopupAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name)
        return SpokenItemText(Popup()->title());
    return QAccessibleWidget::text(kind);
}

ItemAccessible::ItemAccessible(QMenu* popup, QAction* item) : popup_(popup), item_(item) {}

bool ItemAccessible::isValid() const {
    return popup_ != nullptr && item_ != nullptr;
}

QObject* ItemAccessible::object() const {
    return item_;
}

QWindow* ItemAccessible::window() const {
    return popup_ != nullptr ? popup_->windowHandle() : nullptr;
}

QAccessibleInterface* ItemAccessible::childAt(int /*x*/, int /*y*/) const {
    return nullptr;
}

QAccessibleInterface* ItemAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(popup_);
}

// An item that opens a sub-menu has that pop-up as its one child.
QAccessibleInterface* ItemAccessible::child(int index) const {
    return index == 0 && item_->menu() != nullptr ? QAccessible::queryAccessibleInterface(item_->menu())
                                                  : nullptr;
}

int ItemAccessible::childCount() const {
    return item_->menu() != nullptr ? 1 : 0;
}

int ItemAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && item_->menu() != nullptr && child->object() == item_->menu() ? 0 : -1;
}

QString ItemAccessible::text(QAccessible::Text kind) const {
    switch (kind) {
        case QAccessible::Name:
            return SpokenItemText(item_->text());
        case QAccessible::Accelerator:
            return item_->shortcut().toString(QKeySequence::NativeText);
        default:
            return {};
    }
}

void ItemAccessible::setText(QAccessible::Text /*kind*/, const QString& /*text*/) {}

QRect ItemAccessible::rect() const {
    const QRect local = popup_->actionGeometry(item_);
    return QRect(popup_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role ItemAccessible::role() const {
    return item_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State ItemAccessible::state() const {
    QAccessible::State state;
    state.disabled = !item_->isEnabled();
    state.invisible = !item_->isVisible() || !popup_->isVisible();
    state.checkable = item_->isCheckable();
    state.checked = item_->isChecked();
    state.hasPopup = item_->menu() != nullptr;
    state.focusable = !item_->isSeparator();
    state.focused = state.selected = popup_->activeAction() == item_;
    return state;
}

void* ItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList ItemAccessible::actionNames() const {
    if (item_->isSeparator() || !item_->isEnabled())
        return {};
    return {item_->menu() != nullptr ? showMenuAction() : pressAction()};
}

void ItemAccessible::doAction(const QString& actionName) {
    if (!actionNames().contains(actionName))
        return;
    if (actionName == showMenuAction()) {
        popup_->setActiveAction(item_);  // opens the sub-menu where the mouse would
        return;
    }
    popup_->hide();
    item_->trigger();
}

QStringList ItemAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName != pressAction() || item_->shortcut().isEmpty())
        return {};
    return {item_->shortcut().toString(QKeySequence::NativeText)};
}

void InstallMenuAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&MenuFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace terrovane::menu
