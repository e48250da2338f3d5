#include "TabChain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

namespace terrovane::testing {
namespace {

QWidget* FocusTarget(QWidget* widget) {
    while (widget->focusProxy() != nullptr) {
        widget = widget->focusProxy();
    }
    return widget;
}

bool TakesTabFocus(QWidget* widget, QWidget* window) {
    return widget->window() == window && widget->isVisibleTo(window) && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

bool Contains(const std::vector<QWidget*>& widgets, const QWidget* widget) {
    return std::find(widgets.begin(), widgets.end(), widget) != widgets.end();
}

void PressTab() {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), Qt::Key_Tab);
}

}  // namespace

std::vector<QWidget*> TabFocusableControls(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        QWidget* target = FocusTarget(widget);
        if (TakesTabFocus(widget, window) && TakesTabFocus(target, window) && !Contains(controls, target)) {
            controls.push_back(target);
        }
    }
    return controls;
}

TabWalk WalkTabChain(QWidget* window) {
    TabWalk walk;
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);  // the offscreen platform activates only on request
    if (!QTest::qWaitForWindowActive(window)) {
        return walk;
    }
    if (QApplication::focusWidget() == nullptr || QApplication::focusWidget()->window() != window) {
        const std::vector<QWidget*> controls = TabFocusableControls(window);
        if (!controls.empty()) {
            controls.front()->setFocus(Qt::TabFocusReason);
        }
    }
    QWidget* first = QApplication::focusWidget();
    if (first == nullptr) {
        return walk;
    }
    walk.visited.push_back(first);
    const bool alone = TabFocusableControls(window).size() <= 1;
    // A date edit takes a Tab per section before it lets the focus go: a few presses in place are fine.
    constexpr int kPressesInPlace = 8;
    int inPlace = 0;
    const std::size_t limit = 2 * window->findChildren<QWidget*>().size() + 2 + kPressesInPlace;
    for (std::size_t step = 0; step < limit; ++step) {
        QWidget* before = QApplication::focusWidget();
        PressTab();
        QWidget* now = QApplication::focusWidget();
        if (now == nullptr) {
            walk.stuck = before;
            return walk;
        }
        if (now == before && !alone) {
            if (++inPlace > kPressesInPlace) {
                walk.stuck = before;
                return walk;
            }
            continue;
        }
        inPlace = 0;
        if (now == first) {
            walk.wraps = true;
            return walk;
        }
        if (!Contains(walk.visited, now)) {
            walk.visited.push_back(now);
        }
    }
    return walk;
}

QString DescribeControl(const QWidget* control) {
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        text = button->text();
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        text = edit->placeholderText();
    }
    QString name = QString::fromLatin1(control->metaObject()->className());
    if (!control->objectName().isEmpty()) {
        name += QLatin1Char('#') + control->objectName();
    }
    if (!text.isEmpty()) {
        name += QStringLiteral(" \"") + text + QLatin1Char('"');
    }
    return name;
}

std::string TabChainProblems(QWidget* window) {
    const TabWalk walk = WalkTabChain(window);
    QStringList problems;
    if (walk.visited.empty()) {
        return "no control takes the focus";
    }
    if (walk.stuck != nullptr) {
        problems << QStringLiteral("Tab stays in ") + DescribeControl(walk.stuck);
    } else if (!walk.wraps) {
        problems << QStringLiteral("Tab does not come back to ") + DescribeControl(walk.visited.front());
    }
    for (QWidget* control : TabFocusableControls(window)) {
        if (!Contains(walk.visited, control)) {
            problems << QStringLiteral("Tab never reaches ") + DescribeControl(control);
        }
    }
    if (!problems.isEmpty()) {
        QStringList order;
        for (const QWidget* control : walk.visited) {
            order << DescribeControl(control);
        }
        problems << QStringLiteral("Tab visits: ") + order.join(QStringLiteral(", "));
    }
    return problems.join(QLatin1Char('\n')).toStdString();
}

}  // namespace terrovane::testing
