// Writes the program icon as PNG files of the icon theme's layout: <out>/<n>x<n>/apps/<name>.png.
// Usage: terrovane-icons OUT_DIR NAME SIZE...
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>

#include "ProgramIcon.h"

namespace {

bool WriteIcon(const QString& outDir, const QString& name, int size) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
    if (!QDir().mkpath(folder))
        return false;
    // Written aside and moved in, so an interrupted build never leaves half an icon behind.
    QSaveFile file(folder + "/" + name + ".png");
    return file.open(QIODevice::WriteOnly) &&
           terrovane::res::DrawProgramIcon(size).toImage().save(&file, "PNG") && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: terrovane-icons OUT_DIR NAME SIZE...\n");
        return 2;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size > 1024 || !WriteIcon(argv[1], argv[2], size)) {
            std::fprintf(stderr, "terrovane-icons: cannot write the %s px icon into %s\n", argv[i], argv[1]);
            return 1;
        }
    }
    return 0;
}
