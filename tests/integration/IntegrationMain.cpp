#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The dialog needs a widget application; its progress window keeps its place in the test settings.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("TerrovaneTests"));
    QCoreApplication::setApplicationName(QStringLiteral("integration"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
