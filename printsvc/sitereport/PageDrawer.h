#pragma once

#include <QImage>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

#include "PageBasics.h"

// Drawing in millimetres on any of the report's pages: boxed single lines, wrapped texts and rules.
namespace terrovane::sitereport {

// The printable area of A4 landscape with 10 mm margins, and the bands every page keeps: the firm's header
// above, the program, site and page number below. Millimetres.
inline constexpr double kPrintableWidth = 277;
inline constexpr double kPrintableHeight = 190;
inline constexpr double kPageHeader = 12;
inline constexpr double kFooter = 8;
// What lies between the header and the footer.
inline constexpr double kBodyHeight = kPrintableHeight - kPageHeader - kFooter;

// `text` broken into lines no wider than `width` device units: at spaces, and inside a word only where
// the word alone is wider than the column, so nothing runs past a column's edge or the right rule.
inline void LayOutLines(QTextLayout& layout, qreal width, Qt::Alignment align = Qt::AlignLeft) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setAlignment(align);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

// Measures texts as the page will draw them, on a device of the page's resolution.
class CellMeasure {
  public:
    explicit CellMeasure(double dotsPerMm) : device_(1, 1, QImage::Format_RGB32), mm_(dotsPerMm) {
        const int dotsPerMetre = static_cast<int>(dotsPerMm * 1000 + 0.5);
        device_.setDotsPerMeterX(dotsPerMetre);
        device_.setDotsPerMeterY(dotsPerMetre);
    }
    // Millimetres `text` takes in a column `width` mm wide: one row, or more where it wraps.
    double Height(const QString& text, const QFont& font, double width) {
        return std::max(kLine, TextHeight(text, font, width) + 1.5);
    }
    // The wrapped lines' own height, without a row's padding.
    double TextHeight(const QString& text, const QFont& font, double width) {
        QTextLayout layout(text, font, &device_);
        LayOutLines(layout, width * mm_);
        return layout.boundingRect().height() / mm_;
    }

  private:
    QImage device_;
    double mm_;
};

class PageDrawer {
  public:
    PageDrawer(QPainter& painter, double dotsPerMm) : painter_(painter), mm_(dotsPerMm) {}

    QRectF Box(double x, double y, double w, double h) const { return {x * mm_, y * mm_, w * mm_, h * mm_}; }
    double DotsPerMm() const { return mm_; }
    void Font(double points, bool bold = false) { painter_.setFont(sitereport::Font(points, bold)); }
    // One line, cut with an ellipsis where it does not fit: for texts of a known short length only.
    void Text(double x, double y, double w, double h, const QString& text, int flags = Qt::AlignLeft) {
        const QRectF box = Box(x, y, w, h);
        const QString shown =
            painter_.fontMetrics().elidedText(text, Qt::ElideRight, static_cast<int>(box.width()));
        painter_.drawText(box, flags | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
    // A text that does not fit on one line wraps onto more, in its own font, centred in its row: the row
    // was made tall enough for it (CellMeasure).
    void WrappedText(double x, double y, double w, double h, const QString& text,
                     Qt::Alignment align = Qt::AlignLeft) {
        const QRectF box = Box(x, y, w, h);
        QTextLayout layout(text, painter_.font(), painter_.device());
        LayOutLines(layout, box.width(), align);
        const qreal top = box.top() + (box.height() - layout.boundingRect().height()) / 2;
        layout.draw(&painter_, QPointF(box.left(), top));
    }
    // A text wrapped from its top at (x, y) into `w` mm; returns the millimetres it took.
    double Paragraph(double x, double y, double w, const QString& text) {
        QTextLayout layout(text, painter_.font(), painter_.device());
        LayOutLines(layout, w * mm_);
        layout.draw(&painter_, QPointF(x * mm_, y * mm_));
        return layout.boundingRect().height() / mm_;
    }
    void Rule(double y, double width = 1) {
        painter_.setPen(QPen(Qt::black, 0.2 * mm_ * width));
        painter_.drawLine(QPointF(0, y * mm_), QPointF(kPrintableWidth * mm_, y * mm_));
    }
    QPainter& painter() { return painter_; }

  private:
    QPainter& painter_;
    double mm_;
};

}  // namespace terrovane::sitereport
