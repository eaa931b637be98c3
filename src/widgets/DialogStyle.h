#pragma once

#include <QColor>
#include <QString>

class QToolButton;
class QWidget;

namespace widgets {

// Black button, white text, 3-pixel rounded corners, an outset 1-pixel border in the theme colour.
QString dialogButtonStyleSheet(const QColor& theme);
// A tool button of the message box and the name-entry box; iconPath is a resource such as ":/yes_Btn".
QToolButton* makeDialogButton(QWidget* parent, const QString& strObjectName, const QString& strText,
                              const QString& strIconPath);

} // namespace widgets
