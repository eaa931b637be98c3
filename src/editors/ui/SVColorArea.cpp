#include "editors/ui/SVColorArea.h"

#include "look/DisplayScale.h"
#include "editors/core/HsvColor.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

SVColorArea::SVColorArea(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    applyScale();
}

int SVColorArea::margin() const
{
    return look::scaled(6);
}

void SVColorArea::applyScale()
{
    m_iSide = look::scaled(128);
    setFixedSize(m_iSide + 2 * margin(), m_iSide + 2 * margin());
    placeMarker();
    buildPicture();
    update();
}

void SVColorArea::buildPicture()
{
    m_Picture = QPixmap(m_iSide, m_iSide);
    QPainter painter(&m_Picture);
    const Rgb8 pure = hsvToRgb(Hsv{m_iHue, 255, 255});
    QLinearGradient across(0, 0, m_iSide, 0);
    across.setColorAt(0.0, QColor(QStringLiteral("#ffffff")));
    across.setColorAt(1.0, QColor(pure.r, pure.g, pure.b));
    painter.fillRect(m_Picture.rect(), across);
    QLinearGradient down(0, 0, 0, m_iSide);
    down.setColorAt(0.0, QColor(0, 0, 0, 0));
    down.setColorAt(1.0, QColor(0, 0, 0, 255));
    painter.fillRect(m_Picture.rect(), down);
}

void SVColorArea::placeMarker()
{
    squarePointFromSv(m_iS, m_iV, m_iSide, m_iMarkerX, m_iMarkerY);
}

void SVColorArea::setHue(int iHue)
{
    const int iNew = (iHue >= 360 || iHue < 0) ? 0 : iHue;
    if (iNew == m_iHue && !m_Picture.isNull())
        return;
    m_iHue = iNew;
    buildPicture();
    update();
}

void SVColorArea::setValue(int iV)
{
    m_iV = qBound(0, iV, 255);
    placeMarker();
    update();
}

void SVColorArea::setHsv(int iHue, int iS, int iV)
{
    setHue(iHue);
    m_iS = qBound(0, iS, 255);
    m_iV = qBound(0, iV, 255);
    placeMarker();
    update();
}

void SVColorArea::setColor(const QColor& color)
{
    const Hsv hsv = rgbToHsv(Rgb8{color.red(), color.green(), color.blue()}, m_iHue);
    setHsv(hsv.h, hsv.s, hsv.v);
}

void SVColorArea::hueChangedSlot(int iHue)
{
    setHue(iHue);
    emit svChangedSignal(iHue, m_iS, m_iV);
}

void SVColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int iMargin = margin();
    painter.drawPixmap(iMargin, iMargin, m_Picture);
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(QRect(iMargin - 1, iMargin - 1, m_iSide + 1, m_iSide + 1));
    // Light ring on dark colours, dark ring on light ones.
    const int iRadius = look::scaled(5);
    const QPoint centre(iMargin + m_iMarkerX, iMargin + m_iMarkerY);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(m_iV > 150 && m_iS < 100 ? QColor(20, 20, 20) : QColor(240, 240, 240), 2));
    painter.drawEllipse(centre, iRadius, iRadius);
}

void SVColorArea::pickAt(const QPointF& point)
{
    const int iMargin = margin();
    svFromSquarePoint(point.x() - iMargin, point.y() - iMargin, m_iSide, m_iS, m_iV);
    placeMarker();
    update();
    emit svChangedSignal(m_iHue, m_iS, m_iV);
}

void SVColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pickAt(event->localPos());
}

void SVColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        pickAt(event->localPos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseReleaseSignal();
}
