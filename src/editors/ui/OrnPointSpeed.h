#pragma once

#include "editors/core/SettingsState.h"

#include <QWidget>

class OrnLabel;
class OrnSlider;
class QSpinBox;

// Pointer speed and scroll speed of the profile (1..20 each). Changes land in the record it was given.
class OrnPointSpeed : public QWidget
{
    Q_OBJECT
public:
    OrnPointSpeed(QWidget* parent, ProfileData* pProfile);

    // The record must outlive the panel or be replaced by the next setProfile.
    void setProfile(ProfileData* pProfile);
    int pointerSpeed() const;
    int scrollSpeed() const;
    OrnSlider* pointerSlider() const { return m_pSlider; }
    QSpinBox* scrollBox() const { return m_pSpinBox; }
    void retranslateUi();
    void applyScale();

    static constexpr int kBaseWidth = 386;
    static constexpr int kBaseHeight = 88;

public slots:
    void sValueChangedSlot(int iValue);

private:
    void onSliderValueChanged(int iValue);
    void applyFont();

    ProfileData* m_pProfile = nullptr;
    OrnLabel* m_pPointerLabel;
    OrnLabel* m_pScrollLabel;
    OrnSlider* m_pSlider;
    OrnLabel* m_pValue;
    QSpinBox* m_pSpinBox;
};
