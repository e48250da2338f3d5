#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string>

namespace terrovane::testing {

// A command's JSON output as one object; a test fails when it is anything else.
inline QJsonObject Json(const std::string& text) {
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text));
    EXPECT_TRUE(document.isObject()) << text;
    return document.object();
}

}  // namespace terrovane::testing
