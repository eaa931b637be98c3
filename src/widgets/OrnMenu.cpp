#include "widgets/OrnMenu.h"

#include "widgets/MenuStyle.h"
#include "widgets/WidgetFont.h"

#include "look/DisplayScale.h"

#include <QPaintEvent>
#include <QPainter>

OrnMenu::OrnMenu(QWidget* parent) : OrnMenu(QString(), parent) {}

OrnMenu::OrnMenu(const QString& strText, QWidget* parent) : QMenu(parent), m_strText(strText)
{
    refreshLook();
    // Before the menu lays itself out, so a language or theme switch made meanwhile is picked up.
    connect(this, &QMenu::aboutToShow, this, &OrnMenu::refreshLook);
}

void OrnMenu::refreshLook()
{
    // The entries' fonts too: an action made before a scale or language change keeps its old size, and the
    // menu measures its rows with it.
    const QFont font = widgets::scaledLanguageFont();
    setFont(font);
    for (QAction* action : actions())
        action->setFont(font);
    const QString strStyle = widgets::menuStyleSheet();
    if (styleSheet() != strStyle)
        setStyleSheet(strStyle);
}

void OrnMenu::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(50, 50, 50));
    painter.setPen(QColor(80, 80, 80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QColor theme = widgets::themeColor();
    const int iMark = qMax(1, look::scaled(2));
    for (QAction* action : actions()) {
        const QRect row = actionGeometry(action);
        if (!action->isVisible() || !row.isValid() || !event->rect().intersects(row))
            continue;
        if (action->isSeparator()) {
            painter.fillRect(QRect(row.left(), row.center().y(), row.width(), 1), QColor(90, 90, 90));
            continue;
        }
        const bool bActive = action == activeAction() && action->isEnabled();
        if (bActive) {
            painter.fillRect(row, QColor(70, 70, 70));
            painter.fillRect(QRect(row.left(), row.top(), iMark, row.height()), theme);
        }
        painter.setFont(action->font().resolve(font()));
        painter.setPen(!action->isEnabled() ? QColor(110, 110, 110) : bActive ? theme : QColor(220, 220, 220));
        // Room for the submenu arrow on both sides keeps the text in the middle.
        const int iArrow = action->menu() ? look::scaled(14) : look::scaled(6);
        const QRect textRect = row.adjusted(iArrow, 0, -iArrow, 0);
        QString text = action->text();
        text.remove(QLatin1Char('&'));
        painter.drawText(textRect, Qt::AlignCenter,
                         painter.fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
        if (action->menu())
            painter.drawText(row.adjusted(0, 0, -look::scaled(6), 0), Qt::AlignRight | Qt::AlignVCenter,
                             QStringLiteral("\u203A"));
    }
}
