// The reference of the idle benchmark: a bare Qt widget program whose only work is a 5 ms timer, as the
// main program's port watch ticks.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(5);
    return app.exec();
}
