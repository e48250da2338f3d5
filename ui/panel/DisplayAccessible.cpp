#include "DisplayAccessible.h"

#include <QCoreApplication>

#include "ChartWindow.h"

namespace terrovane::panel {
namespace {

QAccessibleInterface* DisplayFactory(const QString& /*className*/, QObject* object) {
    if (auto* display = qobject_cast<ChartWindow*>(object);
        display != nullptr && display->IsInstrumentDisplay())
        return new DisplayAccessible(display);
    return nullptr;
}

}  // namespace

DisplayAccessible::DisplayAccessible(ChartWindow* display)
    : QAccessibleWidget(display, QAccessible::StaticText) {}

QString DisplayAccessible::text(QAccessible::Text kind) const {
    const auto* display = static_cast<const ChartWindow*>(widget());
    switch (kind) {
        case QAccessible::Name:
            return QCoreApplication::translate("DisplayPanel", "Instrument display");
        case QAccessible::Value:
        case QAccessible::Description:
            return display->Reading();
        default:
            return QAccessibleWidget::text(kind);
    }
}

void InstallDisplayAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&DisplayFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace terrovane::panel
