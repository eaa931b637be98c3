#include "widgets/OrnProfileMenuItem.h"

#include "look/DisplayScale.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnPushButton.h"
#include "widgets/WidgetFont.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>

OrnProfileMenuItem::OrnProfileMenuItem(const QString& strText, QWidget* parent, const QStringList& images)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(look::scaled(6));

    m_pLabel = new OrnLabel(strText, this);
    m_pLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pLabel->setDarkBackground(true);
    m_pLabel->setMinimumSize(look::scaled(120), look::scaled(24));
    m_pLabel->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_pLabel, 1);
    m_pMenu = new OrnMenu(this);
    connect(m_pLabel, &OrnLabel::EnterSignal, this, &OrnProfileMenuItem::onLabelClick);
    connect(m_pMenu, &QMenu::triggered, this, &OrnProfileMenuItem::onMenuTriggered);

    for (int i = 0; i < kButtonCount; ++i) {
        auto* button = new OrnPushButton(images, this);
        button->setCheckable(true);
        button->setFixedSize(look::scaled(20), look::scaled(20));
        connect(button, &OrnPushButton::EnterSignal, this, &OrnProfileMenuItem::onButtonEnter);
        m_Buttons[i] = button;
        layout->addWidget(button);
    }

    m_pNumber = new QLineEdit(this);
    m_pNumber->setValidator(new QIntValidator(m_pNumber));
    m_pNumber->setFont(widgets::scaledLanguageFont());
    m_pNumber->setFixedWidth(look::scaled(56));
    m_pNumber->setStyleSheet(QStringLiteral(
        "QLineEdit { background-color: rgb(20,20,20); color: white; border: 1px solid rgb(80,80,80); }"));
    layout->addWidget(m_pNumber);
}

QString OrnProfileMenuItem::text() const
{
    return m_pLabel->text();
}

void OrnProfileMenuItem::setText(const QString& strText)
{
    m_pLabel->setText(strText);
}

QAction* OrnProfileMenuItem::addMenuAction(const QString& strText)
{
    auto* action = new OrnAction(strText, m_pMenu);
    m_pMenu->addAction(action);
    return action;
}

int OrnProfileMenuItem::checkedIndex() const
{
    for (int i = 0; i < kButtonCount; ++i) {
        if (m_Buttons[i]->isChecked())
            return i + 1;
    }
    return 0;
}

void OrnProfileMenuItem::setCheckedIndex(int iIndex)
{
    for (int i = 0; i < kButtonCount; ++i)
        m_Buttons[i]->setChecked(i + 1 == iIndex);
}

OrnPushButton* OrnProfileMenuItem::button(int iIndex) const
{
    return iIndex >= 0 && iIndex < kButtonCount ? m_Buttons[iIndex] : nullptr;
}

int OrnProfileMenuItem::number() const
{
    bool bOk = false;
    const int iNumber = m_pNumber->text().trimmed().toInt(&bOk, 10);
    return bOk ? iNumber : 0;
}

void OrnProfileMenuItem::setNumber(int iNumber)
{
    m_pNumber->setText(QString::number(iNumber));
}

void OrnProfileMenuItem::onButtonEnter(OrnPushButton* button)
{
    // The press toggled the button; a marked button stays marked, like a radio button.
    for (OrnPushButton* other : m_Buttons)
        other->setChecked(other == button);
    emit CheckBtnSignal(this);
}

void OrnProfileMenuItem::onMenuTriggered(QAction* action)
{
    m_pLabel->setText(action->text());
}

void OrnProfileMenuItem::onLabelClick(OrnLabel*)
{
    if (!m_pMenu->isEmpty())
        m_pMenu->popup(m_pLabel->mapToGlobal(QPoint(0, m_pLabel->height())));
}
