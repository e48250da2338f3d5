#pragma once

#include <QProxyStyle>

namespace terrovane::menu {

// Draws the pop-up items of the program's menus in the flat look (the menu bar itself keeps the
// platform look).
class MenuStyle : public QProxyStyle {
    Q_OBJECT
  public:
    MenuStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
};

}  // namespace terrovane::menu
