#include "widgets/OrnAction.h"

#include "widgets/WidgetFont.h"

OrnAction::OrnAction(QObject* parent) : QAction(parent)
{
    setFont(widgets::scaledLanguageFont());
}

OrnAction::OrnAction(const QString& strText, QObject* parent) : QAction(strText, parent)
{
    setFont(widgets::scaledLanguageFont());
}

void OrnAction::setText(const QString& strText)
{
    setFont(widgets::scaledLanguageFont());
    QAction::setText(strText);
}
