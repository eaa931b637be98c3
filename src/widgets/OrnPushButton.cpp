#include "widgets/OrnPushButton.h"

#include "look/DisplayScale.h"
#include "widgets/SkinPicture.h"
#include "widgets/WidgetFont.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

OrnPushButton::OrnPushButton(const QStringList& images, QWidget* parent, const QString& strBackground)
    : QPushButton(parent), m_strBackground(strBackground), m_TextColors{QColor(200, 200, 200), QColor(225, 225, 225),
                                                                        QColor(255, 255, 255), QColor(120, 120, 120)}
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover, true);
    setImages(images);
}

void OrnPushButton::setImages(const QStringList& images)
{
    m_Images = images;
    updateMask();
    updateGeometry();
    update();
}

void OrnPushButton::setChecked(bool bChecked)
{
    m_bChecked = bChecked;
    // A disabled button keeps its disabled picture whatever its checked state.
    if (m_bEnable)
        setImageIndex(bChecked ? kHover : kNormal);
}

void OrnPushButton::setCheckable(bool bCheckable)
{
    m_bCheckable = bCheckable;
    setImageIndex(m_bEnable ? kNormal : kDisabled);
}

void OrnPushButton::setEnabled(bool bEnable)
{
    m_bEnable = bEnable;
    if (!bEnable)
        setImageIndex(kDisabled);
    else
        setImageIndex(m_bCheckable && m_bChecked ? kHover : kNormal);
}

void OrnPushButton::setBadge(quint8 iBadge)
{
    m_iBadge = iBadge;
    update();
}

void OrnPushButton::setElideText(bool bElide)
{
    m_bElide = bElide;
    update();
}

void OrnPushButton::setTextInsets(int iLeft, int iRight)
{
    m_iInsetLeft = qMax(0, iLeft);
    m_iInsetRight = qMax(0, iRight);
    update();
}

int OrnPushButton::textRoom() const
{
    const int iWidth = width() - m_iInsetLeft - m_iInsetRight;
    const QString strBadge = badgeText(m_iBadge);
    if (strBadge.isEmpty())
        return qMax(0, iWidth);
    const int iBadge = look::scaled(4) + QFontMetrics(widgets::scaledLanguageFont()).horizontalAdvance(strBadge);
    return qMax(0, iWidth - 2 * iBadge);
}

bool OrnPushButton::isTextElided() const
{
    return m_bElide && QFontMetrics(widgets::scaledLanguageFont()).horizontalAdvance(text()) > textRoom();
}

void OrnPushButton::setMarked(bool bMarked)
{
    if (m_bMarked != bMarked) {
        m_bMarked = bMarked;
        update();
    }
}

QString OrnPushButton::badgeText(quint8 iBadge)
{
    switch (iBadge) {
    case 0:
        return QString();
    case kBadgeUp:
        return QString(QChar(0x2191)) + QStringLiteral("  ");
    case kBadgeDown:
        return QString(QChar(0x2193)) + QStringLiteral("  ");
    default:
        return QString::asprintf("%d", iBadge);
    }
}

void OrnPushButton::setTextColor(quint8 iIndex, const QColor& color)
{
    if (iIndex < m_TextColors.size()) {
        m_TextColors[iIndex] = color;
        update();
    }
}

QColor OrnPushButton::textColor(quint8 iIndex) const
{
    return iIndex < m_TextColors.size() ? m_TextColors[iIndex] : m_TextColors[kNormal];
}

QSize OrnPushButton::sizeHint() const
{
    QPixmap picture = widgets::loadSkinPicture(m_strBackground);
    if (picture.isNull())
        picture = currentPicture();
    if (picture.isNull())
        return QSize(look::scaled(80), look::scaled(24));
    return QSize(look::scaled(picture.width()), look::scaled(picture.height()));
}

void OrnPushButton::setImageIndex(quint8 iIndex)
{
    if (m_iIndex != iIndex) {
        m_iIndex = iIndex;
        update();
    }
}

QPixmap OrnPushButton::currentPicture() const
{
    if (m_Images.isEmpty())
        return QPixmap();
    // Lists shorter than four fall back to the first picture; paint dims it for the disabled state.
    const int iIndex = m_iIndex < m_Images.size() ? m_iIndex : 0;
    return widgets::loadSkinPicture(m_Images.at(iIndex));
}

void OrnPushButton::updateMask()
{
    const QPixmap first = m_Images.isEmpty() ? QPixmap() : widgets::loadSkinPicture(m_Images.first());
    if (first.isNull() || width() <= 0 || height() <= 0) {
        clearMask();
        return;
    }
    const QBitmap mask = first.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation).mask();
    if (mask.isNull())
        clearMask();
    else
        setMask(mask);
}

void OrnPushButton::resizeEvent(QResizeEvent* event)
{
    QPushButton::resizeEvent(event);
    // The mask follows the size, or a resized button would keep the outline of its old size.
    updateMask();
}

void OrnPushButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QPixmap picture = widgets::loadSkinPicture(m_strBackground);
    if (picture.isNull())
        picture = currentPicture();
    const bool bDimmed = m_iIndex == kDisabled && m_Images.size() <= kDisabled;
    if (picture.isNull()) {
        widgets::paintFallbackPanel(painter, rect(), look::scaled(3));
        if (m_iIndex == kHover || m_iIndex == kPressed)
            painter.fillRect(rect().adjusted(1, 1, -1, -1), QColor(255, 255, 255, m_iIndex == kPressed ? 40 : 20));
    } else {
        if (bDimmed)
            painter.setOpacity(0.45);
        painter.drawPixmap(rect(), picture);
        painter.setOpacity(1.0);
    }
    const QFont font = widgets::scaledLanguageFont();
    painter.setFont(font);
    painter.setPen(textColor(m_iIndex));
    if (!text().isEmpty()) {
        const QString strShown = m_bElide ? QFontMetrics(font).elidedText(text(), Qt::ElideRight, textRoom()) : text();
        painter.drawText(rect().adjusted(m_iInsetLeft, 0, -m_iInsetRight, 0), Qt::AlignCenter, strShown);
    }
    const QString strBadge = badgeText(m_iBadge);
    if (!strBadge.isEmpty())
        painter.drawText(rect().adjusted(look::scaled(4), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, strBadge);
    if (m_bMarked) {
        // Amber stands apart from every theme colour the borders and lit pictures use.
        const int iDot = qMax(4, look::scaled(7));
        const int iInset = qMax(2, look::scaled(3));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(20, 20, 20), 1));
        painter.setBrush(QColor(255, 176, 0));
        painter.drawEllipse(QRect(width() - iDot - iInset, iInset, iDot, iDot));
    }
}

bool OrnPushButton::event(QEvent* event)
{
    // An elided text shows whole in the tooltip unless the button carries a tooltip of its own.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (isTextElided())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QPushButton::event(event);
}

void OrnPushButton::enterEvent(QEvent* event)
{
    m_bEntered = true;
    emit OverSignal(this, 1);
    if (!m_bCheckable && m_bEnable && m_Images.size() >= 2)
        setImageIndex(kHover);
    QPushButton::enterEvent(event);
}

void OrnPushButton::leaveEvent(QEvent* event)
{
    // Only a leave that follows an enter ends a hover; a stray leave at show time does not.
    if (m_bEntered)
        emit OverSignal(this, 0);
    m_bEntered = false;
    if (!m_bCheckable && m_bEnable)
        setImageIndex(kNormal);
    QPushButton::leaveEvent(event);
}

void OrnPushButton::mousePressEvent(QMouseEvent* event)
{
    if (!m_bEnable)
        return;
    if (event->button() == Qt::LeftButton) {
        if (m_bCheckable) {
            m_bChecked = !m_bChecked;
            if (m_Images.size() > 2)
                setImageIndex(m_bChecked ? kPressed : kNormal);
        } else if (m_Images.size() > 2) {
            setImageIndex(kPressed);
        }
        emit EnterSignal(this);
    }
    QPushButton::mousePressEvent(event);
    // A drop-down menu runs inside the press and swallows the release; leave the pressed look.
    if (menu() && !m_bCheckable && event->button() == Qt::LeftButton)
        setImageIndex(underMouse() && m_Images.size() >= 2 ? kHover : kNormal);
}

void OrnPushButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_bEnable)
        return;
    if (!m_bCheckable && event->button() == Qt::LeftButton)
        setImageIndex(rect().contains(event->pos()) && m_Images.size() >= 2 ? kHover : kNormal);
    QPushButton::mouseReleaseEvent(event);
}

void OrnPushButton::keyPressEvent(QKeyEvent* event)
{
    if (!m_bEnable) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void OrnPushButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!m_bEnable) {
        event->ignore();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}
