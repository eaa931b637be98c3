#include "editors/ui/OrnReportRate.h"

#include "editors/core/ReportRate.h"
#include "editors/ui/EditorLook.h"
#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnPushButton.h"

OrnReportRate::OrnReportRate(QWidget* parent, ProfileData* pProfile)
    : QWidget(parent), m_pProfile(pProfile), m_pTitle(new OrnLabel(this)),
      m_pRateButton(new OrnPushButton(
          {QStringLiteral("/skin/rate.png"), QStringLiteral("/skin/rate.png"), QStringLiteral("/skin/rate.png")},
          this)),
      m_pMenu(new OrnMenu(this))
{
    setStyleSheet(editors::panelStyleSheet(this));
    setAttribute(Qt::WA_StyledBackground, true);
    m_pTitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (size_t i = 0; i < m_Actions.size(); ++i) {
        m_Actions[i] = new OrnAction(m_pMenu);
        m_Actions[i]->setData(rateMenuCodes()[i]);
        m_pMenu->addAction(m_Actions[i]);
        connect(m_Actions[i], &QAction::triggered, this, &OrnReportRate::onRateChosen);
    }
    m_pRateButton->setMenu(m_pMenu);
    retranslateUi();
    applyScale();
}

void OrnReportRate::applyScale()
{
    auto s = [](int iPixels) { return look::scaled(iPixels); };
    setFixedSize(s(kBaseWidth), s(kBaseHeight));
    m_pTitle->setGeometry(s(15), s(8), s(160), s(24));
    m_pRateButton->setGeometry(s(15), s(44), s(150), s(30));
    m_pMenu->setFixedWidth(s(150));
    m_pMenu->refreshLook();
}

void OrnReportRate::retranslateUi()
{
    m_pTitle->setText(uiText("REPORT RATE"));
    for (OrnAction* action : m_Actions)
        action->setText(uiText(rateText(action->data().toInt())));
    showRate();
}

void OrnReportRate::setProfile(ProfileData* pProfile)
{
    m_pProfile = pProfile;
    showRate();
}

void OrnReportRate::showRate()
{
    // A code outside the table leaves the label as it was.
    if (const char* text = rateText(m_pProfile->pollrate))
        m_pRateButton->setText(uiText(text));
}

QString OrnReportRate::rateButtonText() const
{
    return m_pRateButton->text();
}

QAction* OrnReportRate::actionForCode(int iCode) const
{
    for (OrnAction* action : m_Actions) {
        if (action->data().toInt() == iCode)
            return action;
    }
    return nullptr;
}

void OrnReportRate::onRateChosen()
{
    for (OrnAction* action : m_Actions) {
        if (action == sender()) {
            m_pProfile->pollrate = static_cast<quint8>(action->data().toInt());
            showRate();
            return;
        }
    }
}
