#include "PanelPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <map>

#include "SegmentGlyph.h"
#include "SegmentOutline.h"

namespace terrovane::panel {
namespace {

QFont FigureFont(bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(bold);
    return font;
}

// Scales a path into `rect` keeping its proportions (or stretching when asked), centred.
QPainterPath FitInto(const QPainterPath& path, const QRectF& rect, bool stretch = false) {
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty() || rect.isEmpty())
        return {};
    double sx = rect.width() / bounds.width(), sy = rect.height() / bounds.height();
    if (!stretch)
        sx = sy = std::min(sx, sy);
    QTransform transform;
    transform.translate(rect.center().x(), rect.center().y());
    transform.scale(sx, sy);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

void FillText(QPainter& painter, const QString& text, const QRectF& rect, bool bold = true) {
    QPainterPath path;
    path.addText(0, 0, FigureFont(bold), text);
    painter.fillPath(FitInto(path, rect), Qt::black);
}

QRectF Inset(const QRectF& rect, double fraction) {
    const double dx = rect.width() * fraction, dy = rect.height() * fraction;
    return rect.adjusted(dx, dy, -dx, -dy);
}

void DrawDash(QPainter& painter, const QRectF& r) {
    painter.fillRect(QRectF(r.left() + r.width() * 0.1, r.center().y() - r.height() * 0.15, r.width() * 0.8,
                            r.height() * 0.3),
                     Qt::black);
}

void DrawChevron(QPainter& painter, const QRectF& r, bool pointsRight) {
    const QRectF a = Inset(r, 0.12);
    const double tipX = pointsRight ? a.right() : a.left(), tailX = pointsRight ? a.left() : a.right();
    QPen pen(Qt::black, std::max(1.5, a.width() * 0.22), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawPolyline(QPolygonF{{tailX, a.top()}, {tipX, a.center().y()}, {tailX, a.bottom()}});
}

QPainterPath WavePath(const QRectF& r) {
    QPainterPath path;
    const double midY = r.center().y(), amplitude = r.height() * 0.32;
    path.moveTo(r.left(), midY);
    path.cubicTo(r.left() + r.width() * 0.25, midY - 2 * amplitude, r.left() + r.width() * 0.25,
                 midY - 2 * amplitude, r.center().x(), midY);
    path.cubicTo(r.right() - r.width() * 0.25, midY + 2 * amplitude, r.right() - r.width() * 0.25,
                 midY + 2 * amplitude, r.right(), midY);
    return path;
}

void DrawWave(QPainter& painter, const QRectF& r) {
    painter.setPen(QPen(Qt::black, std::max(1.5, r.height() * 0.14), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(WavePath(Inset(r, 0.12)));
}

// Solid line over a dashed one.
void DrawDirectCurrent(QPainter& painter, const QRectF& r) {
    const QRectF a = Inset(r, 0.12);
    const double thick = std::max(1.5, a.height() * 0.14);
    painter.fillRect(QRectF(a.left(), a.top() + a.height() * 0.25, a.width(), thick), Qt::black);
    const double dash = a.width() / 5;
    for (int i = 0; i < 3; ++i) {
        painter.fillRect(QRectF(a.left() + i * 2 * dash, a.top() + a.height() * 0.65, dash, thick),
                         Qt::black);
    }
}

// A clamp meter's jaw: a ring open at the top with a conductor through it.
void DrawClamp(QPainter& painter, const QRectF& r) {
    const QRectF a = Inset(r, 0.1);
    const double d = a.height();
    const QRectF ring(a.center().x() - d / 2, a.top(), d, d);
    painter.setPen(QPen(Qt::black, std::max(1.5, d * 0.13), Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(ring.adjusted(1, 1, -1, -1), 110 * 16, 320 * 16);
    painter.setPen(QPen(Qt::black, std::max(1.0, d * 0.09)));
    painter.drawLine(QPointF(a.left(), a.center().y()), QPointF(a.right(), a.center().y()));
}

// "AFE" in fourteen-segment letters, the way the instrument spells automatic frequency.
void DrawSegmentWord(QPainter& painter, const QRectF& r, const char* word) {
    const auto glyphs = BuildGlyphs(word, kStyleFourteenSegment);
    const double scale = std::min(r.width() / DesignWidth(glyphs), r.height() / kGlyphDesignHeight);
    double x = r.center().x() - scale * DesignWidth(glyphs) / 2;
    const double top = r.center().y() - scale * kGlyphDesignHeight / 2;
    for (const auto& glyph : glyphs) {
        QTransform transform;
        transform.translate(x, top);
        transform.scale(scale, scale);
        for (int segment = 0; segment < glyph.segmentCount; ++segment) {
            if (glyph.IsLit(segment))
                painter.fillPath(transform.map(SegmentOutline(glyph.kind, segment)), Qt::black);
        }
        x += glyph.designWidth * scale;
    }
}

// The instrument's name over a plug in its socket: attached, waiting for a read-out.
void DrawIdle(QPainter& painter, const QRectF& r) {
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(Inset(r, 0.03), 6, 6);
    FillText(painter, QStringLiteral("EARTH TESTER"),
             QRectF(r.left() + r.width() * 0.12, r.top() + r.height() * 0.12, r.width() * 0.76,
                    r.height() * 0.16));
    const double cy = r.top() + r.height() * 0.56, unit = r.height() * 0.1;
    const double cx = r.center().x();
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(cx - 4.5 * unit, cy - unit, 2.5 * unit, 2 * unit));        // plug body
    painter.drawRect(QRectF(cx - 2 * unit, cy - 0.7 * unit, 1.2 * unit, 0.4 * unit));  // pins
    painter.drawRect(QRectF(cx - 2 * unit, cy + 0.3 * unit, 1.2 * unit, 0.4 * unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(cx - 0.6 * unit, cy - 1.4 * unit, 2.6 * unit, 2.8 * unit));  // socket
    painter.drawLine(QPointF(cx - 5.6 * unit, cy), QPointF(cx - 4.5 * unit, cy));        // cable
    painter.drawLine(QPointF(cx + 2 * unit, cy), QPointF(cx + 4.5 * unit, cy));
    FillText(
        painter, QStringLiteral("CONNECTED"),
        QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.74, r.width() * 0.6, r.height() * 0.12));
}

const std::map<int, QString>& TextPictures() {
    static const std::map<int, QString> pictures = {
        {214, "READ"}, {236, "LIMIT"}, {183, "Ω"},     {204, "kΩ"},     {152, "V"},  {209, "Hz"},
        {163, "A"},    {240, "m"},     {213, "R"},     {195, "U"},      {208, "F"},  {228, "ρ"},
        {218, "E"},    {219, "k"},     {216, "1"},     {217, "2"},      {221, "M"},  {225, "m"},
        {194, "ST"},   {199, "3POLE"}, {207, "4POLE"}, {205, "2POLE"},  {200, "RA"}, {215, "R"},
        {201, "RH"},   {203, "RS"},    {231, "P"},     {232, "LENGTH"}, {233, "M"},  {153, "k"},
    };
    return pictures;
}

}  // namespace

void DrawPanelPicture(QPainter& painter, int bitmapId, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (auto it = TextPictures().find(bitmapId); it != TextPictures().end()) {
        FillText(painter, it->second, Inset(rect, 0.08));
    } else if (bitmapId == 196 || bitmapId == 197) {
        DrawDash(painter, rect);
    } else if (bitmapId == 210 || bitmapId == 211 || bitmapId == 229) {
        DrawChevron(painter, rect, true);
    } else if (bitmapId == 234 || bitmapId == 235) {
        DrawChevron(painter, rect, false);
    } else if (bitmapId == 226 || bitmapId == 227) {
        DrawWave(painter, rect);
    } else if (bitmapId == 206) {
        DrawDirectCurrent(painter, rect);
    } else if (bitmapId == 230 || bitmapId == 239) {
        DrawClamp(painter, rect);
    } else if (bitmapId == 222) {
        DrawSegmentWord(painter, Inset(rect, 0.05), "AFE");
    } else if (bitmapId == kIdlePictureBitmap) {
        DrawIdle(painter, rect);
    }
    painter.restore();
}

PictureControl::PictureControl(int bitmapId, QWidget* parent, bool opaque)
    : QWidget(parent), bitmapId_(bitmapId), opaque_(opaque) {}

// The figure's background is the display colour of the chart underneath, so neighbouring pictures that
// overlap a little never cut into each other.
void PictureControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (opaque_)
        painter.fillRect(rect(), kPanelColour);
    DrawPanelPicture(painter, bitmapId_, QRectF(rect()));
}

}  // namespace terrovane::panel
