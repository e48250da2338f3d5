#pragma once

#include <QObject>
#include <map>
#include <memory>
#include <vector>

#include "MenuResource.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace terrovane::menu {

class MenuStyle;

// The window's menu bar built from a menu resource, with every pop-up item drawn by the program.
// Each command reaches the window through Command(id) (or the item's own QAction).
class CMenuEx : public QObject {
    Q_OBJECT
  public:
    explicit CMenuEx(QWidget* window);
    ~CMenuEx() override;

    // Builds the bar from the resource; false when the id names no menu. Empty top-level items stay
    // in the bar (so their ids exist) but are hidden: they have no text to click on. Every command's
    // action carries its id as data.
    bool LoadMenu(int resourceId);

    QMenuBar* MenuBar() const { return menuBar_; }
    QAction* Action(int commandId) const;
    // The pop-up whose item text (without "&") is `title`, at any level; nullptr if none.
    QMenu* Popup(const QString& title) const;

  signals:
    void Command(int commandId);

  private:
    void Convert(const std::vector<res::MenuItem>& source, QMenu* target);
    QAction* AddCommand(QWidget* target, const res::MenuItem& item);
    QMenu* AddPopup(const res::MenuItem& item);

    QWidget* window_;
    QMenuBar* menuBar_ = nullptr;
    std::unique_ptr<MenuStyle> style_;
    std::map<int, QAction*> actions_;
    std::vector<QMenu*> submenus_;
};

}  // namespace terrovane::menu
