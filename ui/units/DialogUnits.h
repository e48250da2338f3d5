#pragma once

#include <QFont>
#include <QRect>

namespace terrovane::units {

// Converts layouts given in dialog units into pixels with the dialog font's metrics:
// horizontal unit = average character width / 4, vertical unit = character height / 8.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int averageCharWidth, int charHeight) : baseX_(averageCharWidth), baseY_(charHeight) {}

    int X(int units) const { return (units * baseX_ + 2) / 4; }
    int Y(int units) const { return (units * baseY_ + 4) / 8; }
    QRect Rect(int x, int y, int width, int height) const { return QRect(X(x), Y(y), X(width), Y(height)); }

  private:
    int baseX_;
    int baseY_;
};

// The dialogs' font: a Song-style CJK face at 9 points, falling back to the installed CJK fonts.
QFont DialogFont();

}  // namespace terrovane::units
