#include "widgets/OrnMenu.h"

#include "widgets/MenuStyle.h"
#include "widgets/WidgetFont.h"

OrnMenu::OrnMenu(QWidget* parent) : OrnMenu(QString(), parent) {}

OrnMenu::OrnMenu(const QString& strText, QWidget* parent) : QMenu(parent), m_strText(strText)
{
    refreshLook();
    // Before the menu lays itself out, so a language or theme switch made meanwhile is picked up.
    connect(this, &QMenu::aboutToShow, this, &OrnMenu::refreshLook);
}

void OrnMenu::refreshLook()
{
    setFont(widgets::scaledLanguageFont());
    const QString strStyle = widgets::menuStyleSheet();
    if (styleSheet() != strStyle)
        setStyleSheet(strStyle);
}
