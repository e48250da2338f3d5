#pragma once

#include <QString>

#include <functional>

#include "PlotFiles.h"

class QPushButton;
class QWidget;

namespace terrovane::engineering {

// The file types a plot saves as, for the save dialog: PNG (the default), SVG and PDF.
QString PlotFileTypes();

// Asks for a file (or takes it from `chooser`, which tests set) and writes the plot there. Returns the
// status to show: that it was saved, or why not; empty when the user cancelled.
QString SavePlotToFile(QWidget* parent, const std::function<QString()>& chooser,
                       const plots::PlotPainter& paint);

// A button naming a long site or point keeps to some forty characters, cut in the middle, with its whole
// text as the tooltip: the window then fits the screen.
void ElideButtonText(QPushButton& button);

}  // namespace terrovane::engineering
