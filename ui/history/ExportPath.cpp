#include "ExportPath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace terrovane::history {

QString ExportFilters() {
    return QCoreApplication::translate(
        "ExportPath", "Excel workbook (*.xlsx);;excel file(*.xls);;CSV file(*.csv);;JSON file(*.json)");
}

QString WithExportExtension(const QString& path, const QString& chosenFilter) {
    if (path.isEmpty()) {
        return path;
    }
    static const QStringList kKnown = {
        QStringLiteral("xlsx"), QStringLiteral("xls"),     QStringLiteral("csv"), QStringLiteral("json"),
        QStringLiteral("pdf"),  QStringLiteral("geojson"), QStringLiteral("kml"), QStringLiteral("ics")};
    if (kKnown.contains(QFileInfo(path).suffix().toLower())) {
        return path;
    }
    static const QRegularExpression kPattern(QStringLiteral("\\*\\.([A-Za-z]+)"));
    const QRegularExpressionMatch match = kPattern.match(chosenFilter);
    return match.hasMatch() ? path + QLatin1Char('.') + match.captured(1) : path;
}

}  // namespace terrovane::history
