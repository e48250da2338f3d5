// Every window and dialog of both programs, over sample data, in English, German and Chinese, on the
// screen and at the scale the command line names (--screen WIDTHxHEIGHT in logical pixels, --scale
// FACTOR): each opens with its whole frame inside the screen's free area, and every control it holds lies
// inside the window (or inside a scroll area that reaches it) at no less than the size it needs.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "AllWindows.h"
#include "LanguageChoice.h"
#include "RunAllTests.h"
#include "ScratchFolder.h"
#include "ScreenFit.h"

namespace terrovane::screens {
namespace {

using translations::Language;

struct Screen {
    int width = 1280;
    int height = 720;
    std::string scale = "1";
};

Screen& Wanted() {
    static Screen screen;
    return screen;
}

// Inside a scroll area a control is reached by scrolling, wherever it lies.
bool Scrolled(const QWidget* control, const QWidget* window) {
    for (const QWidget* up = control->parentWidget(); up != nullptr && up != window;
         up = up->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(up) != nullptr) {
            return true;
        }
    }
    return false;
}

// The controls a person works or reads, as the window shows them.
std::vector<QWidget*> Controls(QWidget& window) {
    std::vector<QWidget*> controls;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(child) || qobject_cast<QComboBox*>(child) ||
                             qobject_cast<QLineEdit*>(child) || qobject_cast<QAbstractSpinBox*>(child) ||
                             qobject_cast<QLabel*>(child);
        // A spin box's or combo box's own line edit is checked with its box.
        const bool part = qobject_cast<QAbstractSpinBox*>(child->parentWidget()) ||
                          qobject_cast<QComboBox*>(child->parentWidget());
        if (control && !part && child->isVisibleTo(&window) && !Scrolled(child, &window)) {
            controls.push_back(child);
        }
    }
    return controls;
}

std::string Describe(const QWidget* widget) {
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        text = button->text();
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        text = label->text().left(40);
    } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        text = combo->currentText();
    }
    return std::string(widget->metaObject()->className()) + " \"" + text.toStdString() + "\"";
}

// The least width that shows the control whole: a button its text and icon (buttons of a fixed width
// narrower than the style's least one are fine while their text fits), a label that wraps any width.
int NeededWidth(const QWidget& control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (button->text().isEmpty()) {
            return 0;
        }
        const int text = button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&')));
        const auto* tool = qobject_cast<const QToolButton*>(button);
        if (button->icon().isNull() || (tool && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)) {
            return std::max(text, button->icon().isNull() ? 0 : button->iconSize().width()) + 4;
        }
        return text + button->iconSize().width() + 8;
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->wordWrap() || !label->pixmap().isNull()) {
            return 0;
        }
    }
    return control.minimumSizeHint().width();
}

void ExpectReachable(QWidget& window) {
    const QRect area = screenfit::AvailableArea(&window);
    EXPECT_TRUE(area.contains(window.frameGeometry()))
        << "frame " << window.frameGeometry().x() << "," << window.frameGeometry().y() << " "
        << window.frameGeometry().width() << "x" << window.frameGeometry().height() << " on " << area.width()
        << "x" << area.height();
    // A title bar elides what it has no room for beside its icon and buttons ("T…"); a dialog's bar has
    // fewer buttons than a window's.
    QFont titleFont = window.font();
    titleFont.setBold(true);
    const int buttons = qobject_cast<const QDialog*>(&window) != nullptr ? 100 : 150;
    const int title = QFontMetrics(titleFont).horizontalAdvance(window.windowTitle()) + buttons;
    EXPECT_GE(window.width(), std::min(title, area.width() * 4 / 5)) << "no room for the title";
    for (QWidget* control : Controls(window)) {
        const QRect where(control->mapTo(&window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(window.rect().contains(where)) << Describe(control) << " lies outside the window";
        EXPECT_GE(control->width(), NeededWidth(*control)) << Describe(control);
    }
}

const char* LanguageName(Language language) {
    switch (language) {
        case Language::German:
            return "German";
        case Language::Chinese:
            return "Chinese";
        default:
            return "English";
    }
}

// A person must see which control the keys act on: a combo box looks different with the focus than
// without, from the moment the window opens (before any Tab).
void ExpectVisibleFocus(QWidget& window) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        return;  // a window that takes no activation (the progress window) takes no keys either
    }
    for (QComboBox* combo : window.findChildren<QComboBox*>()) {
        if (!combo->isVisibleTo(&window) || !combo->isEnabled()) {
            continue;
        }
        combo->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        const QImage focused = combo->grab().toImage();
        combo->clearFocus();
        QCoreApplication::processEvents();
        EXPECT_TRUE(focused != combo->grab().toImage()) << Describe(combo) << " shows no focus";
    }
}

class EveryWindow : public ::testing::TestWithParam<Language> {
  protected:
    static void SetUpTestSuite() {
        data_ = new QTemporaryDir;
        windows_ = new screenfit::WindowSamples(app::samples::AllWindows(data_->path()));
    }
    static void TearDownTestSuite() {
        delete windows_;
        delete data_;
    }

    static QTemporaryDir* data_;
    static screenfit::WindowSamples* windows_;
};

QTemporaryDir* EveryWindow::data_ = nullptr;
screenfit::WindowSamples* EveryWindow::windows_ = nullptr;

TEST_P(EveryWindow, OpensOnTheScreenWithEveryControlReachable) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    ASSERT_EQ(screen.size(), QSize(Wanted().width, Wanted().height));
    ASSERT_TRUE(translations::InstallLanguage(GetParam()));
    ASSERT_GE(windows_->size(), 20u);
    for (const auto& sample : *windows_) {
        SCOPED_TRACE(sample.name.toStdString());
        const auto window = sample.open();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ExpectReachable(*window);
        ExpectVisibleFocus(*window);
        window->close();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryWindow,
                         ::testing::Values(Language::English, Language::German, Language::Chinese),
                         [](const auto& info) {
                             switch (info.param) {
                                 case Language::German:
                                     return "German";
                                 case Language::Chinese:
                                     return "Chinese";
                                 default:
                                     return "English";
                             }
                         });

// Takes --screen and --scale off the command line; the rest is gtest's.
void TakeScreenArguments(int& argc, char** argv) {
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screen") == 0 && i + 1 < argc) {
            const std::string size = argv[++i];
            const auto x = size.find('x');
            std::from_chars(size.data(), size.data() + x, Wanted().width);
            std::from_chars(size.data() + x + 1, size.data() + size.size(), Wanted().height);
        } else if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
            Wanted().scale = argv[++i];
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
}

// The offscreen platform's one screen, in device pixels: the logical size times the scale.
void ConfigureOffscreenScreen() {
    double scale = 1;
    std::from_chars(Wanted().scale.data(), Wanted().scale.data() + Wanted().scale.size(), scale);
    const auto config = testing::ScratchFolder() / "offscreen.json";
    QFile file(QString::fromStdString(config.string()));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QStringLiteral("{\"screens\": [{\"name\": \"walk\", \"x\": 0, \"y\": 0, \"width\": %1, "
                                  "\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                       .arg(qRound(Wanted().width * scale))
                       .arg(qRound(Wanted().height * scale))
                       .toUtf8());
    }
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.c_str());
    qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(Wanted().scale));
}

}  // namespace
}  // namespace terrovane::screens

namespace terrovane::translations {
// Test names and failures name the language rather than its bytes.
void PrintTo(Language language, std::ostream* out) {
    *out << screens::LanguageName(language);
}
}  // namespace terrovane::translations

int main(int argc, char** argv) {
    terrovane::screens::TakeScreenArguments(argc, argv);
    terrovane::screens::ConfigureOffscreenScreen();
    return terrovane::testing::RunAllTests<QApplication>(argc, argv);
}
