#pragma once

#include <QLineEdit>

// A line edit that tells its owner when it loses the focus, e.g. to close an in-place editor.
class OrnLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit OrnLineEdit(QWidget* parent = nullptr);

signals:
    void ornLostFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
