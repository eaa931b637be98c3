#pragma once

#include "editors/core/SettingsState.h"

#include <QWidget>

#include <array>

class OrnAction;
class OrnLabel;
class OrnMenu;
class OrnPushButton;
class QAction;

// The report-rate panel: a button whose menu offers 125, 250, 500 and 1000 Hz; it edits the record in
// place.
class OrnReportRate : public QWidget
{
    Q_OBJECT
public:
    OrnReportRate(QWidget* parent, ProfileData* pProfile);

    void setProfile(ProfileData* pProfile);
    quint8 rateCode() const { return m_pProfile->pollrate; }
    QString rateButtonText() const;
    OrnMenu* rateMenu() const { return m_pMenu; }
    // The entry for a code, nullptr for codes the menu does not offer.
    QAction* actionForCode(int iCode) const;
    void retranslateUi();
    void applyScale();

    // The DPI tab (572 x 440 at scale 1) holds the DPI page at the top and this panel and the pointer
    // panel side by side below it.
    static constexpr int kBaseWidth = 180;
    static constexpr int kBaseHeight = 88;

public slots:
    void onRateChosen();

private:
    void showRate();

    ProfileData* m_pProfile;
    OrnLabel* m_pTitle;
    OrnPushButton* m_pRateButton;
    OrnMenu* m_pMenu;
    std::array<OrnAction*, 4> m_Actions{};
};
