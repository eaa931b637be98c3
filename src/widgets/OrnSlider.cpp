#include "widgets/OrnSlider.h"

#include "look/DisplayScale.h"
#include "widgets/OrnLabel.h"
#include "widgets/WidgetFont.h"

#include <QMouseEvent>
#include <QStyleOptionSlider>

OrnSlider::OrnSlider(QWidget* parent) : OrnSlider(Qt::Horizontal, parent) {}

OrnSlider::OrnSlider(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent)
{
    const QColor theme = widgets::themeColor();
    const QString strTheme = QStringLiteral("rgb(%1,%2,%3)").arg(theme.red()).arg(theme.green()).arg(theme.blue());
    const int iGroove = qMax(2, look::scaled(4));
    const int iHandle = look::scaled(14);
    setStyleSheet(QStringLiteral("QSlider { background-color: rgba(0,0,0,0); }"
                                 " QSlider::groove:horizontal { height: %2px; background: rgb(70,70,70);"
                                 " border-radius: %3px; }"
                                 " QSlider::groove:vertical { width: %2px; background: rgb(70,70,70);"
                                 " border-radius: %3px; }"
                                 " QSlider::sub-page:horizontal { background: %1; border-radius: %3px; }"
                                 " QSlider::add-page:vertical { background: %1; border-radius: %3px; }"
                                 " QSlider::handle:horizontal { width: %4px; margin: -%5px 0; background: %1;"
                                 " border: 1px solid rgb(20,20,20); border-radius: %6px; }"
                                 " QSlider::handle:vertical { height: %4px; margin: 0 -%5px; background: %1;"
                                 " border: 1px solid rgb(20,20,20); border-radius: %6px; }")
                      .arg(strTheme)
                      .arg(iGroove)
                      .arg(iGroove / 2)
                      .arg(iHandle)
                      .arg((iHandle - iGroove) / 2)
                      .arg(iHandle / 2));
    m_pBubble = new OrnLabel(parent);
    m_pBubble->setAlignment(Qt::AlignCenter);
    m_pBubble->setDarkBackground(true);
    m_pBubble->setSizeReduction(1);
    m_pBubble->setBorderColor(theme);
    m_pBubble->hide();
}

OrnSlider::~OrnSlider()
{
    delete m_pBubble.data();
}

void OrnSlider::setBubbleEnabled(bool bEnable)
{
    m_bBubble = bEnable;
    if (!bEnable && m_pBubble)
        m_pBubble->hide();
}

int OrnSlider::bubbleCentreX(int iValue) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int iSpan = maximum() - minimum();
    if (iSpan <= 0)
        return handle.width() / 2;
    const int iTravel = width() - handle.width();
    const qint64 iOffset = static_cast<qint64>(qBound(minimum(), iValue, maximum()) - minimum()) * iTravel / iSpan;
    return static_cast<int>(iOffset) + handle.width() / 2;
}

void OrnSlider::showBubble()
{
    QWidget* host = window();
    if (host == this || !m_pBubble)
        return; // a free-standing slider has nowhere to float the bubble
    if (m_pBubble->parentWidget() != host)
        m_pBubble->setParent(host);
    m_pBubble->setNum(value());
    placeBubble();
    m_pBubble->show();
    m_pBubble->raise();
}

void OrnSlider::placeBubble()
{
    const QSize size(look::scaled(36), look::scaled(20));
    const QPoint centre(bubbleCentreX(value()), 0);
    const QPoint topLeft = mapTo(m_pBubble->parentWidget(), centre) - QPoint(size.width() / 2, size.height() + 2);
    m_pBubble->setGeometry(QRect(topLeft, size));
}

void OrnSlider::mousePressEvent(QMouseEvent* event)
{
    QSlider::mousePressEvent(event);
    m_bDragging = true;
    if (m_bBubble)
        showBubble();
}

void OrnSlider::mouseMoveEvent(QMouseEvent* event)
{
    QSlider::mouseMoveEvent(event);
    if (m_bDragging && m_bBubble && m_pBubble && m_pBubble->isVisible()) {
        m_pBubble->setNum(value());
        placeBubble();
    }
}

void OrnSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    m_bDragging = false;
    // The bubble belongs to the drag; left standing it would cover the panel.
    if (m_pBubble)
        m_pBubble->hide();
    emit MouseChange();
}
