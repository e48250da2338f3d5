#pragma once

#include <QFont>
#include <QString>

#include <string>

// What every page of the site report draws with: one line's height, one typeface, our text as Qt's.
namespace terrovane::sitereport {

inline constexpr double kLine = 5.2;  // mm

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

inline QFont Font(double points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace terrovane::sitereport
