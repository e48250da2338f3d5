#include "SimulatedInstrument.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace terrovane::testing {

SimulatedInstrument::SimulatedInstrument(const std::string& portMapPath, const QStringList& arguments) {
    process_.start(QStringLiteral(TERROVANE_SIM_PATH),
                   QStringList{QStringLiteral("--portmap"), QString::fromStdString(portMapPath)} + arguments);
    // Its first output line names the pty; it is ready once the port map names it too.
    QElapsedTimer clock;
    clock.start();
    while (!process_.canReadLine() && clock.elapsed() < 5000 && process_.state() != QProcess::NotRunning) {
        process_.waitForReadyRead(20);
    }
    const QByteArray pty = process_.readLine().trimmed();
    QFile map(QString::fromStdString(portMapPath));
    while (!pty.isEmpty() && clock.elapsed() < 5000) {
        if (map.open(QIODevice::ReadOnly) && map.readAll().contains(pty)) {
            started_ = true;
            return;
        }
        map.close();
        QThread::msleep(5);
    }
}

void SimulatedInstrument::Unplug() {
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

}  // namespace terrovane::testing
