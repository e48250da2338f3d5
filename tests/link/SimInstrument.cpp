#include "SimInstrument.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <fstream>
#include <sstream>

namespace terrovane::testing {
namespace {

int startCount = 0;  // each run logs to a file of its own

}  // namespace

SimInstrument::SimInstrument(const std::string& portMapPath, const std::vector<std::string>& arguments)
    : logPath_(portMapPath + ".log" + std::to_string(++startCount)) {
    QStringList list{"--portmap", QString::fromStdString(portMapPath), "--log",
                     QString::fromStdString(logPath_)};
    for (const std::string& argument : arguments) {
        list << QString::fromStdString(argument);
    }
    process_.start(QStringLiteral(TERROVANE_SIM_PATH), list);
    // Its first line names the pty; it is ready once the port map names that pty.
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
            break;
        }
        map.close();
        QThread::msleep(5);
    }
}

SimInstrument::~SimInstrument() {
    process_.terminate();
    if (!process_.waitForFinished(2000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

std::string SimInstrument::Log() const {
    std::ifstream in(logPath_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace terrovane::testing
