#include "ProgressWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "ProgressLayout.h"
#include "ScreenFit.h"
#include "Settings.h"

namespace terrovane::ui {

namespace {

constexpr int kEdge = 2;
constexpr int kInitialWidth = 390;
constexpr int kInitialHeight = 130;

const char* const kSegmentedBarStyle =
    "QProgressBar { border: 1px solid #7a7a7a; background: white; }"
    "QProgressBar::chunk { background: #2f6fd0; width: 7px; margin: 1px; }";

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent, const QString& caption, bool smooth)
    : mainWindow_(parent ? parent : QApplication::activeWindow()), caption_(caption) {
    Create(smooth);
}

ProgressWindow::~ProgressWindow() {
    if (window_) {
        Destroy();
    }
}

void ProgressWindow::Create(bool smooth) {
    window_ = new QWidget(
        mainWindow_, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
    window_->setAttribute(Qt::WA_ShowWithoutActivating);
    window_->setCursor(Qt::BusyCursor);
    QPalette palette = window_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window_->setPalette(palette);
    window_->setAutoFillBackground(true);
    window_->setFont(QApplication::font("QMessageBox"));
    window_->setWindowTitle(caption_);
    window_->setGeometry(0, 0, kInitialWidth, kInitialHeight);
    window_->installEventFilter(this);
    CreateChildren(smooth);
    Layout(textLines_, 300);
    RestorePosition();
    window_->show();
    screenfit::KeepOnScreen(window_);  // now with its frame
}

void ProgressWindow::CreateChildren(bool smooth) {
    message_ = new QLabel(window_);
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(false);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bar_ = new QProgressBar(window_);
    bar_->setRange(lower_, upper_);
    bar_->setValue(lower_);
    bar_->setTextVisible(false);
    if (!smooth) {
        bar_->setStyleSheet(QString::fromLatin1(kSegmentedBarStyle));
    }
    cancelButton_ = new QPushButton(cancelText_, window_);
    cancelButton_->setFocusPolicy(Qt::TabFocus);
    cancelButton_->hide();
    connect(cancelButton_, &QPushButton::clicked, this, &ProgressWindow::Cancel);
}

void ProgressWindow::Layout(int lines, int width) {
    const QFontMetrics metrics(window_->font());
    const QString sample = QStringList(lines, QStringLiteral("M")).join(QLatin1Char('\n'));
    ProgressMetrics m;
    m.messageHeight =
        metrics.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, sample).height();
    m.messageWidth = width;
    m.buttonTextWidth = metrics.horizontalAdvance(cancelText_ + QStringLiteral("  "));
    m.textHeight = metrics.height();
    m.edgeX = kEdge;
    m.edgeY = kEdge;
    const ProgressLayout layout = ComputeProgressLayout(m);
    message_->setGeometry(layout.message);
    cancelButton_->setGeometry(layout.button);
    bar_->setGeometry(layout.bar);
    window_->resize(layout.client);
}

void ProgressWindow::RestorePosition() {
    QScreen* screen = mainWindow_ ? mainWindow_->screen() : QGuiApplication::primaryScreen();
    const QRect screenRect = screen->geometry();
    QPoint stored(-1, -1);
    if (rememberPosition_)
        stored = platform::Settings().ProgressPosition().value_or(stored);
    const QRect area =
        mainWindow_ && mainWindow_->isVisible() ? mainWindow_->frameGeometry() : screen->availableGeometry();
    // A position remembered at another scale, or a main window larger than the screen, could put it
    // out of reach.
    screenfit::MoveOnScreen(window_, ProgressPlacement(stored, screenRect.size(), area, window_->size()));
}

void ProgressWindow::StorePosition() {
    if (!rememberPosition_ || !window_) {
        return;
    }
    platform::Settings().SetProgressPosition(window_->pos());
}

bool ProgressWindow::GoModal(const QString& caption, bool smooth) {
    if (!window_) {
        caption_ = caption;
        Create(smooth);
    }
    if (mainWindow_) {
        mainWindow_->setEnabled(false);
    }
    // After the main window: disabling it disables the windows it owns as well.
    window_->setEnabled(true);
    modal_ = true;
    return true;
}

void ProgressWindow::SetRange(int lower, int upper, int step) {
    lower_ = lower;
    upper_ = upper;
    step_ = step;
    if (window_) {
        bar_->setRange(std::min(lower, upper), std::max(lower, upper));
    }
}

int ProgressWindow::SetPos(int pos) {
    if (!window_) {
        return position_;
    }
    Show();
    const int previous = position_;
    position_ = pos;
    const int percent = ProgressPercent(lower_, upper_, pos);
    if (percent != percent_) {
        percent_ = percent;
        window_->setWindowTitle(ProgressCaption(caption_, percent));
    }
    bar_->setValue(std::clamp(pos, bar_->minimum(), bar_->maximum()));
    return previous;
}

int ProgressWindow::SetPosWithoutPercent(int pos) {
    if (!window_) {
        return position_;
    }
    Show();
    const int previous = position_;
    position_ = pos;
    const QString title = caption_ + QLatin1Char(' ');
    if (window_->windowTitle() != title) {
        window_->setWindowTitle(title);
    }
    bar_->setValue(std::clamp(pos, bar_->minimum(), bar_->maximum()));
    return previous;
}

void ProgressWindow::SetText(const QString& text) {
    if (window_) {
        message_->setText(text);
        WidenFor(text);
    }
}

// The message keeps the original's width until a line needs more: a translation longer than the text it
// translates is shown whole, never cut at the window's edge, and the window stays on the screen.
void ProgressWindow::WidenFor(const QString& text) {
    const QFontMetrics metrics(message_->font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int room = screenfit::AvailableArea(window_).width() - 40;  // the layout's margins and the frame
    const int width = std::min(widest + metrics.averageCharWidth(), room);
    if (width <= message_->width()) {
        return;
    }
    Layout(textLines_, width);
    if (window_->isVisible()) {
        screenfit::KeepOnScreen(window_);
    }
}

void ProgressWindow::SetText(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    SetText(QString::fromUtf8(buffer));
}

void ProgressWindow::Clear() {
    cancelled_ = false;
    position_ = 0;
    if (!window_) {
        return;
    }
    message_->clear();
    bar_->setValue(std::clamp(0, bar_->minimum(), bar_->maximum()));
    window_->repaint();
}

void ProgressWindow::Show() {
    if (window_ && !window_->isVisible()) {
        window_->show();
        window_->repaint();
    }
}

void ProgressWindow::Hide() {
    if (window_ && window_->isVisible()) {
        window_->hide();
    }
}

void ProgressWindow::ShowCancelButton(bool show) {
    if (window_) {
        cancelButton_->setVisible(show);
    }
}

void ProgressWindow::PeekAndPump(bool cancelOnEscape) {
    if (!window_) {
        return;
    }
    if (modal_ && !window_->isActiveWindow()) {
        window_->activateWindow();
        window_->setFocus();
    }
    cancelOnEscape_ = cancelOnEscape;
    pumping_ = true;
    qApp->installEventFilter(this);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    qApp->removeEventFilter(this);
    pumping_ = false;
}

bool ProgressWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Close) {
        // The close message destroys the window as Destroy does; this object lives on.
        StorePosition();
        if (modal_ && mainWindow_) {
            mainWindow_->setEnabled(true);
        }
        modal_ = false;
        DestroyWindow(true);
        return true;
    }
    if (pumping_ && !cancelled_ && cancelOnEscape_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Escape cancels the job and goes no further: reaching the main dialog it would end the program.
        Cancel();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ProgressWindow::Cancel() {
    cancelled_ = true;
    Hide();
    if (modal_ && window_) {
        window_->close();
    }
    if (mainWindow_) {
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
}

void ProgressWindow::Destroy() {
    StorePosition();
    if (modal_ && mainWindow_) {
        mainWindow_->setEnabled(true);
    }
    modal_ = false;
    DestroyWindow(false);
}

void ProgressWindow::DestroyWindow(bool deferred) {
    if (!window_) {
        return;
    }
    QWidget* window = window_;
    window_ = nullptr;
    window->removeEventFilter(this);
    window->hide();
    if (deferred) {
        window->deleteLater();
    } else {
        delete window;
    }
}

}  // namespace terrovane::ui
