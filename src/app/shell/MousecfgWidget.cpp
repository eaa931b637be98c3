#include "app/shell/MousecfgWidget.h"

#include "app/profilebar/ProfileCommands.h"
#include "app/shell/BatteryBar.h"
#include "buttons/ui/OrnBtnWindow.h"
#include "editors/ui/OrnColorWindow.h"
#include "editors/ui/OrnDPIWindow.h"
#include "editors/ui/OrnPointSpeed.h"
#include "editors/ui/OrnReportRate.h"
#include "log/Log.h"
#include "look/DisplayScale.h"
#include "look/Language.h"
#include "look/LookSettings.h"
#include "look/UiText.h"
#include "macro/ui/MacroDialog.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/ProfileFiles.h"
#include "store/ProfileList.h"
#include "widgets/DarkStyle.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnMessageBox.h"
#include "widgets/OrnPushButton.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <QtDebug>

#include <cmath>

MousecfgWidget::MousecfgWidget(ShellServices services, QWidget* parent)
    : QWidget(parent), m_Services(std::move(services)), m_StatusRunner(*m_Services.link)
{
    setObjectName(QStringLiteral("MousecfgWidget"));
    setWindowTitle(QStringLiteral("MousecfgWidget"));

    writeGColorId(1);
    m_Background.load(look::skinPath(QStringLiteral("/skin/cfgMainback.png")));
    m_BatteryBack.load(look::skinPath(QStringLiteral("/skin/bat1.png")));
    // Pictures painted for each scale level keep the window sharp at 1.25, 1.5, ...
    if (!m_ScaledBackground.loadSkin(QStringLiteral("/skin/cfgMainback.png")))
        m_ScaledBackground.setSource(m_Background);

    m_pHotplug = std::make_unique<HotplugHandler>(
        m_Services.link->deviceTable(),
        [this](const QByteArray& path) { return m_Services.link->hid_get_release_number(path.constData()); },
        static_cast<HotplugWindow&>(*this));
    if (m_Services.notifier)
        m_Services.notifier->start(quintptr(winId()),
                                   [this](const platform::DeviceChangeEvent& event) { handleDeviceChange(event); });
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    DeviceLink* link = m_Services.link.get();
    MousePort port;
    port.send = link->sender();
    port.sleep = [](int ms) { QThread::msleep(ulong(ms)); };
    port.stopStatusThread = [this] { stopStatusThread(); };
    port.startStatusThread = [this] { startStatusThread(); };
    // Asked fresh before every write-out: the last battery report may be 25 s old.
    port.isAwake = [link] { return link->askBatteryState() == MouseWake::Awake; };
    port.echoedFrames = [link] { return link->echoedFrames(); };
    port.statusReportsMet = [link] { return link->statusRelay().statusReports(); };
    m_Session.setMousePort(std::move(port));
    // Reports the link reads outside the status thread (while it waits for an echo, or asks the battery
    // state) get the same handling as the thread's.
    StatusReportRelay* relay = &link->statusRelay();
    connect(relay, &StatusReportRelay::RefreshBatteryStatus, this, &MousecfgWidget::slotRefreshBatteryStatus,
            Qt::QueuedConnection);
    connect(
        relay, &StatusReportRelay::RefreshStatus, this,
        [this](quint8 iProfile, quint8 iDpi, quint8 iRate, quint8 iMode) {
            m_Session.noteRelayedReportTaken();
            slotRefreshStatus(iProfile, iDpi, iRate, iMode);
        },
        Qt::QueuedConnection);
    connect(relay, &StatusReportRelay::RefreshWriteStatus, this, &MousecfgWidget::slotRefreshWriteStatus,
            Qt::QueuedConnection);

    // Tabs first: their pictures are the first thing the window loads.
    for (int i = 0; i < kTabCount; ++i)
        m_TabButtons[i] = makeButton({QStringLiteral("/skin/tabbutton-1.png"), QStringLiteral("/skin/tabbutton-3.png"),
                                      QStringLiteral("/skin/tabbutton-2.png")});

    m_Services.link->InitDeviceTable();
    m_Services.link->EnumerateDevices();
    refreshMouseList();

    buildTray();

    m_pLanguage = std::make_unique<look::OrnLanguage>();
    m_pLanguage->loadStartupLanguage();

    buildWidgets();
    clearCalloutSelection();
    m_ProfileList = loadProfileList();

    openDevice(currentProductName());
    startStatusThread();

    m_pCommands = std::make_unique<ProfileCommands>(m_Session, m_ProfileList, static_cast<ProfileBarWindow&>(*this));
    m_Session.load();
    if (m_Services.pointerSpeed) {
        // The program starts with the pointer speed the computer already uses.
        const quint8 iStored = m_Session.working().activeSlot().mousespeed;
        m_Session.takePointerSpeed(quint8(m_Services.pointerSpeed->currentSpeed(iStored)));
    }
    rebuildProfileMenu();

    buildPanels();
    showTab(0);
    refreshEditors();
    setTexts();
    showActiveSlot();

    writeDefaultProfileFile();
    // The toolkit's own controls (scroll bars, check boxes, spin boxes, file dialogs) in the dark style too.
    setStyleSheet(QStringLiteral("*{outline:0px;} ") + widgets::darkStyleSheet());

    // Size and place for the screen's scale.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dRatio = look::ratioWithOverride(screen ? screen->logicalDotsPerInch() / 96.0 : 1.0);
    m_iScaleLevel = look::scaleLevelForRatio(dRatio);
    m_dDisplayScale = look::scaleForLevel(m_iScaleLevel);
    look::setDisplayScale(m_dDisplayScale);
    setMinimumSize(look::kBaseWidth, look::kBaseHeight);
    resize(look::scaledWindowSize(m_dDisplayScale));
    m_RecordedSize = size();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
    layoutChildren();

    m_SettleTimer.setSingleShot(true);
    m_SettleTimer.setInterval(200);
    connect(&m_SettleTimer, &QTimer::timeout, this, &MousecfgWidget::settleAfterPlugging);
    m_ReopenTimer.setSingleShot(true);
    m_ReopenTimer.setInterval(500);
    connect(&m_ReopenTimer, &QTimer::timeout, this, &MousecfgWidget::reopenCurrentProduct);
    QTimer::singleShot(200, this, &MousecfgWidget::startUpCheck);
    QCoreApplication::instance()->installEventFilter(this);
}

MousecfgWidget::~MousecfgWidget()
{
    if (m_Services.notifier)
        m_Services.notifier->stop();
    m_StatusRunner.stop();
    m_Services.link->ExitHid();
}

OrnPushButton* MousecfgWidget::makeButton(const QStringList& images, bool bConnect)
{
    auto* button = new OrnPushButton(images, this);
    if (bConnect)
        connect(button, &QPushButton::clicked, this, &MousecfgWidget::onButtonClicked);
    return button;
}

void MousecfgWidget::setTexts()
{
    m_pVersionLabel->setText(uiText("Version") + QStringLiteral(": " OSKEN_VERSION));
    m_pNameField->setToolTip(uiText("Press Enter To Apply"));
    m_pNameLabel->setText(uiText("NAME"));
    m_pReset->setToolTip(uiText("RESET"));
    m_pAdd->setToolTip(uiText("ADD"));
    m_pDelete->setToolTip(uiText("DELETE"));
    m_pCopy->setToolTip(uiText("COPY"));
    m_pExport->setToolTip(uiText("Export the profile to a file"));
    m_pImport->setToolTip(uiText("Import a profile from a file"));
    m_pResetAll->setText(uiText("Reset All"));
    m_pOk->setText(uiText("OK"));
    m_pCancel->setText(uiText("Cancel"));
    m_pApply->setText(uiText("Apply"));
    m_pLoad->setText(uiText("LOAD1"));
    m_pSave->setText(uiText("SAVE"));
    static const char* const kTabTexts[kTabCount] = {"LIGHTING", "CUSTOMIZE", "DPI", "MACRO"};
    for (int i = 0; i < kTabCount; ++i)
        m_TabButtons[i]->setText(uiText(kTabTexts[i]));
    for (int i = 0; i < 3; ++i)
        m_LanguageActions[i]->setText(look::languageName(i));
    m_pLanguageButton->setText(look::languageName(look::languageId()));
    m_pFrontButton->setText(uiText("Front"));
    m_pSideButton->setText(uiText("Side"));
    // The indicators and the slot menu name the five on-board slots with one word; the profiles of the library
    // keep theirs.
    for (int i = 0; i < kSlotCount; ++i) {
        m_SlotIndicators[i]->setText(slotEntryText(i));
        m_SlotActions[i]->setText(slotEntryText(i));
    }
    m_pBatteryBar->retranslate();
    m_pLoadConfigAction->setText(uiText("&Load Config"));
    if (m_pAutostartAction)
        m_pAutostartAction->setText(uiText("Start with the desktop"));
    if (m_pNotifyAction)
        m_pNotifyAction->setText(uiText("Show messages as notifications"));
    m_pQuitAction->setText(uiText("&Quit"));
    for (int i = 0; i < kTabCount; ++i)
        if (m_TabPanels[i])
            retranslatePanel(i);
    showActiveSlot();
    update();
}

QString MousecfgWidget::slotEntryText(int iSlot) const
{
    return uiText("Slot") + QString::asprintf(" %d", iSlot + 1);
}

void MousecfgWidget::onButtonClicked()
{
    auto* button = qobject_cast<OrnPushButton*>(sender());
    if (!button || !button->isButtonEnabled())
        return;
    if (button == m_pClose) {
        putAway(WindowRequest::Close);
    } else if (button == m_pMinimise) {
        showMinimized();
    } else if (button == m_pFrontButton) {
        m_iSelectedGroup = m_iSavedGroup;
        setFrontView(true);
    } else if (button == m_pSideButton) {
        m_iSavedGroup = m_iSelectedGroup;
        m_iSelectedGroup = 1;
        setFrontView(false);
    } else if (auto indicator = std::find(m_SlotIndicators.begin(), m_SlotIndicators.end(), button);
               indicator != m_SlotIndicators.end()) {
        switchToSlot(int(indicator - m_SlotIndicators.begin()));
    } else if (auto tab = std::find(m_TabButtons.begin(), m_TabButtons.end(), button); tab != m_TabButtons.end()) {
        showTab(int(tab - m_TabButtons.begin()));
    } else if (auto front = std::find(m_FrontCallouts.begin(), m_FrontCallouts.end(), button);
               front != m_FrontCallouts.end()) {
        selectCallout(int(front - m_FrontCallouts.begin()), 0);
        buttonWindow()->showPage(quint8(front - m_FrontCallouts.begin()), 0);
    } else if (auto extra = std::find(m_ExtraCallouts.begin(), m_ExtraCallouts.end(), button);
               extra != m_ExtraCallouts.end()) {
        selectCallout(int(extra - m_ExtraCallouts.begin()), 2);
        buttonWindow()->showPage(quint8(extra - m_ExtraCallouts.begin()), 2);
    } else if (button == m_pAdd) {
        m_pCommands->add();
    } else if (button == m_pDelete) {
        m_pCommands->remove();
    } else if (button == m_pCopy) {
        m_pCommands->copy();
    } else if (button == m_pLoad) {
        m_pCommands->loadConfiguration();
    } else if (button == m_pSave) {
        m_pCommands->saveConfiguration();
    } else if (button == m_pExport) {
        m_pCommands->exportProfile();
    } else if (button == m_pImport) {
        m_pCommands->importProfile();
    } else if (button == m_pReset) {
        m_pCommands->reset();
    } else if (button == m_pResetAll) {
        m_pCommands->resetAll();
    } else if (button == m_pOk) {
        m_pCommands->ok();
    } else if (button == m_pCancel) {
        m_pCommands->cancel();
    } else if (button == m_pApply) {
        m_pCommands->apply();
    }
}

void MousecfgWidget::showTab(int iTab)
{
    if (iTab < 0 || iTab >= kTabCount)
        return;
    m_iCurrentTab = iTab;
    for (int i = 0; i < kTabCount; ++i)
        m_TabButtons[i]->setChecked(i == iTab);

    const bool bLighting = iTab == 0;
    const bool bButtons = iTab == 1;
    m_pFrontPicture->setVisible(bLighting || (bButtons && m_bFrontView));
    m_pSidePicture->setVisible(bButtons && !m_bFrontView);
    m_pFrontButton->setVisible(bButtons);
    m_pSideButton->setVisible(bButtons);
    for (OrnPushButton* callout : m_FrontCallouts)
        callout->setVisible(false);
    for (OrnPushButton* callout : m_SideCallouts)
        callout->setVisible(false);
    for (OrnPushButton* callout : m_ExtraCallouts)
        callout->setVisible(false);
    m_pSideUp->setVisible(false);
    m_pSideDown->setVisible(false);
    ensureTabPanel(iTab);
    for (int i = 0; i < kTabCount; ++i)
        if (m_TabPanels[i])
            m_TabPanels[i]->setVisible(i == iTab);
    if (bButtons)
        setFrontView(m_bFrontView);
}

void MousecfgWidget::setFrontView(bool bFront)
{
    m_bFrontView = bFront;
    placeViewCallouts();
    const bool bOnButtonsTab = m_iCurrentTab == 1;
    m_pFrontPicture->setVisible(bFront || m_iCurrentTab == 0);
    m_pSidePicture->setVisible(!bFront && bOnButtonsTab);
    if (!bFront && bOnButtonsTab)
        showSidePicture();
    for (int i = 0; i < kCalloutsPerView; ++i) {
        m_FrontCallouts[i]->setVisible(bFront && bOnButtonsTab && m_FrontCallouts[i]->property("used").toBool());
        m_SideCallouts[i]->setVisible(!bFront && bOnButtonsTab && m_SideCallouts[i]->property("used").toBool());
    }
    for (OrnPushButton* callout : m_ExtraCallouts)
        callout->setVisible(bOnButtonsTab && callout->property("used").toBool());
    m_pSideUp->setVisible(!bFront && bOnButtonsTab);
    m_pSideDown->setVisible(!bFront && bOnButtonsTab);
    m_pFrontButton->setChecked(bFront);
    m_pSideButton->setChecked(!bFront);
    if (m_pBtnWindow)
        m_pBtnWindow->setView(bFront ? m_iSelectedGroup : 1, m_SelectedIndex[bFront ? m_iSelectedGroup : 1]);
}

void MousecfgWidget::clearCalloutSelection()
{
    m_iSelectedGroup = 0;
    m_SelectedIndex.fill(0);
    for (OrnPushButton* callout : m_FrontCallouts)
        callout->setChecked(false);
    for (OrnPushButton* callout : m_SideCallouts)
        callout->setChecked(false);
    for (OrnPushButton* callout : m_ExtraCallouts)
        callout->setChecked(false);
}

void MousecfgWidget::selectCallout(int iIndex, int iGroup)
{
    m_iSelectedGroup = quint8(iGroup);
    m_SelectedIndex[iGroup] = quint8(iIndex);
    clearCalloutSelection();
    m_iSelectedGroup = quint8(iGroup);
    m_SelectedIndex[iGroup] = quint8(iIndex);
    if (iGroup == 0 && iIndex < kCalloutsPerView)
        m_FrontCallouts[iIndex]->setChecked(true);
    else if (iGroup == 1 && iIndex < kCalloutsPerView)
        m_SideCallouts[iIndex]->setChecked(true);
    else if (iGroup == 2 && iIndex < kExtraCallouts)
        m_ExtraCallouts[iIndex]->setChecked(true);
}

void MousecfgWidget::slotGotoMacro(quint8 iTab)
{
    showTab(iTab);
}

void MousecfgWidget::slotPopOneClickBox()
{
    OrnMessageBox box(2, uiText("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."), uiText("Warning"), QString(), this);
    box.exec();
}

void MousecfgWidget::slotEnableButtons(bool bEnable)
{
    for (OrnPushButton* button : {m_pExport, m_pImport, m_pAdd, m_pDelete, m_pCopy, m_pReset, m_pResetAll, m_pOk,
                                  m_pCancel, m_pApply, m_pLoad, m_pSave})
        button->setEnabled(bEnable);
    for (OrnPushButton* button : m_SlotIndicators)
        button->setEnabled(bEnable);
    for (OrnPushButton* button : m_TabButtons)
        button->setEnabled(bEnable);
    m_pProfileDrop->setEnabled(bEnable);
    m_pSlotButton->setEnabled(bEnable);
    m_pNameField->setEnabled(bEnable);
}

void MousecfgWidget::slotProfileNameChange()
{
    m_pCommands->rename(m_pNameField->text());
    // Editing ends with the rename, and so does the blinking caret.
    m_pNameField->clearFocus();
}

void MousecfgWidget::slotLanguageTriggered(QAction* action)
{
    const auto it = std::find(m_LanguageActions.begin(), m_LanguageActions.end(), action);
    if (it == m_LanguageActions.end())
        return;
    const int iLang = int(it - m_LanguageActions.begin());
    const bool bLoaded = m_pLanguage->switchLanguage(iLang);
    m_pLanguageButton->setText(look::languageName(iLang));
    if (bLoaded)
        setTexts();
}

bool MousecfgWidget::eventFilter(QObject* watched, QEvent* event)
{
    // The panels edit the working settings in place; whatever the user did, the marks follow once the
    // input has been handled.
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease || type == QEvent::Wheel) &&
        !m_bMarksPending && watched->isWidgetType() && isAncestorOf(static_cast<QWidget*>(watched))) {
        m_bMarksPending = true;
        QTimer::singleShot(0, this, &MousecfgWidget::refreshUnappliedMarks);
    }
    if (watched == m_FrontCallouts[0]) {
        if (event->type() == QEvent::Enter)
            m_FrontCallouts[0]->setChecked(true);
        else if (event->type() == QEvent::Leave)
            m_FrontCallouts[0]->setChecked(m_iSelectedGroup == 0 && m_SelectedIndex[0] == 0);
    }
    return QWidget::eventFilter(watched, event);
}

void MousecfgWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_bSystemMoveTried = false;
        m_iPressX = qRound(event->screenPos().x());
        m_iPressY = qRound(event->screenPos().y());
        m_iFrameX = frameGeometry().x();
        m_iFrameY = frameGeometry().y();
        m_bDragging = true;
    }
    QWidget::mousePressEvent(event);
}

void MousecfgWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bDragging) {
        const int dx = qRound(event->screenPos().x()) - m_iPressX;
        const int dy = qRound(event->screenPos().y()) - m_iPressY;
        // A click that wobbles a few pixels does not move the window.
        if (std::abs(dx) + std::abs(dy) > 4) {
            // The window system moves the window where it can (the only way on Wayland); elsewhere it
            // follows the pointer.
            const bool bFirstMove = !m_bSystemMoveTried;
            m_bSystemMoveTried = true;
            if (bFirstMove && windowHandle() && windowHandle()->startSystemMove())
                m_bDragging = false;
            else
                move(m_iFrameX + dx, m_iFrameY + dy);
        }
    }
    QWidget::mouseMoveEvent(event);
}

void MousecfgWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_bDragging = false;
    QWidget::mouseReleaseEvent(event);
}

void MousecfgWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& background = m_ScaledBackground.forLevel(qMax(0, m_iScaleLevel));
    if (!background.isNull())
        painter.drawPixmap(0, 0, background);
    else
        painter.fillRect(rect(), QColor(24, 24, 26));
}

void MousecfgWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_pBatteryBar)
        return;
    const QScreen* screen = window()->windowHandle() ? window()->windowHandle()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const double dRatio = look::ratioWithOverride(screen ? screen->logicalDotsPerInch() / 96.0 : 1.0);
    const look::ScaleChoice choice = look::resolveResize(dRatio, m_iScaleLevel, size() == m_RecordedSize, width());
    m_dDisplayScale = choice.dScale;
    look::setDisplayScale(m_dDisplayScale);
    const QPixmap& background = m_ScaledBackground.forLevel(choice.iLevel);
    // The frameless window takes the outline of its background picture (its alpha channel).
    const QBitmap outline = background.mask();
    if (!outline.isNull())
        setMask(outline);
    m_iScaleLevel = choice.iLevel;
    layoutChildren();
    qCDebug(lcApp, "width = %d, height = %d m_iDpiVal = %d", width(), height(), m_iScaleLevel);
}
