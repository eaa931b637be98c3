#include "editors/ui/DefaultColorArea.h"
#include "log/Log.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>

DefaultColorArea::DefaultColorArea(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void DefaultColorArea::setColor(const QColor& color)
{
    m_Color = color;
    update();
}

void DefaultColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(m_Color);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DefaultColorArea::mousePressEvent(QMouseEvent* event)
{
    qCDebug(lcUi, "DefaultColorArea mousePressEvent");
    if (event->button() == Qt::LeftButton)
        emit ClickedSignal();
    QWidget::mousePressEvent(event);
}
