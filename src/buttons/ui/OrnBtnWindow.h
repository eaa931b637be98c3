#pragma once

#include "store/ConfigData.h"

#include <QWidget>

#include <array>
#include <functional>
#include <map>

class OrnAction;
class OrnMenu;
class QMenu;
class OrnPushButton;
class QDialog;

// The "CUSTOMIZE" panel: one label per button record showing its function, with a drop-down menu of
// functions under each label. A pick writes into the active record directly; saving is the main window's.
class OrnBtnWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kFrontCount = 20;
    static constexpr int kSideCount = 20;
    static constexpr int kExtraCount = 2;
    static constexpr int kLabelCount = kFrontCount + kSideCount + kExtraCount;
    static constexpr quint8 kPageFront = 0;
    static constexpr quint8 kPageSide = 1;
    static constexpr quint8 kPageExtra = 2;
    static constexpr quint8 kNone = 255;
    static constexpr quint8 kMacroTab = 3;
    // The thumb buttons on the flank, front labels 4 and 5.
    static constexpr int kThumbFront = 3;
    static constexpr int kThumbBack = 4;

    // Runs a dialog modally and returns its result; replaced in tests and demos.
    using DialogRunner = std::function<int(QDialog&)>;

    OrnBtnWindow(ProfileData& profile, QWidget* parent = nullptr, double dScale = 1.0);

    void setProfile(ProfileData& profile);
    void setView(quint8 iPage, quint8 iIndex);
    // iPage 255 keeps the stored page.
    void showPage(quint8 iIndex, quint8 iPage = kNone);
    void layoutForProduct();
    void rescale(double dScale);
    void retranslate();
    void refreshLabels();

    // What a pick of this function code does to the selected record; the actions' triggered run it.
    void pickFunction(int iCode);
    void setDialogRunner(DialogRunner runner);

    OrnPushButton* label(int iRecord) const;
    OrnMenu* mainMenu() const { return m_pMainMenu; }
    OrnMenu* extraMenu() const { return m_pExtraMenu; }
    OrnAction* action(int iCode) const;
    quint8 selectedPage() const { return m_iPage; }
    quint8 selectedIndex() const { return m_iIndex; }
    ProfileData& profile() const { return *m_pProfile; }

signals:
    void SelBtnControl(OrnPushButton* button, quint8 bType);
    void GotoMacroTab(quint8 iBtn);
    void PopOneClickBox();

public slots:
    void OnMouseEnterSlot(OrnPushButton* button);
    void slotMouseOver(OrnPushButton* button, quint8 bType);
    void slotMouseEnter(OrnPushButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createMenus();
    void createLabels();
    void fillMenus();
    void applyMenuLook();
    void placeSideLabels();
    int selectedRecord() const; // -1 when nothing is selected
    // The side page shows the thumb buttons instead of side labels the product never sends.
    bool sideShowsThumbButtons() const;
    OrnPushButton* selectedLabel() const;
    QString labelText(int iRecord) const;
    int runDialog(QDialog& dialog);

    // Pick roads (OrnBtnWindowPick.cpp).
    void pickMacro(int iRecord, OrnPushButton* pLabel);
    bool pickAdvance(int iCode, int iRecord, OrnPushButton* pLabel);
    void endPick();

    ProfileData* m_pProfile;
    double m_dScale;
    quint8 m_iPage = kPageFront;
    quint8 m_iIndex = 0;
    std::array<OrnPushButton*, kFrontCount> m_FrontLabels{};
    std::array<OrnPushButton*, kSideCount> m_SideLabels{};
    std::array<OrnPushButton*, kExtraCount> m_ExtraLabels{};
    OrnMenu* m_pMainMenu = nullptr;
    OrnMenu* m_pExtraMenu = nullptr;
    std::map<int, OrnMenu*> m_SubMenus;  // by MenuCategory
    std::map<int, OrnAction*> m_Actions; // by function code
    DialogRunner m_runDialog;
    int m_iFrontHeight = 0; // the panel's height before the side page made it taller; 0 when not taller
};
