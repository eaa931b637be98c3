#include "widgets/OrnMessageBox.h"

#include "log/Log.h"
#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "widgets/DialogStyle.h"
#include "widgets/SkinPicture.h"
#include "widgets/WidgetFont.h"

#include <QDebug>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

OrnMessageBox::OrnMessageBox(int iKind, const QString& strText, const QString& strTitle, const QString& strText2,
                             QWidget* parent, bool bPlugInWatch, Qt::WindowFlags flags, PlugInProbe probe)
    : OrnSkinDialog(parent, flags), m_iKind(iKind), m_Probe(std::move(probe))
{
    setWindowTitle(strTitle);

    m_pIcon = new QLabel(this);
    const QPixmap warn = widgets::loadSkinPicture(QStringLiteral("/skin/warn.png"));
    if (!warn.isNull())
        m_pIcon->setPixmap(
            warn.scaled(look::scaled(32), look::scaled(32), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        m_pIcon->setText(QStringLiteral("!")); // the picture's absence is logged by the loader

    const QFont textFont = widgets::scaledFixedFont(QStringLiteral("Consolas"), 14);
    m_pInfo1 = new QLabel(strText, this);
    m_pInfo1->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    m_pInfo2 = new QLabel(strText2, this);
    m_pInfo2->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    for (QLabel* label : {m_pIcon, m_pInfo1, m_pInfo2}) {
        label->setFont(textFont);
        label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        label->setWordWrap(true);
    }
    m_pIcon->setAlignment(Qt::AlignCenter);
    m_pInfo1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pInfo2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    if (m_iKind == kKindQuestion) {
        m_pYes =
            widgets::makeDialogButton(this, QStringLiteral("msgBoxYesBtn"), uiText("Yes"), QStringLiteral(":/yes_Btn"));
        m_pNo =
            widgets::makeDialogButton(this, QStringLiteral("msgBoxNoBtn"), uiText("No"), QStringLiteral(":/no_Btn"));
        connect(m_pYes, &QToolButton::released, this, &QDialog::accept);
        connect(m_pNo, &QToolButton::released, this, &QDialog::reject);
    } else {
        m_pYes =
            widgets::makeDialogButton(this, QStringLiteral("msgBoxYesBtn"), uiText("Ok"), QStringLiteral(":/yes_Btn"));
        connect(m_pYes, &QToolButton::released, this, &QDialog::accept);
    }

    if (bPlugInWatch) {
        if (m_Probe) {
            m_pPlugInTimer = new QTimer(this);
            m_pPlugInTimer->setInterval(kPlugInWatchMs);
            connect(m_pPlugInTimer, &QTimer::timeout, this, &OrnMessageBox::GetPlugInSignal);
            m_pPlugInTimer->start();
        } else {
            qCWarning(lcUi, "OrnMessageBox: plug-in watch asked for without a probe; the box will not close by itself");
        }
    }
    layoutChildren();
}

bool OrnMessageBox::isWatching() const
{
    return m_pPlugInTimer && m_pPlugInTimer->isActive();
}

void OrnMessageBox::GetPlugInSignal()
{
    if (!m_pPlugInTimer || !m_Probe || !m_Probe())
        return;
    m_pPlugInTimer->stop();
    accept();
}

void OrnMessageBox::resizeEvent(QResizeEvent* event)
{
    OrnSkinDialog::resizeEvent(event);
    layoutChildren();
}

void OrnMessageBox::layoutChildren()
{
    const int iW = width();
    const int iH = height();
    const int iMargin = look::scaled(20);
    const int iTop = look::scaled(kTitleHeight + 12);
    const int iIcon = look::scaled(40);
    const int iTextX = iMargin + iIcon + look::scaled(12);
    const int iTextW = qMax(1, iW - iTextX - iMargin);
    const int iButtonW = look::scaled(86);
    const int iButtonH = look::scaled(26);
    const int iButtonY = iH - iButtonH - look::scaled(18);

    // Icon and texts stand in the middle of the space between title and buttons.
    const int iSpace = qMax(1, iButtonY - look::scaled(8) - iTop);
    const int iText1H = qMax(iIcon, m_pInfo1->heightForWidth(iTextW));
    const int iText2H = m_pInfo2->text().isEmpty() ? 0 : m_pInfo2->heightForWidth(iTextW) + look::scaled(4);
    const int iBlockY = iTop + qMax(0, (iSpace - iText1H - iText2H) / 2);
    m_pIcon->setGeometry(iMargin, iBlockY + (iText1H - iIcon) / 2, iIcon, iIcon);
    m_pInfo1->setGeometry(iTextX, iBlockY, iTextW, iText1H);
    m_pInfo2->setGeometry(iTextX, iBlockY + iText1H + look::scaled(4), iTextW,
                          qMax(1, iButtonY - look::scaled(8) - (iBlockY + iText1H + look::scaled(4))));
    if (m_pNo) {
        const int iGap = look::scaled(24);
        const int iLeft = (iW - 2 * iButtonW - iGap) / 2;
        widgets::placeDialogButton(m_pYes, QRect(iLeft, iButtonY, iButtonW, iButtonH));
        widgets::placeDialogButton(m_pNo, QRect(iLeft + iButtonW + iGap, iButtonY, iButtonW, iButtonH));
    } else {
        widgets::placeDialogButton(m_pYes, QRect((iW - iButtonW) / 2, iButtonY, iButtonW, iButtonH));
    }
}
