#include "TypedMethodText.h"

#include <QCoreApplication>

#include <utility>

namespace terrovane::texts {

QString TypedMethodText(const std::string& code) {
    static const std::pair<const char*, const char*> kNames[] = {
        {"3-pole", QT_TRANSLATE_NOOP("TypedMethods", "3-pole earth resistance")},
        {"4-pole", QT_TRANSLATE_NOOP("TypedMethods", "4-pole earth resistance")},
        {"3-pole-clamp", QT_TRANSLATE_NOOP("TypedMethods", "3-pole with clamp (selective)")},
        {"4-pole-clamp", QT_TRANSLATE_NOOP("TypedMethods", "4-pole with clamp (selective)")},
        {"2-clamp", QT_TRANSLATE_NOOP("TypedMethods", "Two clamps (stakeless)")},
        {"2-pole-ac", QT_TRANSLATE_NOOP("TypedMethods", "2-pole AC resistance")},
        {"2-pole-dc", QT_TRANSLATE_NOOP("TypedMethods", "2-pole DC resistance")},
        {"4-pole-dc", QT_TRANSLATE_NOOP("TypedMethods", "4-pole DC resistance")},
        {"resistivity", QT_TRANSLATE_NOOP("TypedMethods", "Soil resistivity")},
        {"ac-current", QT_TRANSLATE_NOOP("TypedMethods", "AC current")},
        {"fall-of-potential", QT_TRANSLATE_NOOP("TypedMethods", "Fall of potential")},
        {"slope", QT_TRANSLATE_NOOP("TypedMethods", "Slope method")},
        {"clamp-on", QT_TRANSLATE_NOOP("TypedMethods", "Clamp-on tester")},
        {"two-point", QT_TRANSLATE_NOOP("TypedMethods", "Two-point method")},
        {"star-delta", QT_TRANSLATE_NOOP("TypedMethods", "Star-delta method")},
    };
    for (const auto& [known, name] : kNames) {
        if (code == known) {
            return QCoreApplication::translate("TypedMethods", name);
        }
    }
    return QString::fromStdString(code);
}

}  // namespace terrovane::texts
