#include "DialogUnits.h"

#include <QFontMetrics>
#include <QStringList>

namespace terrovane::units {

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average of the Latin alphabet, as dialog templates measure it (a CJK face's own average is a
    // full-width cell and would double every width).
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    baseY_ = metrics.height();
}

QFont DialogFont() {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Zen Hei"),
                                 QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Liberation Sans")});
    font.setPointSize(9);
    return font;
}

}  // namespace terrovane::units
