#include "editors/ui/OrnDPIWindow.h"

#include "editors/core/DpiStageRules.h"
#include "editors/ui/OrnSingleDPI.h"
#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "widgets/OrnLabel.h"
#include "widgets/WidgetFont.h"

#include <QButtonGroup>
#include <QDebug>

#include <climits>

OrnDPIWindow::OrnDPIWindow(QWidget* parent, ProfileData* pProfile)
    : QWidget(parent), m_pProfile(pProfile), m_pButtonGroup(new QButtonGroup(this)),
      m_pTitle(new OrnLabel(this)), m_StageImages{QStringLiteral("/skin/DPI-OFF.png"),
                                                  QStringLiteral("/skin/DPI-ON.png"),
                                                  QStringLiteral("/skin/DPI-ON.png")}
{
    m_pButtonGroup->setExclusive(true);
    m_pTitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pTitle->setFixedPixelSize(16);
    for (int i = 0; i < kDpiStageCount; ++i) {
        auto* stage = new OrnSingleDPI(this, static_cast<quint8>(i));
        m_Stages[static_cast<size_t>(i)] = stage;
        connect(stage, &OrnSingleDPI::DPISignal, this, &OrnDPIWindow::onSliderChanged);
        connect(stage, &OrnSingleDPI::LinkSignal, this, &OrnDPIWindow::onLinkChanged);
        connect(stage, &OrnSingleDPI::MouseinSignal, this, &OrnDPIWindow::MouseinSignal);
        connect(stage, &OrnSingleDPI::UsedSignal, this, &OrnDPIWindow::onUsedChanged);
    }
    retranslateUi();
    applyScale();
    showProfile();
}

OrnSingleDPI* OrnDPIWindow::stage(int iStage) const
{
    if (iStage < 0 || iStage >= kDpiStageCount)
        return nullptr;
    return m_Stages[static_cast<size_t>(iStage)];
}

void OrnDPIWindow::applyScale()
{
    m_dScale = look::displayScale();
    auto s = [this](int iPixels) { return look::scaled(iPixels, m_dScale); };
    setFixedSize(s(kBaseWidth), s(kBaseHeight));
    m_pTitle->setGeometry(s(15), s(10), s(200), s(26));
    for (int i = 0; i < kDpiStageCount; ++i) {
        OrnSingleDPI* stage = m_Stages[static_cast<size_t>(i)];
        stage->applyScale();
        stage->setGeometry(s(15), s(50 * i + 43), s(OrnSingleDPI::kBaseWidth), s(OrnSingleDPI::kBaseHeight));
    }
}

void OrnDPIWindow::retranslateUi()
{
    m_pTitle->setText(uiText("DPI"));
    for (OrnSingleDPI* stage : m_Stages)
        stage->retranslateUi();
}

void OrnDPIWindow::setSensor(int iSensor)
{
    m_iSensor = iSensor;
    for (OrnSingleDPI* stage : m_Stages)
        stage->applySensorLimits(iSensor);
}

void OrnDPIWindow::setProfile(ProfileData* pProfile, int iSensor)
{
    setSensor(iSensor);
    m_pProfile = pProfile;
    showProfile();
}

void OrnDPIWindow::showProfile()
{
    for (int i = 0; i < kDpiStageCount; ++i) {
        OrnSingleDPI* stage = m_Stages[static_cast<size_t>(i)];
        DpiInfo& info = m_pProfile->stages[static_cast<size_t>(i)];
        stage->setLinked(info.link);
        stage->setValues(static_cast<int>(qMin<quint32>(info.x, INT_MAX)),
                         static_cast<int>(qMin<quint32>(info.y, INT_MAX)));
        stage->setUsed(info.used != 0);
        // The copy holds what the stage shows: values clamped into the sensor's range, and Y equal to X on
        // a linked stage, so APPLY sends what the user sees.
        info.x = static_cast<quint32>(stage->xValue());
        info.y = static_cast<quint32>(stage->yValue());
    }
    // A stage number no stage has (a damaged file) would reach the mouse as it is; start from stage 1.
    if (m_pProfile->dpi >= kDpiStageCount)
        m_pProfile->dpi = 0;
    selectStage(m_pProfile->dpi);
}

void OrnDPIWindow::selectStage(int iStage)
{
    if (iStage < 0 || iStage >= kDpiStageCount)
        return; // a stage the mouse cannot have; keep the current one
    m_pProfile->dpi = static_cast<quint8>(iStage);
    const QColor theme = widgets::themeColor();
    for (int i = 0; i < kDpiStageCount; ++i)
        m_Stages[static_cast<size_t>(i)]->setHighlight(i == iStage ? theme : QColor(Qt::white), i == iStage);
}

void OrnDPIWindow::onRadioChanged()
{
    const int iChecked = m_pButtonGroup->checkedId();
    if (iChecked < 0 || iChecked >= kDpiStageCount)
        return;
    m_pProfile->dpi = static_cast<quint8>(iChecked);
}

void OrnDPIWindow::onLinkChanged(quint8 bLinked, quint8 iStage)
{
    if (iStage >= kDpiStageCount)
        return;
    m_pProfile->stages[iStage].link = bLinked;
}

void OrnDPIWindow::onSliderChanged(int iX, int iY, quint8 iStage)
{
    if (iStage >= kDpiStageCount || iX < 0 || iY < 0)
        return;
    m_pProfile->stages[iStage].x = static_cast<quint32>(iX);
    m_pProfile->stages[iStage].y = static_cast<quint32>(iY);
}

void OrnDPIWindow::MouseinSignal(quint8 iStage)
{
    if (iStage >= kDpiStageCount)
        return;
    // The current stage is always in the cycle: choosing a stage that is off switches it on.
    DpiInfo& info = m_pProfile->stages[iStage];
    if (info.used == 0) {
        info.used = 1;
        m_Stages[iStage]->setUsed(true);
    }
    selectStage(iStage);
}

void OrnDPIWindow::onUsedChanged(quint8 iStage)
{
    if (iStage >= kDpiStageCount)
        return;
    if (toggleStageUsed(m_pProfile->stages, iStage, m_pProfile->dpi))
        m_Stages[iStage]->setUsed(m_pProfile->stages[iStage].used != 0);
}
