#include "TrendChart.h"

#include <QDate>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "TrendPainter.h"
#include "TypedNumber.h"

namespace terrovane::history {
namespace {

constexpr double kHoverRadius = 8;

}  // namespace

QString TrendNumber(double value) {
    return keyboard::ShownSignificant(value, std::abs(value) >= 1e6 ? 4 : 6);
}

TrendChart::TrendChart(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(320, 200);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void TrendChart::SetSeries(TrendSeries series) {
    series_ = std::move(series);
    hovered_ = -1;
    Relayout();
    update();
}

void TrendChart::SetLogarithmic(std::optional<bool> logarithmic) {
    logarithmic_ = logarithmic;
    Relayout();
    update();
}

QString TrendChart::HoverText() const {
    const std::size_t measured = series_.samples.size();
    if (hovered_ < 0 || static_cast<std::size_t>(hovered_) >= measured + series_.overRange.size()) {
        return {};
    }
    const std::size_t index = static_cast<std::size_t>(hovered_);
    if (index >= measured) {
        const TrendSample& sample = series_.overRange[index - measured];
        return QString::fromStdString(sample.when) + QStringLiteral("\n") +
               QString::fromStdString(series_.title) + QLatin1Char(' ') +
               QString::fromStdString(OverRangeShown(series_, sample)) + TypedText(sample);
    }
    const TrendSample& sample = series_.samples[index];
    return QString::fromStdString(sample.when) + QStringLiteral("\n") +
           QString::fromStdString(series_.title) + QStringLiteral(" = ") + TrendNumber(sample.value) +
           TypedText(sample);
}

// "typed by hand: Jo Field, Other make 4105" under a typed sample's value; nothing for a read-out's.
QString TrendChart::TypedText(const TrendSample& sample) const {
    if (!sample.typed)
        return {};
    QStringList origin;
    for (const std::string* text : {&sample.typed->by, &sample.typed->instrument})
        if (!text->empty())
            origin << QString::fromStdString(*text);
    return QStringLiteral("\n") + tr("typed by hand: %1").arg(origin.join(QStringLiteral(", ")));
}

QRectF TrendChart::PlotArea() const {
    const int textHeight = fontMetrics().height();
    const double left = fontMetrics().horizontalAdvance(QStringLiteral("000000.0")) + 12;
    // Room on the right for half a date under the last tick.
    const double right = fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) / 2.0 + 8;
    // Over-range markers get a band of their own above the plot, clear of the limit's line and its text.
    const double band = series_.overRange.empty() ? 0 : OverRangeBand();
    return QRectF(left, textHeight * 1.5 + band, width() - left - right, height() - textHeight * 4.0 - band);
}

double TrendChart::OverRangeBand() const {
    return fontMetrics().height() * 1.4;
}

void TrendChart::Relayout() {
    layout_ = LayoutTrend(series_.samples, PlotArea(),
                          series_.limit ? std::optional(series_.limit->ohms) : std::nullopt, logarithmic_,
                          series_.overRange);
    for (QPointF& point : layout_.overRangePoints) {
        point.setY(layout_.plot.top() - OverRangeBand() / 2);
    }
}

void TrendChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

void TrendChart::mouseMoveEvent(QMouseEvent* event) {
    std::vector<QPointF> all = layout_.points;
    all.insert(all.end(), layout_.overRangePoints.begin(), layout_.overRangePoints.end());
    const int near = PointNear(all, event->position(), kHoverRadius);
    if (near != hovered_) {
        hovered_ = near;
        update();
    }
}

void TrendChart::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (hovered_ != -1) {
        hovered_ = -1;
        update();
    }
}

void TrendChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (series_.samples.empty() && series_.overRange.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, tr("No readings to show"));
        return;
    }
    TrendPainter(*this).Paint(painter);
}

}  // namespace terrovane::history
