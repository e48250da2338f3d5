#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace terrovane::screenfit {

// One window or dialog of the programs, built as the program builds it over sample data, not yet shown.
// The screenshot tools save each one and the screen-fit walk opens each one on every screen, scale and
// language: a window added to its folder's list is covered by both.
struct WindowSample {
    QString name;                                    // also the file name of its screenshot, without ".png"
    std::function<std::shared_ptr<QWidget>()> open;  // owns whatever the window needs as well
};

using WindowSamples = std::vector<WindowSample>;

}  // namespace terrovane::screenfit
