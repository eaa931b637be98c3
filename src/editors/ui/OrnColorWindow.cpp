#include "editors/ui/OrnColorWindow.h"

#include "editors/ui/DefaultColorArea.h"
#include "editors/ui/EditorLook.h"
#include "editors/ui/OrnColorArea.h"
#include "log/Log.h"
#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnPushButton.h"
#include "widgets/OrnSlider.h"

#include <QDebug>
#include <QSignalBlocker>

namespace {

void setUpSlider(OrnSlider* slider, int iMin, int iMax)
{
    slider->setRange(iMin, iMax);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setFocusPolicy(Qt::NoFocus);
}

QColor toQColor(const RgbColor& rgb)
{
    // An entry without a colour shows black, as the dialog would start from it.
    return rgb.valid ? QColor(rgb.red, rgb.green, rgb.blue) : QColor(Qt::black);
}

} // namespace

OrnColorWindow::OrnColorWindow(QWidget* parent, ProfileData* pProfile)
    : QWidget(parent), m_pEffectLabel(new OrnLabel(this)), m_pBrightnessLabel(new OrnLabel(this)),
      m_pSpeedLabel(new OrnLabel(this)), m_pColorLabel(new OrnLabel(this)), m_pBrightnessValue(new OrnLabel(this)),
      m_pSpeedValue(new OrnLabel(this)), m_pBrightness(new OrnSlider(Qt::Horizontal, this)),
      m_pSpeed(new OrnSlider(Qt::Horizontal, this)), m_pPreview(new DefaultColorArea(this)),
      m_pEffectButton(new OrnPushButton(
          {QStringLiteral("/skin/rate.png"), QStringLiteral("/skin/rate.png"), QStringLiteral("/skin/rate.png")},
          this)),
      m_pMenu(new OrnMenu(this))
{
    setStyleSheet(editors::panelStyleSheet(this));
    setAttribute(Qt::WA_StyledBackground, true);
    for (OrnLabel* label : {m_pEffectLabel, m_pBrightnessLabel, m_pSpeedLabel, m_pColorLabel})
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (OrnLabel* value : {m_pBrightnessValue, m_pSpeedValue})
        value->setAlignment(Qt::AlignCenter);
    setUpSlider(m_pBrightness, kBrightnessMin, kBrightnessMax);
    setUpSlider(m_pSpeed, kSpeedMin, kSpeedMax);
    for (OrnSlider* slider : {m_pBrightness, m_pSpeed}) {
        connect(slider, &QSlider::valueChanged, this, &OrnColorWindow::onSliderValueChanged);
    }
    connect(m_pPreview, &DefaultColorArea::ClickedSignal, this, &OrnColorWindow::color_clicked);
    for (int i = 0; i < kEffectCount; ++i) {
        // Owned by the window: clearing the menu deletes the actions it owns.
        m_Actions[static_cast<size_t>(i)] = new OrnAction(this);
        connect(m_Actions[static_cast<size_t>(i)], &QAction::triggered, this, &OrnColorWindow::onEffectChosen);
    }
    m_pEffectButton->setMenu(m_pMenu);
    applyScale();
    m_pProfile = pProfile;
    retranslateUi();
    showRecord();
}

OrnAction* OrnColorWindow::effectAction(int iCode) const
{
    return iCode >= 0 && iCode < kEffectCount ? m_Actions[static_cast<size_t>(iCode)] : nullptr;
}

LedModeInfo* OrnColorWindow::currentEntry() const
{
    if (!m_pProfile || m_pProfile->LedMode >= kEffectCount)
        return nullptr;
    return &m_pProfile->modes[m_pProfile->LedMode];
}

void OrnColorWindow::applyScale()
{
    m_dScale = look::displayScale();
    setFixedSize(look::scaled(kBaseWidth, m_dScale), look::scaled(kBaseHeight, m_dScale));
    const QString strStyle = editors::pictureSliderStyleSheet(QStringLiteral("/skin/rate.png"));
    m_pBrightness->setStyleSheet(strStyle);
    m_pSpeed->setStyleSheet(strStyle);
    m_pMenu->setFixedWidth(look::scaled(175, m_dScale));
    m_pMenu->refreshLook();
    placeControls();
}

void OrnColorWindow::placeControls()
{
    auto s = [this](int iPixels) { return look::scaled(iPixels, m_dScale); };
    m_pEffectLabel->setGeometry(s(20), s(18), s(120), s(30));
    m_pEffectButton->setGeometry(s(150), s(18), s(175), s(30));
    // Visible rows follow one another under the effect, so hidden controls leave no gaps.
    int iRow = 0;
    auto place = [&](OrnLabel* label, QWidget* control, int iControlWidth, int iControlHeight, OrnLabel* value) {
        if (label->isHidden())
            return;
        const int iTop = s(68 + 46 * iRow);
        label->setGeometry(s(20), iTop, s(120), s(30));
        control->setGeometry(s(150), iTop + (s(30) - s(iControlHeight)) / 2, s(iControlWidth), s(iControlHeight));
        if (value)
            value->setGeometry(s(150 + iControlWidth + 8), iTop, s(30), s(30));
        ++iRow;
    };
    place(m_pBrightnessLabel, m_pBrightness, 200, 22, m_pBrightnessValue);
    place(m_pSpeedLabel, m_pSpeed, 200, 22, m_pSpeedValue);
    place(m_pColorLabel, m_pPreview, 60, 24, nullptr);
}

void OrnColorWindow::retranslateUi()
{
    m_pEffectLabel->setText(uiText("EFFECT"));
    m_pBrightnessLabel->setText(uiText("BRIGHTNESS"));
    m_pSpeedLabel->setText(uiText("SPEED"));
    m_pColorLabel->setText(uiText("COLOR"));
    for (int i = 0; i < kEffectCount; ++i)
        m_Actions[static_cast<size_t>(i)]->setText(uiText(effectInfo(i)->name));
    if (m_pProfile)
        showEffect(m_pProfile->LedMode);
}

void OrnColorWindow::setProfile(ProfileData* pProfile, int iSlot)
{
    m_pProfile = pProfile;
    m_iSlot = iSlot;
    showRecord();
}

void OrnColorWindow::showRecord()
{
    if (!m_pProfile)
        return;
    showEffect(m_pProfile->LedMode);
    showSliders(m_pProfile->LedMode);
    showColorOf(m_pProfile->LedMode);
    rebuildEffectMenu();
}

void OrnColorWindow::showSliders(int iCode)
{
    if (!m_pProfile || iCode < 0 || iCode >= kEffectCount)
        return;
    const LedModeInfo& entry = m_pProfile->modes[static_cast<size_t>(iCode)];
    // Showing a stored value must not write the clamped value back.
    const QSignalBlocker blockBrightness(m_pBrightness);
    const QSignalBlocker blockSpeed(m_pSpeed);
    m_pBrightness->setValue(static_cast<int>(qMin<quint32>(entry.bright, kBrightnessMax)));
    m_pSpeed->setValue(static_cast<int>(qMin<quint32>(entry.breath, kSpeedMax)));
    showValues();
}

void OrnColorWindow::showValues()
{
    m_pBrightnessValue->setNum(m_pBrightness->value());
    m_pSpeedValue->setNum(m_pSpeed->value());
}

void OrnColorWindow::showColorOf(int iCode)
{
    if (!m_pProfile || iCode < 0 || iCode >= kEffectCount)
        return;
    m_pPreview->setColor(toQColor(m_pProfile->modes[static_cast<size_t>(iCode)].RGB));
}

void OrnColorWindow::rebuildEffectMenu()
{
    m_pMenu->clear();
    for (quint8 iCode : effectMenuOrder())
        m_pMenu->addAction(m_Actions[iCode]);
    m_pEffectButton->setMenu(m_pMenu);
}

void OrnColorWindow::showEffect(int iCode)
{
    const EffectInfo* info = effectInfo(iCode);
    if (!info)
        return;
    m_iShownEffect = iCode;
    m_pEffectButton->setText(m_Actions[static_cast<size_t>(iCode)]->text());
    m_pBrightness->setVisible(info->bBrightness);
    m_pBrightnessLabel->setVisible(info->bBrightness);
    m_pBrightnessValue->setVisible(info->bBrightness);
    m_pSpeed->setVisible(info->bSpeed);
    m_pSpeedLabel->setVisible(info->bSpeed);
    m_pSpeedValue->setVisible(info->bSpeed);
    m_pColorLabel->setVisible(info->bColor);
    m_pPreview->setVisible(info->bColor);
    placeControls();
}

void OrnColorWindow::onEffectChosen()
{
    int iCode = -1;
    for (int i = 0; i < kEffectCount; ++i) {
        if (sender() == m_Actions[static_cast<size_t>(i)])
            iCode = i;
    }
    if (iCode < 0 || !m_pProfile)
        return;
    showEffect(iCode);
    m_pProfile->LedMode = static_cast<quint8>(iCode);
    showSliders(iCode);
    // The preview shows the chosen effect's own colour, the one the colour dialog would start from.
    showColorOf(iCode);
    const QColor color = m_pPreview->color();
    qCDebug(lcUi, "EffectMenuFunction iProfile=%d i=%d r=%d g=%d b=%d", m_iSlot, iCode, color.red(), color.green(),
            color.blue());
    emit LightingChangedSignal();
}

void OrnColorWindow::onSliderValueChanged(int iValue)
{
    showValues();
    LedModeInfo* entry = currentEntry();
    if (!entry || iValue < 0)
        return;
    if (sender() == m_pBrightness)
        entry->bright = static_cast<quint32>(iValue);
    else if (sender() == m_pSpeed)
        entry->breath = static_cast<quint32>(iValue);
}

void OrnColorWindow::slotRefreshLightMode(quint8 iBuff1)
{
    if (iBuff1 >= kEffectCount || !m_pProfile)
        return;
    m_pProfile->LedMode = iBuff1;
    showEffect(iBuff1);
    showSliders(iBuff1);
    showColorOf(iBuff1);
    emit LightingChangedSignal();
}

void OrnColorWindow::slotSendLedState(const QColor& color)
{
    LedModeInfo* entry = currentEntry();
    if (!entry)
        return;
    qCDebug(lcUi, "slotSendLedState iProfile=%d i=%d r=%d g=%d b=%d", m_iSlot, m_pProfile->LedMode, color.red(),
            color.green(), color.blue());
    entry->RGB = RgbColor::fromRgb(static_cast<quint8>(color.red()), static_cast<quint8>(color.green()),
                                   static_cast<quint8>(color.blue()));
    emit LightingChangedSignal();
}

void OrnColorWindow::color_clicked()
{
    LedModeInfo* entry = currentEntry();
    if (sender() != m_pPreview || !entry)
        return;
    OrnColorArea dialog(this, m_dScale);
    dialog.setColor(toQColor(entry->RGB));
    if (dialog.exec() != 1)
        return;
    // The record may have been replaced while the dialog ran (a slot switch from the mouse).
    entry = currentEntry();
    if (!entry)
        return;
    const QColor chosen = dialog.color();
    entry->RGB = RgbColor::fromRgb(static_cast<quint8>(chosen.red()), static_cast<quint8>(chosen.green()),
                                   static_cast<quint8>(chosen.blue()));
    m_pPreview->setColor(chosen);
    emit LightingChangedSignal();
}
