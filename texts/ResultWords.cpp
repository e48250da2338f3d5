#include "ResultWords.h"

#include <QCoreApplication>

namespace terrovane::texts {

QString VerdictText(archive::Verdict verdict) {
    switch (verdict) {
        case archive::Verdict::Pass:
            return QCoreApplication::translate("ResultWords", "pass");
        case archive::Verdict::Fail:
            return QCoreApplication::translate("ResultWords", "fail");
        case archive::Verdict::None:
            break;
    }
    return QCoreApplication::translate("ResultWords", "none");
}

QString PointKindText(archive::PointKind kind) {
    switch (kind) {
        case archive::PointKind::Rod:
            return QCoreApplication::translate("ResultWords", "rod");
        case archive::PointKind::Grid:
            return QCoreApplication::translate("ResultWords", "grid");
        case archive::PointKind::Mesh:
            return QCoreApplication::translate("ResultWords", "mesh");
        case archive::PointKind::TowerLeg:
            return QCoreApplication::translate("ResultWords", "tower leg");
        case archive::PointKind::DownConductor:
            return QCoreApplication::translate("ResultWords", "down conductor");
        case archive::PointKind::Other:
            break;
    }
    return QCoreApplication::translate("ResultWords", "other");
}

QString VerdictCountsText(const VerdictCounts& counts) {
    QStringList parts{
        QCoreApplication::translate("ResultWords", "%n passed", nullptr, counts.passed),
        QCoreApplication::translate("ResultWords", "%n failed", nullptr, counts.failed),
        QCoreApplication::translate("ResultWords", "%n without limit", nullptr, counts.withoutLimit)};
    if (counts.untested > 0)
        parts << QCoreApplication::translate("ResultWords", "%n not tested", nullptr, counts.untested);
    return parts.join(QCoreApplication::translate("ResultWords", ", "));
}

}  // namespace terrovane::texts
