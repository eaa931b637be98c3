#include "widgets/OrnLineEdit.h"

#include "widgets/WidgetFont.h"

OrnLineEdit::OrnLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setFont(widgets::scaledLanguageFont());
}

void OrnLineEdit::focusOutEvent(QFocusEvent* event)
{
    emit ornLostFocus();
    QLineEdit::focusOutEvent(event);
}
