#include "MainToolBar.h"

#include <QAction>
#include <QCoreApplication>

#include "MenuResource.h"
#include "ToolbarImages.h"

namespace terrovane::app {

QToolBar* BuildMainToolBar(QWidget* parent, const std::function<void(int)>& onCommand) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QStringLiteral("0xE800"));
    bar->setMovable(false);
    bar->setIconSize(res::kToolbarImageSize);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const auto& buttons = res::MainToolbar();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0) {
            bar->addSeparator();
        }
        const int id = buttons[i].id;
        const QString text = QCoreApplication::translate("Toolbar", buttons[i].text);
        QAction* action = bar->addAction(QIcon(res::ToolbarImage(static_cast<int>(i))), text);
        action->setData(id);
        action->setToolTip(text);
        QObject::connect(action, &QAction::triggered, bar, [onCommand, id] { onCommand(id); });
    }
    return bar;
}

}  // namespace terrovane::app
