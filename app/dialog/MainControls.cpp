#include "MainControls.h"

#include <QVBoxLayout>

#include "CMenuEx.h"
#include "DialogLayout.h"
#include "MainShortcuts.h"
#include "MainToolBar.h"
#include "MenuResource.h"

namespace terrovane::app {
namespace {

menu::CMenuEx* BuildMenu(QDialog& dialog, const std::function<void(int)>& onCommand) {
    auto* menu = new menu::CMenuEx(&dialog);
    menu->LoadMenu(res::kMainMenuResource);
    AssignMainShortcuts(*menu);
    QObject::connect(menu, &menu::CMenuEx::Command, &dialog, onCommand);
    return menu;
}

}  // namespace

MainControls BuildMainControls(QDialog& dialog, const std::function<void(int)>& onCommand) {
    const units::DialogUnits du(dialog.font());
    const MainDialogGeometry geometry = ComputeMainDialogGeometry(du);
    MainControls controls;

    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    controls.client = new QWidget(&dialog);
    controls.client->setFixedSize(geometry.client);
    layout->addWidget(controls.client);

    controls.toolBar = BuildMainToolBar(controls.client, onCommand);
    controls.toolBar->setGeometry(0, 0, geometry.client.width(), controls.toolBar->sizeHint().height());

    controls.displayFrame = new QFrame(controls.client);
    controls.displayFrame->setObjectName(QStringLiteral("1107"));
    controls.displayFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    controls.displayFrame->setGeometry(geometry.displayFrame);

    auto* listFrame = new QFrame(controls.client);
    listFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    listFrame->setGeometry(geometry.listFrame);
    controls.recordList = CreateRecordList(controls.client);
    controls.recordList->setGeometry(geometry.recordList);

    controls.menu = BuildMenu(dialog, onCommand);
    controls.menuBar = controls.menu->MenuBar();
    layout->setMenuBar(controls.menuBar);
    return controls;
}

}  // namespace terrovane::app
