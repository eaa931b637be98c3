#include "widgets/OrnLabel.h"

#include "widgets/WidgetFont.h"

#include <QPainter>

OrnLabel::OrnLabel(QWidget* parent) : OrnLabel(QString(), parent) {}

OrnLabel::OrnLabel(const QString& strText, QWidget* parent) : QLabel(parent), m_strText(strText)
{
    // Light text on the dark skin unless a style sheet or palette says otherwise.
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(220, 220, 220));
    setPalette(pal);
}

void OrnLabel::setText(const QString& strText)
{
    m_strText = strText;
    update();
}

void OrnLabel::setNum(int iNumber)
{
    setText(QString::asprintf("%d", iNumber));
}

void OrnLabel::setFixedPixelSize(int iPixel)
{
    m_iFixedPixel = iPixel > 0 ? iPixel : 0;
    update();
}

void OrnLabel::setSizeReduction(int iReduce)
{
    m_iReduce = iReduce;
    update();
}

void OrnLabel::setDarkBackground(bool bDark)
{
    m_bDark = bDark;
    update();
}

void OrnLabel::setBorderColor(const QColor& color)
{
    m_BorderColor = color;
    update();
}

QFont OrnLabel::paintFont() const
{
    return widgets::scaledLanguageFont(m_iFixedPixel, m_iReduce);
}

void OrnLabel::paintEvent(QPaintEvent* event)
{
    if (m_bDark) {
        QPainter background(this);
        background.fillRect(rect(), QColor(30, 30, 30));
    }
    QLabel::paintEvent(event);
    QPainter painter(this);
    if (m_BorderColor.isValid()) {
        painter.setPen(m_BorderColor);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (m_strText.isEmpty())
        return;
    painter.setFont(paintFont());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), m_strText);
}

void OrnLabel::mousePressEvent(QMouseEvent* event)
{
    emit EnterSignal(this);
    QLabel::mousePressEvent(event);
}
