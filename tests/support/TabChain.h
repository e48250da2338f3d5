#pragma once

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

namespace terrovane::testing {

// The controls of a window a keyboard user must be able to reach: shown, enabled, taking focus by Tab,
// each counted once as the widget that really receives the focus (a date edit's line edit, say).
std::vector<QWidget*> TabFocusableControls(QWidget* window);

// What pressing Tab over and over in a window does, from the control that has the focus.
struct TabWalk {
    std::vector<QWidget*> visited;  // in order, the first one once
    bool wraps = false;             // Tab came back to the first control
    QWidget* stuck = nullptr;       // a control Tab stays in, when it does
};

// Shows and activates the window, then presses Tab (through QTest, at the focused control) until the
// focus comes back to where it started, stays put, or has gone round more than once.
TabWalk WalkTabChain(QWidget* window);

// Empty when Tab visits every focusable control of the window and wraps; otherwise what is wrong, naming
// the controls. One line per window in a test: EXPECT_EQ(TabChainProblems(&window), "");
std::string TabChainProblems(QWidget* window);

// A control as the problem list names it: its class, object name and text where it has them.
QString DescribeControl(const QWidget* control);

}  // namespace terrovane::testing
