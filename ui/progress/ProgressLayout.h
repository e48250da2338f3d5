#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace terrovane::ui {

// Where the progress window's children go, in client coordinates, and the client size they need.
struct ProgressLayout {
    QRect message;
    QRect button;
    QRect bar;
    QSize client;
};

// The measurements a layout is made from: the height of the message lines, the message width, the
// Cancel text's width (with two trailing spaces) and height, and the frame edge sizes.
struct ProgressMetrics {
    int messageHeight = 0;
    int messageWidth = 300;
    int buttonTextWidth = 0;
    int textHeight = 0;
    int edgeX = 2;
    int edgeY = 2;
};

ProgressLayout ComputeProgressLayout(const ProgressMetrics& metrics);

// Percentage of the bar's range that pos has covered; 0 for an empty or inverted range.
int ProgressPercent(int lower, int upper, int pos);

// "Progress [45%]".
QString ProgressCaption(const QString& stem, int percent);

// The window's top-left corner: the stored position when it lies on the screen, else centred in `area`.
QPoint ProgressPlacement(QPoint stored, QSize screen, QRect area, QSize windowSize);

}  // namespace terrovane::ui
