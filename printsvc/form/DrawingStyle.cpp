#include "DrawingStyle.h"

#include <QColor>

#include "TextAttributes.h"

namespace terrovane::form {

QBrush FillBrush(int fillCode) {
    if (fillCode & 1)
        return QBrush(QColor(128, 128, 128));
    if (fillCode & 2)
        return QBrush(QColor(192, 192, 192));
    if (fillCode & 4)
        return QBrush(QColor(64, 64, 64));
    if (fillCode & 8)
        return QBrush(Qt::black);
    return QBrush(Qt::NoBrush);
}

bool FillWantsTransparentText(int fillCode) {
    return (fillCode & (2 | 4 | 8)) != 0;
}

bool FillWantsWhiteText(int fillCode) {
    return (fillCode & (4 | 8)) != 0;
}

Qt::PenStyle LinePenStyle(int lineStyle) {
    if (lineStyle & 2)
        return Qt::DashLine;
    if (lineStyle & 1)
        return Qt::DotLine;
    return Qt::SolidLine;
}

int TextFlags(int attributes) {
    int flags = Qt::AlignLeft;
    if (attributes & kCentred) {
        flags = Qt::AlignHCenter;
    } else if (attributes & kRightAligned) {
        flags = Qt::AlignRight;
    }
    const bool singleLine = (attributes & kSingleLine) != 0;
    flags |= singleLine ? Qt::TextSingleLine : Qt::TextWordWrap;
    flags |= (singleLine && (attributes & kVerticallyCentred)) ? Qt::AlignVCenter : Qt::AlignTop;
    if (attributes & kExpandTabs)
        flags |= Qt::TextExpandTabs;
    if (attributes & kNoClip)
        flags |= Qt::TextDontClip;
    return flags;
}

int FontPixelHeight(int pointSize, int dpiY) {
    const long long product = static_cast<long long>(pointSize) * dpiY;
    return static_cast<int>((product + 36) / 72);
}

QFont MakeFont(const std::string& face, int pointSize, int dpiY, int attributes) {
    QFont font(QString::fromStdString(face));
    font.setPixelSize(std::max(1, FontPixelHeight(pointSize, dpiY)));
    font.setWeight((attributes & kBold) ? QFont::Bold : QFont::Normal);
    font.setItalic(attributes & kItalic);
    font.setUnderline(attributes & kUnderline);
    font.setStrikeOut(attributes & kStrikeOut);
    return font;
}

}  // namespace terrovane::form
