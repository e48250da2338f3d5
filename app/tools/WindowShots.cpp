// Opens every window and dialog of both programs over sample data, one after the other, and saves each as
// <folder>/<name>.png: terrovane-window-shots FOLDER. Run once per language (LANGUAGE) and scale
// (QT_SCALE_FACTOR) under a virtual X server; scripts/screenshots.sh does.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "AllWindows.h"
#include "LanguageChoice.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    terrovane::translations::InstallLanguage(terrovane::translations::SystemLanguage());
    if (argc < 2) {
        std::fprintf(stderr, "usage: terrovane-window-shots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir data;
    int failed = 0;
    for (const auto& sample : terrovane::app::samples::AllWindows(data.path())) {
        const auto window = sample.open();
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
        QTest::qWait(300);
        const QString file = folder.filePath(sample.name + QStringLiteral(".png"));
        if (!window->grab().save(file)) {
            std::fprintf(stderr, "could not save %s\n", qPrintable(file));
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
