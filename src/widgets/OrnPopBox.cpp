#include "widgets/OrnPopBox.h"

#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "widgets/DialogStyle.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/WidgetFont.h"

#include <QLabel>
#include <QToolButton>

OrnPopBox::OrnPopBox(const QString& strPrompt, QWidget* parent, Qt::WindowFlags flags) : OrnSkinDialog(parent, flags)
{
    m_pPrompt = new QLabel(strPrompt, this);
    m_pPrompt->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    m_pPrompt->setFont(widgets::scaledLanguageFont());
    m_pPrompt->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    m_pPrompt->setWordWrap(true);
    m_pPrompt->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    m_pEdit = new OrnLineEdit(this);
    m_pEdit->setObjectName(QStringLiteral("popBoxNameEdit"));
    const QColor theme = widgets::themeColor();
    m_pEdit->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(20,20,20); color: white;"
                                          " border: 1px solid rgb(%1,%2,%3); border-radius: 3px; padding: 0 4px; }")
                               .arg(theme.red())
                               .arg(theme.green())
                               .arg(theme.blue()));
    connect(m_pEdit, &QLineEdit::textChanged, this, &OrnPopBox::NameChanged);

    m_pYes =
        widgets::makeDialogButton(this, QStringLiteral("msgBoxYesBtn"), uiText("Yes"), QStringLiteral(":/yes_Btn"));
    m_pNo = widgets::makeDialogButton(this, QStringLiteral("msgBoxNoBtn"), uiText("No"), QStringLiteral(":/no_Btn"));
    connect(m_pYes, &QToolButton::released, this, &QDialog::accept);
    connect(m_pNo, &QToolButton::released, this, &QDialog::reject);
    m_pEdit->setFocus();
    layoutChildren();
}

void OrnPopBox::NameChanged(const QString& strName)
{
    m_strName = strName;
}

void OrnPopBox::resizeEvent(QResizeEvent* event)
{
    OrnSkinDialog::resizeEvent(event);
    layoutChildren();
}

void OrnPopBox::layoutChildren()
{
    const int iW = width();
    const int iH = height();
    const int iMargin = look::scaled(24);
    const int iTop = look::scaled(kTitleHeight + 10);
    const int iButtonW = look::scaled(86);
    const int iButtonH = look::scaled(26);
    const int iButtonY = iH - iButtonH - look::scaled(18);
    const int iEditH = look::scaled(26);
    const int iSpacing = look::scaled(6);
    // Prompt and field stand together in the middle of the space between title and buttons.
    const int iSpace = qMax(1, iButtonY - look::scaled(8) - iTop);
    const int iPromptH = qMax(1, qMin(iSpace - iEditH - iSpacing, look::scaled(48)));
    const int iPromptY = iTop + qMax(0, (iSpace - iPromptH - iSpacing - iEditH) / 2);
    const int iEditY = iPromptY + iPromptH + iSpacing;
    m_pPrompt->setGeometry(iMargin, iPromptY, qMax(1, iW - 2 * iMargin), iPromptH);
    m_pEdit->setGeometry(iMargin, iEditY, qMax(1, iW - 2 * iMargin), iEditH);
    const int iGap = look::scaled(24);
    const int iLeft = (iW - 2 * iButtonW - iGap) / 2;
    widgets::placeDialogButton(m_pYes, QRect(iLeft, iButtonY, iButtonW, iButtonH));
    widgets::placeDialogButton(m_pNo, QRect(iLeft + iButtonW + iGap, iButtonY, iButtonW, iButtonH));
}
