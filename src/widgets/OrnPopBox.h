#pragma once

#include "widgets/OrnSkinDialog.h"

class OrnLineEdit;
class QLabel;
class QToolButton;

// Frameless name-entry box: a prompt, a line edit and "Yes" / "No". The caller reads name()
// after exec().
class OrnPopBox : public OrnSkinDialog
{
    Q_OBJECT
public:
    explicit OrnPopBox(const QString& strPrompt, QWidget* parent = nullptr,
                       Qt::WindowFlags flags = Qt::FramelessWindowHint);

    QString name() const { return m_strName; }
    OrnLineEdit* lineEdit() const { return m_pEdit; }

public slots:
    void NameChanged(const QString& strName);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutChildren();

    QString m_strName;
    QLabel* m_pPrompt = nullptr;
    OrnLineEdit* m_pEdit = nullptr;
    QToolButton* m_pYes = nullptr;
    QToolButton* m_pNo = nullptr;
};
