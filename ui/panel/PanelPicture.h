#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace terrovane::panel {

// The display's background colour: the greenish grey of the instrument's LCD.
inline constexpr QColor kPanelColour{173, 211, 193};

// The picture shown while the instrument is attached and idle.
inline constexpr int kIdlePictureBitmap = 220;

// Draws one of the display's bitmaps (a unit, letter, mode label or mark) as a black figure filling
// `rect`; the background is left to the caller. Unknown ids draw nothing.
void DrawPanelPicture(QPainter& painter, int bitmapId, const QRectF& rect);

// A static picture control showing one bitmap over whatever lies beneath (the display's chart).
class PictureControl : public QWidget {
    Q_OBJECT
  public:
    // An opaque control paints the panel colour first and so covers what lies beneath.
    PictureControl(int bitmapId, QWidget* parent, bool opaque = false);
    int BitmapId() const { return bitmapId_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int bitmapId_;
    bool opaque_;
};

}  // namespace terrovane::panel
