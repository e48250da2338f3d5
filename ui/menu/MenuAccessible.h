#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QPointer>

class QAction;
class QMenu;

namespace terrovane::menu {

// A pop-up of the owner-drawn menu as assistive technology sees it: a pop-up menu whose children are its
// visible items.
class PopupAccessible : public QAccessibleWidget {
  public:
    explicit PopupAccessible(QMenu* popup);
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text kind) const override;

  private:
    QMenu* Popup() const;
    QList<QAction*> Items() const;
};

// One item of such a pop-up: its text without the mnemonic marks, its shortcut, its role (command,
// separator, or an item that opens a sub-menu), its states (disabled, checkable, checked, the one
// highlighted) and the action that runs it or opens its sub-menu.
class ItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    ItemAccessible(QMenu* popup, QAction* item);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

  private:
    QPointer<QMenu> popup_;
    QPointer<QAction> item_;
};

// The item's text as read out: the mnemonic marks ("&") and the shortcut column taken off.
QString SpokenItemText(const QString& text);

// Installs, once per program, the factory that gives the owner-drawn pop-ups these interfaces.
void InstallMenuAccessibility();

}  // namespace terrovane::menu
