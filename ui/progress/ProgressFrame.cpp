#include "ProgressFrame.h"

#include <QApplication>

#include <algorithm>

#include "ProgressLayout.h"
#include "ScreenFit.h"

namespace terrovane::ui {

namespace {

constexpr int kFrameEdge = 2;
constexpr int kInitialWidth = 390;
constexpr int kInitialHeight = 130;

const char* const kSegmentedBarStyle =
    "QProgressBar { border: 1px solid #7a7a7a; background: white; }"
    "QProgressBar::chunk { background: #2f6fd0; width: 7px; margin: 1px; }";

}  // namespace

void ProgressFrame::Build(QWidget* owner, const QString& caption, bool smooth, int lower, int upper,
                          QObject* filter) {
    window_ = new QWidget(
        owner, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
    window_->setAttribute(Qt::WA_ShowWithoutActivating);
    window_->setCursor(Qt::BusyCursor);
    QPalette palette = window_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window_->setPalette(palette);
    window_->setAutoFillBackground(true);
    window_->setFont(QApplication::font("QMessageBox"));
    window_->setWindowTitle(caption);
    window_->setGeometry(0, 0, kInitialWidth, kInitialHeight);
    window_->installEventFilter(filter);
    CreateChildren(smooth, lower, upper);
    Layout(textLines_, 300);
}

void ProgressFrame::CreateChildren(bool smooth, int lower, int upper) {
    message_ = new QLabel(window_);
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(false);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bar_ = new QProgressBar(window_);
    bar_->setRange(lower, upper);
    bar_->setValue(lower);
    bar_->setTextVisible(false);
    if (!smooth) {
        bar_->setStyleSheet(QString::fromLatin1(kSegmentedBarStyle));
    }
    cancelButton_ = new QPushButton(cancelText_, window_);
    cancelButton_->setFocusPolicy(Qt::TabFocus);
    cancelButton_->hide();
}

void ProgressFrame::Layout(int lines, int width) {
    const QFontMetrics metrics(window_->font());
    const QString sample = QStringList(lines, QStringLiteral("M")).join(QLatin1Char('\n'));
    ProgressMetrics m;
    m.messageHeight =
        metrics.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, sample).height();
    m.messageWidth = width;
    m.buttonTextWidth = metrics.horizontalAdvance(cancelText_ + QStringLiteral("  "));
    m.textHeight = metrics.height();
    m.edgeX = kFrameEdge;
    m.edgeY = kFrameEdge;
    const ProgressLayout layout = ComputeProgressLayout(m);
    message_->setGeometry(layout.message);
    cancelButton_->setGeometry(layout.button);
    bar_->setGeometry(layout.bar);
    window_->resize(layout.client);
}

void ProgressFrame::SetText(const QString& text) {
    message_->setText(text);
    WidenFor(text);
}

// The message keeps the original's width until a line needs more: a translation longer than the text it
// translates is shown whole, never cut at the window's edge, and the window stays on the screen.
void ProgressFrame::WidenFor(const QString& text) {
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

void ProgressFrame::SetBarRange(int lower, int upper) {
    bar_->setRange(std::min(lower, upper), std::max(lower, upper));
}

void ProgressFrame::SetBarValue(int pos) {
    bar_->setValue(std::clamp(pos, bar_->minimum(), bar_->maximum()));
}

void ProgressFrame::Discard(QObject* filter, bool deferred) {
    if (!window_) {
        return;
    }
    QWidget* window = window_;
    window_ = nullptr;
    window->removeEventFilter(filter);
    window->hide();
    if (deferred) {
        window->deleteLater();
    } else {
        delete window;
    }
}

}  // namespace terrovane::ui
