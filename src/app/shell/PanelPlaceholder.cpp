#include "app/shell/PanelPlaceholder.h"

#include "app/look/DisplayScale.h"
#include "app/look/Language.h"
#include "app/look/ThemeColor.h"
#include "app/look/UiText.h"

#include <QPainter>

PanelPlaceholder::PanelPlaceholder(const char* sourceTitle, QWidget* parent)
    : QWidget(parent), m_pSourceTitle(sourceTitle)
{
}

void PanelPlaceholder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(70, 70, 74), 1));
    painter.setBrush(QColor(20, 20, 22, 200));
    painter.drawRoundedRect(frame, 6, 6);

    QFont font = look::languageFont();
    font.setPixelSize(qMax(10, look::scaled(16)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(look::currentThemeColor());
    painter.drawText(rect().adjusted(0, 0, 0, -look::scaled(30)), Qt::AlignCenter, uiText(m_pSourceTitle));
    font.setBold(false);
    font.setPixelSize(qMax(9, look::scaled(13)));
    painter.setFont(font);
    painter.setPen(QColor(170, 170, 170));
    painter.drawText(rect().adjusted(0, look::scaled(30), 0, 0), Qt::AlignCenter,
                     uiText("Not available in this version."));
}
