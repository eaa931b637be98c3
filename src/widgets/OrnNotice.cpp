#include "widgets/OrnNotice.h"

#include "look/DisplayScale.h"
#include "widgets/WidgetFont.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTimer>

namespace {
// A tick in front of the text says "done" in every language.
const QString kTick = QStringLiteral("\u2713  ");
} // namespace

OrnNotice::OrnNotice(QWidget* parent) : QWidget(parent), m_pTimer(new QTimer(this))
{
    m_pTimer->setSingleShot(true);
    connect(m_pTimer, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void OrnNotice::popUp(const QString& strText, const QRect& anchor, int iMs)
{
    m_strText = strText;
    const QFontMetrics metrics(widgets::scaledLanguageFont());
    const int iWidth = metrics.horizontalAdvance(kTick + strText) + look::scaled(32);
    const int iHeight = metrics.height() + look::scaled(14);
    int iX = anchor.center().x() - iWidth / 2;
    if (parentWidget())
        iX = qBound(0, iX, qMax(0, parentWidget()->width() - iWidth));
    setGeometry(iX, anchor.top() - iHeight - look::scaled(6), iWidth, iHeight);
    show();
    raise();
    update();
    m_pTimer->start(iMs);
}

void OrnNotice::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor theme = widgets::themeColor();
    painter.setPen(QPen(theme, 1));
    painter.setBrush(QColor(24, 24, 26, 235));
    const int iRadius = look::scaled(4);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), iRadius, iRadius);
    painter.setFont(widgets::scaledLanguageFont());
    const QFontMetrics metrics(painter.font());
    const int iTextWidth = metrics.horizontalAdvance(kTick + m_strText);
    const QRect text((width() - iTextWidth) / 2, 0, iTextWidth, height());
    painter.setPen(theme);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, kTick);
    painter.setPen(QColor(235, 235, 235));
    painter.drawText(text.adjusted(metrics.horizontalAdvance(kTick), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     m_strText);
}

void OrnNotice::mousePressEvent(QMouseEvent*)
{
    m_pTimer->stop();
    hide();
}
