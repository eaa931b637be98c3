#pragma once

#include "app/profilebar/ProfileBarWindow.h"
#include "app/shell/ShellServices.h"
#include "app/shell/WindowVisibility.h"
#include "ctl/CtlArguments.h"
#include "device/hotplug/HotplugHandler.h"
#include "device/protocol/WriteProfileSet.h"
#include "device/status/StatusThreadRunner.h"
#include "look/ScaledBackground.h"
#include "session/SettingsSession.h"

#include <QPixmap>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class OrnAction;
class OrnBtnWindow;
class MacroDialog;
class ProfileCommands;
class OrnColorWindow;
class OrnDPIWindow;
class OrnPointSpeed;
class OrnReportRate;
class OrnLabel;
class OrnLineEdit;
class OrnMenu;
class OrnMessageBox;
class OrnNotice;
class OrnPushButton;
class QAction;
class QMenu;
class BatteryBar;
class QScrollArea;
namespace look {
class OrnLanguage;
}

// The program's one top-level window: the mouse picture with its button callouts, the battery, the
// profile bar, the four tabs with their editor panels, and the reactions to what the mouse reports.
class MousecfgWidget : public QWidget, private HotplugWindow, private ProfileBarWindow
{
    Q_OBJECT

public:
    static constexpr int kCalloutsPerView = 20;
    static constexpr int kExtraCallouts = 2;
    static constexpr int kTabCount = 4;
    static constexpr int kLightingTab = 0;
    static constexpr int kButtonsTab = 1;
    static constexpr int kDpiTab = 2;
    static constexpr int kMacroTab = 3;

    explicit MousecfgWidget(ShellServices services, QWidget* parent = nullptr);
    ~MousecfgWidget() override;

    int connectedMouseCount() const override { return m_iConnectedMice; }
    DeviceLink& deviceLink() { return *m_Services.link; }
    SettingsSession& session() { return m_Session; }
    bool mouseAsleep() const { return m_bMouseAsleep; }
    WriteProfileContext& writeContext() { return m_Session.writeContext(); }
    // The window's pieces, for the tests that drive it.
    OrnPushButton* tabButton(int iTab) const { return m_TabButtons[iTab]; }
    int currentTab() const { return m_iCurrentTab; }
    BatteryBar* batteryBar() const { return m_pBatteryBar; }
    OrnLabel* chargingIcon() const { return m_pChargingIcon; }
    // A tab's panel is built when it is first shown (or asked for here).
    QWidget* tabPanel(int iTab) { return ensureTabPanel(iTab); }
    OrnDPIWindow* dpiWindow()
    {
        ensureTabPanel(kDpiTab);
        return m_pDPIWindow;
    }
    OrnReportRate* reportRate()
    {
        ensureTabPanel(kDpiTab);
        return m_pReportRate;
    }
    OrnColorWindow* colorWindow() const { return m_pColorWindow; }
    OrnBtnWindow* buttonWindow()
    {
        ensureTabPanel(kButtonsTab);
        return m_pBtnWindow;
    }
    ProfileCommands& profileCommands() { return *m_pCommands; }
    OrnPushButton* applyButton() const { return m_pApply; }
    OrnPushButton* closeButton() const { return m_pClose; }
    OrnPushButton* slotIndicator(int iSlot) const { return m_SlotIndicators[unsigned(iSlot) % kSlotCount]; }
    OrnMenu* slotMenu() const { return m_pSlotMenu; }
    OrnLineEdit* nameField() const { return m_pNameField; }
    QMenu* trayMenu() const { return m_pTrayMenu; }
    QAction* autostartAction() const { return m_pAutostartAction; }
    // True while the no-mouse warning is on screen or pending.
    bool noMouseWarningActive() const { return m_bNoMouseWarningActive; }
    // --hidden: the start-up check leaves the window in the tray (minimised where there is no tray).
    void setStartHidden(bool bHidden) { m_bStartHidden = bHidden; }
    // A later start of the program asked for the window: show it in front, with the no-mouse warning
    // where it applies. Returns at once; the work runs from the event loop.
    void activateFromAnotherStart();
    bool isFrontView() const { return m_bFrontView; }
    OrnPushButton* sideUpButton() const { return m_pSideUp; }
    // Marks "Apply" while there are edits the mouse does not have yet, and the indicator of each slot whose
    // bit is set in iSlotMask; false and 0 clear the marks after a successful write-out.
    void showUnapplied(bool bUnapplied, quint8 iSlotMask = 0);
    // "Saved to mouse" for a moment above the profile bar, after a write-out that succeeded.
    void showSavedConfirmation();
    // The unapplied marks as the session sees the settings now.
    void refreshUnappliedMarks();
    OrnNotice* savedNotice() const { return m_pSavedNotice; }
    // The OSD texts sent so far (also sent to the companion program).
    void handleDeviceChange(const platform::DeviceChangeEvent& event);
    // A change osken-ctl asked for, run on this window's settings and shown as a change made here; its exit
    // code, its messages to `err`.
    int runScriptedChange(const CtlRequest& request, QTextStream& err);
    // osken-ctl apply, written through this window's mouse with the status thread stopped.
    int runScriptedApply(const CtlRequest& request, QTextStream& err);

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void slotGotoMacro(quint8 iTab);
    void slot_show_mousename(QAction* action);
    void slotPopOneClickBox();
    void slotEnableButtons(bool bEnable);
    void slotProfileNameChange();
    void slotRefreshLightMode(quint8 iBuff1);
    void slotWarning();
    void slotWarnClose();
    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void slotRefreshStatus(quint8 iProfile, quint8 iDpi, quint8 iRate, quint8 iMode);
    void slotRefreshWriteStatus(quint8 iStatus);
    void slotMouseOver(OrnPushButton* button, quint8 bType);
    void onButtonClicked();
    void slotSlotMenuTriggered(QAction* action);
    void slotLanguageTriggered(QAction* action);

signals:
    // The user asked the program to end (tray menu, or × where there is no tray).
    void quitRequested();
    // What the status handling heard, for listeners outside the window (osken-ctl watch).
    void batteryHeardSignal(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void statusTakenSignal(const MouseChange& change);
    void mousePluggedSignal(bool bPlugged);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Construction pieces.
    void buildTray();
    void buildWidgets();
    void buildProfileBar();
    void buildCallouts();
    // The lighting panel, which the first frame shows; the others wait for ensureTabPanel.
    void buildPanels();
    QWidget* ensureTabPanel(int iTab);
    void buildButtonPanel();
    void buildDpiPanel();
    void buildMacroPanel();
    // Size, texts and record of one built panel.
    void layoutPanel(int iTab);
    void retranslatePanel(int iTab);
    void showRecordInPanel(int iTab);
    void layoutChildren();
    // The wheel callouts and side-button pictures of the view shown.
    void placeViewCallouts();
    void setTexts() override;
    OrnPushButton* makeButton(const QStringList& images, bool bConnect = true);

    // Views and selection.
    void showTab(int iTab);
    void setFrontView(bool bFront);
    void selectCallout(int iIndex, int iGroup);
    void clearCalloutSelection();
    // The mouse pictures for the product and the lighting shown; work only when either changed. The side
    // picture is painted when the side view is first shown.
    void loadMousePictures();
    void showSidePicture();
    QString mousePictureKey() const;
    // A mouse picture at the window's scale, its lit parts (the glow picture) in the lighting colour.
    QPixmap mousePicture(const QString& strPath, const QString& strGlowPath) const;
    // A picture of the product's folder, with the folder's glow.
    QPixmap frontPicture(const QString& strFile) const;
    void setSideButtonImages();
    void selectSlot(int iSlot, bool bReload) override;
    // The slot menu and the slot indicators: the mouse switches to the slot, without a write-out.
    void switchToSlot(int iSlot);
    void refreshEditors() override;
    void rebuildProfileMenu();
    void showActiveSlot() override;
    // ProfileBarWindow: what the profile commands ask of the window.
    QWidget* dialogParent() override { return this; }
    void rebuildProfileMenu(const QStringList& profileList) override;
    void hideWindow() override { putAway(WindowRequest::Hide); }
    void showWriteOutcome(bool bLanded) override;
    void showLoadedConfiguration() override;
    void reloadSavedConfig();
    // Pictures, layout, settings, profile list and menu of the current product, from the first tab.
    void showCurrentProduct();
    void showOsd(const QString& strText);

    // Desktop: tray, window visibility, messages.
    void startUpCheck();
    void putAway(WindowRequest request);
    void bringToFront();
    void onTrayAvailabilityChanged(bool bAvailable);
    void settleAfterPlugging();
    void reopenCurrentProduct();
    // The mouse is counted but its command collection did not open: say why and what to do.
    void showOpenFailure();
    bool notificationsForced() const;
    void applyPointerSpeed(int iSlot);
    QString slotEntryText(int iSlot) const;

    // HotplugWindow and the device road.
    void refreshMouseList() override;
    void openDevice(const QByteArray& productName) override;
    void closeDevice() override;
    void stopStatusThread() override;
    void startStatusThread() override;
    void scheduleWarnClose() override;
    void scheduleNoMouseWarning() override;
    void reloadProductSettings() override;
    void scheduleReopen() override;
    void pause(int iMilliseconds);
    QByteArray currentProductName() const override;
    void requestFullWrite() override;

    ShellServices m_Services;
    SettingsSession m_Session;
    StatusThreadRunner m_StatusRunner;
    std::unique_ptr<HotplugHandler> m_pHotplug;
    std::unique_ptr<look::OrnLanguage> m_pLanguage;
    std::unique_ptr<ProfileCommands> m_pCommands;

    // Dragging.
    bool m_bDragging = false;
    int m_iPressX = 0;
    int m_iPressY = 0;
    int m_iFrameX = 0;
    int m_iFrameY = 0;

    double m_dDisplayScale = 1.0;
    int m_iScaleLevel = -1;
    QSize m_RecordedSize;
    QPixmap m_Background;
    QPixmap m_BatteryBack;
    look::ScaledBackground m_ScaledBackground;

    // Profile bar.
    OrnPushButton* m_pClose = nullptr;
    OrnPushButton* m_pMinimise = nullptr;
    std::array<OrnPushButton*, kSlotCount> m_SlotIndicators{};
    std::array<OrnPushButton*, kTabCount> m_TabButtons{};
    OrnPushButton* m_pExport = nullptr;
    OrnPushButton* m_pImport = nullptr;
    OrnPushButton* m_pReset = nullptr;
    OrnPushButton* m_pAdd = nullptr;
    OrnPushButton* m_pDelete = nullptr;
    OrnPushButton* m_pCopy = nullptr;
    OrnPushButton* m_pResetAll = nullptr;
    OrnPushButton* m_pOk = nullptr;
    OrnPushButton* m_pCancel = nullptr;
    OrnPushButton* m_pApply = nullptr;
    OrnPushButton* m_pLoad = nullptr;
    OrnPushButton* m_pSave = nullptr;
    OrnPushButton* m_pProfileDrop = nullptr;
    OrnPushButton* m_pSlotButton = nullptr;
    OrnPushButton* m_pLanguageButton = nullptr;
    OrnPushButton* m_pMouseNameButton = nullptr;

    // Callouts and views.
    std::array<OrnPushButton*, kCalloutsPerView> m_FrontCallouts{};
    std::array<OrnPushButton*, kCalloutsPerView> m_SideCallouts{};
    std::array<OrnPushButton*, kExtraCallouts> m_ExtraCallouts{};
    OrnPushButton* m_pFrontButton = nullptr;
    OrnPushButton* m_pSideButton = nullptr;
    OrnPushButton* m_pSideUp = nullptr;
    OrnPushButton* m_pSideDown = nullptr;

    OrnLabel* m_pVersionLabel = nullptr;
    OrnLabel* m_pNameLabel = nullptr;
    OrnLabel* m_pActiveProfileLabel = nullptr;
    OrnLabel* m_pFrontPicture = nullptr;
    OrnLabel* m_pSidePicture = nullptr;
    OrnLabel* m_pChargingIcon = nullptr;
    BatteryBar* m_pBatteryBar = nullptr;
    int m_iLastBattery = -1;
    OrnLineEdit* m_pNameField = nullptr;
    OrnNotice* m_pSavedNotice = nullptr;

    OrnMenu* m_pProfileMenu = nullptr;
    std::vector<OrnAction*> m_ProfileActions;
    OrnMenu* m_pSlotMenu = nullptr;
    std::array<OrnAction*, kSlotCount> m_SlotActions{};
    QStringList m_ProfileList;
    OrnMenu* m_pLanguageMenu = nullptr;
    std::array<OrnAction*, 3> m_LanguageActions{};
    OrnMenu* m_pMouseNameMenu = nullptr;
    QStringList m_MouseNames;

    QAction* m_pLoadConfigAction = nullptr;
    QAction* m_pAutostartAction = nullptr;
    QAction* m_pNotifyAction = nullptr;
    QAction* m_pQuitAction = nullptr;
    QMenu* m_pTrayMenu = nullptr;
    QSystemTrayIcon* m_pTray = nullptr;

    // Tab panels: lighting, buttons (in its scroll area), DPI with rate and pointer speed, macros.
    std::array<QWidget*, kTabCount> m_TabPanels{};
    QScrollArea* m_pButtonScroll = nullptr;
    OrnBtnWindow* m_pBtnWindow = nullptr;
    MacroDialog* m_pMacroDialog = nullptr;
    OrnColorWindow* m_pColorWindow = nullptr;
    OrnDPIWindow* m_pDPIWindow = nullptr;
    OrnReportRate* m_pReportRate = nullptr;
    OrnPointSpeed* m_pPointSpeed = nullptr;
    int m_iCurrentTab = 0;

    // Callout selection: group 0 front, 1 side, 2 extra.
    quint8 m_iSelectedGroup = 0;
    std::array<quint8, 3> m_SelectedIndex{};
    quint8 m_iSavedGroup = 0;
    bool m_bFrontView = true;
    QString m_FrontPictureKey; // what the front and side pictures were painted for
    QString m_SidePictureKey;

    std::unique_ptr<TrayWatch> m_pTrayWatch;
    bool m_bStartHidden = false;
    bool m_bNoMouseWarningActive = false;
    QPointer<OrnMessageBox> m_pWarningBox;
    // Hot-plug waits: both restart on every event, so a burst of events settles once.
    QTimer m_SettleTimer;
    QTimer m_ReopenTimer;
    bool m_bWarnClosePending = false;
    bool m_bWarningPending = false;
    bool m_bSystemMoveTried = false;

    int m_iConnectedMice = 0;
    bool m_bMouseAsleep = false;
    bool m_bMarksPending = false;
};
