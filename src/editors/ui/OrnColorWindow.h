#pragma once

#include "editors/core/LightingEffects.h"
#include "editors/core/SettingsState.h"

#include <QColor>
#include <QWidget>

#include <array>

class DefaultColorArea;
class OrnAction;
class OrnLabel;
class OrnMenu;
class OrnPushButton;
class OrnSlider;

// The lighting editor. It edits the record it was given in place: the effect, and per effect the
// brightness, speed and colour. For the product "7138" the main window hands it slot 0's record
// (lightingRecord), which all five slots share.
class OrnColorWindow : public QWidget
{
    Q_OBJECT
public:
    OrnColorWindow(QWidget* parent, ProfileData* pProfile);

    // The record must outlive the window or be replaced by the next setProfile; iSlot is the record's
    // slot, for the log.
    void setProfile(ProfileData* pProfile, int iSlot = 0);
    ProfileData* profile() const { return m_pProfile; }
    // Label and visible controls for an effect code; codes above 13 change nothing.
    void showEffect(int iCode);
    // An effect reported by the mouse: stored and shown with its own brightness, speed and colour.
    // Codes the table does not have are ignored, as every lighting entry is indexed by the code.
    void slotRefreshLightMode(quint8 iBuff1);
    void retranslateUi();
    void applyScale();

    OrnPushButton* effectButton() const { return m_pEffectButton; }
    OrnMenu* effectMenu() const { return m_pMenu; }
    OrnAction* effectAction(int iCode) const;
    OrnSlider* brightnessSlider() const { return m_pBrightness; }
    OrnSlider* speedSlider() const { return m_pSpeed; }
    OrnLabel* speedValue() const { return m_pSpeedValue; }
    DefaultColorArea* colorPreview() const { return m_pPreview; }
    OrnLabel* brightnessLabel() const { return m_pBrightnessLabel; }
    OrnLabel* speedLabel() const { return m_pSpeedLabel; }
    OrnLabel* colorLabel() const { return m_pColorLabel; }

    static constexpr int kBaseWidth = 470;
    static constexpr int kBaseHeight = 230;

signals:
    // The effect or a colour of the record changed (the mouse picture shows the lighting colour).
    void LightingChangedSignal();

public slots:
    void slotSendLedState(const QColor& color);
    void color_clicked();

private:
    void showRecord();
    void rebuildEffectMenu();
    void onEffectChosen();
    void onSliderValueChanged(int iValue);
    void showSliders(int iCode);
    void showColorOf(int iCode);
    void showValues();
    void placeControls();
    LedModeInfo* currentEntry() const;

    ProfileData* m_pProfile = nullptr;
    int m_iSlot = 0;
    double m_dScale = 1.0;
    int m_iShownEffect = -1;
    OrnLabel* m_pEffectLabel;
    OrnLabel* m_pBrightnessLabel;
    OrnLabel* m_pSpeedLabel;
    OrnLabel* m_pColorLabel;
    OrnLabel* m_pBrightnessValue;
    OrnLabel* m_pSpeedValue;
    OrnSlider* m_pBrightness;
    OrnSlider* m_pSpeed;
    DefaultColorArea* m_pPreview;
    OrnPushButton* m_pEffectButton;
    OrnMenu* m_pMenu;
    std::array<OrnAction*, kEffectCount> m_Actions{};
};
