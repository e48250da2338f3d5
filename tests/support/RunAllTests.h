#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "TestEnvironment.h"

namespace terrovane::testing {

// Runs every test under an application object of the given kind. Widgets need one, and so do the link
// and serial control, which deliver their events through the event loop. The offscreen platform needs no
// display; test mode keeps the settings and data the tests write away from the user's own.
template <typename Application>
int RunAllTests(int argc, char** argv) {
    IsolateFromCallerEnvironment();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Application app(argc, argv);
    // Qt takes its number notation from LC_NUMERIC, which the test runs keep from the caller on purpose (so a
    // number that goes through the C library's locale shows up). The windows' own notation is the one the
    // test programs set, as LANG is: a test that wants another locale's says so itself.
    QLocale::setDefault(QLocale::c());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("TerrovaneTests"));
    // Read-outs the tests accept are archived like any other, in the test's own archive.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    qputenv("TERROVANE_ARCHIVE", (data + QStringLiteral("/archive.sqlite")).toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace terrovane::testing
