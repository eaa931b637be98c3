#include "editors/ui/HColorArea.h"

#include "look/DisplayScale.h"
#include "editors/core/HsvColor.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

HColorArea::HColorArea(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    applyScale();
}

void HColorArea::applyScale()
{
    m_iHeight = look::scaled(128);
    setFixedSize(look::scaled(kBaseStripWidth + kBaseMarkerWidth + 2), m_iHeight + 2 * kHueStripMargin);
    buildStrip();
    update();
}

void HColorArea::buildStrip()
{
    const int iWidth = look::scaled(kBaseStripWidth);
    m_Strip = QPixmap(iWidth, m_iHeight);
    QPainter painter(&m_Strip);
    QLinearGradient gradient(0, 0, 0, m_iHeight);
    // Stops every 30 degrees; 360 at the top.
    for (int iHue = 0; iHue <= 360; iHue += 30) {
        const Rgb8 rgb = hsvToRgb(Hsv{iHue % 360, 255, 255});
        gradient.setColorAt(1.0 - iHue / 360.0, QColor(rgb.r, rgb.g, rgb.b));
    }
    painter.fillRect(m_Strip.rect(), gradient);
}

void HColorArea::setHue(int iHue)
{
    m_iHue = qBound(0, iHue, 360);
    update();
}

void HColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, kHueStripMargin, m_Strip);
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(QRect(0, kHueStripMargin, m_Strip.width() - 1, m_iHeight - 1));
    const int iY = stripYFromHue(m_iHue, m_iHeight);
    const int iLeft = m_Strip.width() + 1;
    const int iSize = look::scaled(kBaseMarkerWidth);
    const QPolygon triangle(
        {QPoint(iLeft, iY), QPoint(iLeft + iSize, iY - iSize / 2), QPoint(iLeft + iSize, iY + iSize / 2)});
    painter.setPen(QColor(30, 30, 30));
    painter.setBrush(QColor(235, 235, 235));
    painter.drawPolygon(triangle);
}

void HColorArea::pickAt(double dY)
{
    m_iHue = hueFromStripY(dY, m_iHeight);
    update();
    emit hueChangedSignal(m_iHue);
}

void HColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pickAt(event->localPos().y());
}

void HColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        pickAt(event->localPos().y());
}

void HColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseReleaseSignal();
}
