#include "editors/ui/PreviewColorArea.h"

#include "editors/core/HsvColor.h"

#include <QPainter>

PreviewColorArea::PreviewColorArea(QWidget* parent) : QWidget(parent) {}

void PreviewColorArea::setColor(const QColor& color)
{
    m_Color = QColor(color.red(), color.green(), color.blue(), 255);
    update();
}

void PreviewColorArea::svChangedSlot(int iHue, int iS, int iV)
{
    const Rgb8 rgb = hsvToRgb(Hsv{iHue >= 360 ? 0 : iHue, iS, iV});
    setColor(QColor(rgb.r, rgb.g, rgb.b));
    emit svChangedSignal(iHue, iS, iV);
}

void PreviewColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(m_Color);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
