#pragma once

#include <QColor>
#include <QString>

class QRect;
class QToolButton;
class QWidget;

namespace widgets {

// Black button, white text, 3-pixel rounded corners, an outset 1-pixel border in the theme colour.
// iPaddingLeft < 0 keeps the default padding.
QString dialogButtonStyleSheet(const QColor& theme, int iPaddingLeft = -1);
// A tool button of the message box and the name-entry box; iconPath is a resource such as ":/yes_Btn".
QToolButton* makeDialogButton(QWidget* parent, const QString& strObjectName, const QString& strText,
                              const QString& strIconPath);

// Places the button and pads its left side so icon and text sit in the middle; the toolkit draws
// a tool button's icon and text from the left edge.
void placeDialogButton(QToolButton* button, const QRect& rect);

} // namespace widgets
