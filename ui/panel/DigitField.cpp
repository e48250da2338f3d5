#include "DigitField.h"

#include <QImage>
#include <QPainter>

#include "DigitLayout.h"
#include "SegmentOutline.h"

namespace terrovane::panel {

DigitField::DigitField(QWidget* parent) : QWidget(parent) {
    // The field paints every pixel itself from its off-screen image.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DigitField::SetText(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    rebuild_ = true;
    update();
}

void DigitField::SetBackgroundColour(QColor colour) {
    if (colour == background_)
        return;
    background_ = colour;
    update();
}

bool DigitField::ModifyStyle(unsigned remove, unsigned add) {
    if (remove & add)
        return false;
    style_ = (style_ | add) & ~remove;
    rebuild_ = true;
    update();
    return true;
}

const std::vector<SegmentGlyph>& DigitField::Glyphs() {
    if (rebuild_) {
        glyphs_ = BuildGlyphs(text_, style_);
        rebuild_ = false;
    }
    return glyphs_;
}

QImage DigitField::Render(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background_);
    QPainter painter(&image);
    const QPen unlitPen(OutlineColour(background_, offColour_), 1);
    const QPen litPen(OutlineColour(background_, onColour_), 1);
    const auto& glyphs = Glyphs();
    const DigitLayout layout = LayoutGlyphs(glyphs, size, style_);
    for (std::size_t i = 0; i < layout.origins.size(); ++i) {
        QTransform toField;
        toField.translate(layout.origins[i].x(), layout.origins[i].y());
        toField.scale(layout.scaleX, layout.scaleY);
        for (int segment = 0; segment < glyphs[i].segmentCount; ++segment) {
            const bool lit = glyphs[i].IsLit(segment);
            painter.setBrush(lit ? onColour_ : offColour_);
            painter.setPen(lit ? litPen : unlitPen);
            painter.drawPath(toField.map(SegmentOutline(glyphs[i].kind, segment)));
        }
    }
    return image;
}

void DigitField::paintEvent(QPaintEvent*) {
    ++paintCount_;
    const QImage image = Render(size());
    QPainter(this).drawImage(0, 0, image);
}

}  // namespace terrovane::panel
