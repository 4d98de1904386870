#pragma once
// The look of every window of the program, set once for the whole
// application before the first window opens.
//
// It is Qt's Fusion style with one change: a scroll bar's thumb is drawn
// darker than its groove. Fusion draws the thumb lighter than the groove, so
// wherever the content is only a little larger than its view (the key
// reference, a zoomed map or level, the object-set lists) the long light thumb
// reads as the groove, and the short darker rest of the groove as a thumb at
// the far end that moves against the content.
#include <QProxyStyle>

class QApplication;

namespace quib {

class AppStyle : public QProxyStyle {
public:
    AppStyle();
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};

// Makes AppStyle the style of every widget of `app`.
void useappstyle(QApplication &app);

} // namespace quib
