#include "ConflictTexts.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <map>

#include "Materialize.h"
#include "SyncTexts.h"

namespace terrovane::teamui {
namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("Conflicts", text);
}

}  // namespace

QString ConflictSubjectText(const sync::Conflict& conflict) {
    static const std::map<std::string, const char*> kinds = {
        {"site", QT_TRANSLATE_NOOP("Conflicts", "Site")},
        {"point", QT_TRANSLATE_NOOP("Conflicts", "Test point")},
        {"assignment", QT_TRANSLATE_NOOP("Conflicts", "Result's test point")},
        {"note", QT_TRANSLATE_NOOP("Conflicts", "Note")},
    };
    const auto kind = kinds.find(conflict.kind);
    const QString what =
        kind != kinds.end() ? Translated(kind->second) : QString::fromStdString(conflict.kind);
    return conflict.thing.empty() ? what
                                  : what + QStringLiteral(" ") + QString::fromStdString(conflict.thing);
}

QString ConflictFieldText(const std::string& field) {
    static const std::map<std::string, const char*> fields = {
        {"name", QT_TRANSLATE_NOOP("Conflicts", "Name")},
        {"address", QT_TRANSLATE_NOOP("Conflicts", "Address")},
        {"latitude", QT_TRANSLATE_NOOP("Conflicts", "Latitude")},
        {"longitude", QT_TRANSLATE_NOOP("Conflicts", "Longitude")},
        {"notes", QT_TRANSLATE_NOOP("Conflicts", "Notes")},
        {"note", QT_TRANSLATE_NOOP("Conflicts", "Note")},
        {"limit_ohm", QT_TRANSLATE_NOOP("Conflicts", "Limit")},
        {"limit_source", QT_TRANSLATE_NOOP("Conflicts", "Limit source")},
        {"interval_months", QT_TRANSLATE_NOOP("Conflicts", "Test interval")},
        {"kind", QT_TRANSLATE_NOOP("Conflicts", "Kind")},
        {"deleted", QT_TRANSLATE_NOOP("Conflicts", "Deleted")},
        {"point", QT_TRANSLATE_NOOP("Conflicts", "Test point")},
        {"label", QT_TRANSLATE_NOOP("Conflicts", "Label")},
    };
    const auto known = fields.find(field);
    return known != fields.end() ? Translated(known->second) : QString::fromStdString(field);
}

QString ConflictValueText(const std::string& json) {
    // Wrapped in an array, since a lone scalar is no JSON document to Qt.
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString("[" + json + "]"));
    if (!document.isArray() || document.array().isEmpty()) {
        return QString::fromStdString(json);
    }
    const QJsonValue value = document.array().first();
    if (value.isNull() || value.isUndefined()) {
        return Translated(QT_TRANSLATE_NOOP("Conflicts", "(none)"));
    }
    if (value.isString()) {
        return value.toString();
    }
    if (value.isBool()) {
        return value.toBool() ? Translated(QT_TRANSLATE_NOOP("Conflicts", "yes"))
                              : Translated(QT_TRANSLATE_NOOP("Conflicts", "no"));
    }
    if (value.isDouble()) {
        return QLocale().toString(value.toDouble(), 'g', 15);
    }
    return QString::fromStdString(json);
}

QString ConflictWhoText(const std::string& who) {
    return who == sync::kThisPc ? Translated(QT_TRANSLATE_NOOP("Conflicts", "this PC"))
                                : QString::fromStdString(who);
}

QString ConflictWhenText(const std::string& stamp) {
    bool ok = false;
    const qint64 millis = QString::fromStdString(stamp.substr(0, stamp.find('-'))).toLongLong(&ok);
    return ok ? SyncTimeText(QDateTime::fromMSecsSinceEpoch(millis, Qt::UTC)) : QString::fromStdString(stamp);
}

}  // namespace terrovane::teamui
