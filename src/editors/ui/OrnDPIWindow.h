#pragma once

#include "editors/core/SettingsState.h"

#include <QStringList>
#include <QWidget>

#include <array>

class OrnLabel;
class OrnSingleDPI;
class QButtonGroup;

// The DPI page: six stages of the active slot's record, edited in place.
class OrnDPIWindow : public QWidget
{
    Q_OBJECT
public:
    OrnDPIWindow(QWidget* parent, ProfileData* pProfile);

    // Hands the sensor to every stage and shows the record, which must outlive the page or be replaced
    // by the next setProfile.
    void setProfile(ProfileData* pProfile, int iSensor);
    void setSensor(int iSensor);
    int sensor() const { return m_iSensor; }
    // Current stage 0..5: drawn in the theme colour, the others in white.
    void selectStage(int iStage);
    quint8 currentStage() const { return m_pProfile->dpi; }
    const std::array<DpiInfo, kDpiStageCount>& stages() const { return m_pProfile->stages; }
    OrnSingleDPI* stage(int iStage) const;
    void retranslateUi();
    void applyScale();

    static constexpr int kBaseWidth = 470;
    static constexpr int kBaseHeight = 346;

public slots:
    void onRadioChanged();
    void onLinkChanged(quint8 bLinked, quint8 iStage);
    void onSliderChanged(int iX, int iY, quint8 iStage);
    void MouseinSignal(quint8 iStage);
    void onUsedChanged(quint8 iStage);

private:
    void showProfile();

    ProfileData* m_pProfile;
    int m_iSensor = 3325;
    std::array<OrnSingleDPI*, kDpiStageCount> m_Stages{};
    QButtonGroup* m_pButtonGroup;
    OrnLabel* m_pTitle;
    double m_dScale = 1.0;
    QStringList m_StageImages;
};
