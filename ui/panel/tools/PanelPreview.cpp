// Shows the display with one record of a chosen mode on a main-dialog-sized window, with the menu bar.
// Usage: panel-preview [mode] [presses of Show, 0 for the idle picture] [open menu] [open submenu]
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <cstdlib>

#include "CMenuEx.h"
#include "DialogUnits.h"
#include "DisplayPanel.h"
#include "RecordTable.h"

using namespace terrovane;

namespace {

record::MeasurementRecord SampleRecord(std::uint32_t mode) {
    record::MeasurementRecord r;
    r.mode = mode;
    r.voltageCode = 2;
    r.frequencyCode = mode == 9 ? 5 : 3;
    r.validMark = 'U';
    r.year = 0x24;
    r.month = 0x05;
    r.day = 0x17;
    const float values[11] = {
        mode == 3 ? 25000.0f : 12.34f, 1520, 87200, 3.215f, 299.5f, 4000, 152300, 0.04f, 50.0f, 12.6f, 1.37f};
    std::copy(std::begin(values), std::end(values), r.values.begin());
    r.integerValue = 150;
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::uint32_t mode = argc > 1 ? std::uint32_t(std::atoi(argv[1])) : 1;
    const int presses = argc > 2 ? std::atoi(argv[2]) : 1;
    const QString menuTitle = argc > 3 ? QString::fromUtf8(argv[3]) : QString();
    const QString submenuTitle = argc > 4 ? QString::fromUtf8(argv[4]) : QString();

    QDialog dialog;
    dialog.setFont(units::DialogFont());
    const units::DialogUnits units(dialog.font());
    menu::CMenuEx menuEx(&dialog);
    menuEx.LoadMenu(res::kMainMenuResource);
    const int barHeight = menuEx.MenuBar()->sizeHint().height();
    dialog.resize(units.X(417), units.Y(283) + barHeight);
    menuEx.MenuBar()->setGeometry(0, 0, dialog.width(), barHeight);

    record::ReadOutState readOut;
    readOut.table.Set(7, SampleRecord(mode));
    readOut.dataRead = true;
    panel::DisplayPanel display(&dialog, {readOut, [] { return 7; }}, QPoint(0, barHeight), units);
    display.OnReadOutFinished();
    for (int i = 1; i < presses; ++i)
        display.OnShowCommand();
    if (presses == 0)
        display.SetIdlePictureVisible(true);  // attached, nothing read yet
    dialog.move(0, 0);
    dialog.show();

    if (!menuTitle.isEmpty()) {
        QTimer::singleShot(300, [&] {
            QMenu* popup = menuEx.Popup(menuTitle);
            if (popup == nullptr)
                return;
            menuEx.MenuBar()->setActiveAction(popup->menuAction());
            if (QMenu* sub = menuEx.Popup(submenuTitle)) {
                QTimer::singleShot(300, [popup, sub] { popup->setActiveAction(sub->menuAction()); });
            }
        });
    }
    return app.exec();
}
