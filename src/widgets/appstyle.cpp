#include "widgets/appstyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>

namespace quib {

AppStyle::AppStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void AppStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                  const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control != CC_ScrollBar || !(option->subControls & SC_ScrollBarSlider))
        return;
    const QRect thumb = subControlRect(control, option, SC_ScrollBarSlider, widget);
    if (!thumb.isValid() || !(option->state & State_Enabled))
        return;
    const bool held = (option->activeSubControls & SC_ScrollBarSlider) && (option->state & State_Sunken);
    const QPalette &pal = option->palette;
    painter->save();
    painter->setPen(pal.color(QPalette::Dark));
    painter->setBrush(held ? pal.color(QPalette::Dark) : pal.color(QPalette::Mid));
    painter->drawRect(thumb.adjusted(1, 1, -2, -2));
    painter->restore();
}

void useappstyle(QApplication &app)
{
    app.setStyle(new AppStyle);
}

} // namespace quib
