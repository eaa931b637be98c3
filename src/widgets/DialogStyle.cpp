#include "widgets/DialogStyle.h"

#include "look/DisplayScale.h"
#include "widgets/WidgetFont.h"

#include <QFontMetrics>
#include <QIcon>
#include <QToolButton>

// Outside any namespace, as the resource initialiser requires; it keeps the static library's
// pictures from being dropped by the linker.
static void initWidgetResources()
{
    Q_INIT_RESOURCE(widgets);
}

namespace widgets {

QString dialogButtonStyleSheet(const QColor& theme, int iPaddingLeft)
{
    const QString strPadding = iPaddingLeft < 0
                                   ? QStringLiteral("padding: 0px %1px;").arg(look::scaled(6))
                                   : QStringLiteral("padding-left: %1px; padding-right: 0px;").arg(iPaddingLeft);
    return QStringLiteral("QToolButton { background-color: black; color: white; border-radius: 3px;"
                          " border: 1px outset rgb(%1,%2,%3); %4 }"
                          " QToolButton:hover { background-color: rgb(35,35,35); }"
                          " QToolButton:pressed { background-color: rgb(60,60,60); border-style: inset; }")
        .arg(theme.red())
        .arg(theme.green())
        .arg(theme.blue())
        .arg(strPadding);
}

QToolButton* makeDialogButton(QWidget* parent, const QString& strObjectName, const QString& strText,
                              const QString& strIconPath)
{
    initWidgetResources();
    auto* button = new QToolButton(parent);
    button->setObjectName(strObjectName);
    button->setText(strText);
    const QIcon icon(strIconPath);
    if (!icon.isNull()) {
        button->setIcon(icon);
        button->setIconSize(QSize(look::scaled(14), look::scaled(14)));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    button->setFont(scaledLanguageFont());
    button->setStyleSheet(dialogButtonStyleSheet(themeColor()));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void placeDialogButton(QToolButton* button, const QRect& rect)
{
    button->setGeometry(rect);
    const bool bIcon = !button->icon().isNull();
    const int iContent =
        QFontMetrics(button->font()).horizontalAdvance(button->text()) + (bIcon ? button->iconSize().width() + 4 : 0);
    const int iPadding = qMax(0, (rect.width() - iContent) / 2 - 1);
    button->setStyleSheet(dialogButtonStyleSheet(themeColor(), iPadding));
}

} // namespace widgets
