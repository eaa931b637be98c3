#include "app/shell/MousecfgWidget.h"

#include "app/profilebar/ProfileCommands.h"
#include "app/shell/BatteryBar.h"
#include "app/shell/MouseGlow.h"
#include "app/shell/StatusTexts.h"
#include "buttons/ui/OrnBtnWindow.h"
#include "device/protocol/DeviceCommands.h"
#include "device/status/BatteryLevel.h"
#include "editors/core/DpiConversion.h"
#include "editors/core/LightingEffects.h"
#include "editors/ui/OrnColorWindow.h"
#include "editors/ui/OrnDPIWindow.h"
#include "editors/ui/OrnPointSpeed.h"
#include "editors/ui/OrnReportRate.h"
#include "log/Log.h"
#include "look/DisplayScale.h"
#include "look/LookSettings.h"
#include "look/ThemeColor.h"
#include "look/UiText.h"
#include "platform/OsdMessage.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/ProfileFiles.h"
#include "store/ProfileList.h"
#include "widgets/MenuStyle.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnNotice.h"
#include "widgets/OrnPushButton.h"

#include <QtDebug>

namespace {

// Products whose side buttons are drawn with the second set of pictures.
const QStringList kAlternateSideButtonProducts{
    "GRAMBOLT2", "SOLVEN",   "TERRIK",     "VESKA FPS", "VESKA",     "MORVAIN", "MORVAIN3", "TOBRAN",
    "7093",      "K480-RGB", "7093-P5151", "CINDRAK",   "K263",      "K264",    "K268-RGB", "ALCYRA",
    "K269-PRO",  "K269-RGB", "K269-RGB2",  "OLVENA2",   "QUESSARO2", "TARNAVE"};

QString mouseFolder(const QString& product)
{
    return QStringLiteral("/skin/mouse/") + look::mouseSkinName(product) + QStringLiteral("/");
}

// How many front callouts a product's drawing has (the labels of the button window).
int frontCalloutCount(const QString& product)
{
    if (product == QLatin1String("Wireless Mouse"))
        return 6;
    if (product == QLatin1String("OSKEN R5"))
        return 7;
    return 10;
}

} // namespace

QPixmap MousecfgWidget::mousePicture(const QString& strPath, const QString& strGlowPath) const
{
    const QSize size(look::scaled(300, m_dDisplayScale), look::scaled(400, m_dDisplayScale));
    // Scaled before the glow is laid on: the drawings are twice the size shown, a quarter of the pixels to paint.
    const auto atSize = [&size](const QString& path) {
        const QPixmap picture(look::skinPath(path));
        return picture.isNull() ? picture : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    };
    const QPixmap picture = atSize(strPath);
    if (picture.isNull())
        return picture;
    const ConfigData& working = m_Session.working();
    const int iLighting = lightingSlotFor(readCurrentProductName(), m_Session.activeSlot());
    return withLightingGlow(picture, atSize(strGlowPath), working.slot(iLighting));
}

QString MousecfgWidget::mousePictureKey() const
{
    const QString product = readCurrentProductName();
    const ProfileData& lighting = m_Session.working().slot(lightingSlotFor(product, m_Session.activeSlot()));
    const quint8 iEffect = lighting.LedMode;
    const RgbColor colour = iEffect < lighting.modes.size() ? lighting.modes[iEffect].RGB : RgbColor();
    return QStringLiteral("%1|%2|%3|%4|%5,%6,%7")
        .arg(product)
        .arg(m_dDisplayScale)
        .arg(iEffect)
        .arg(colour.valid)
        .arg(colour.red)
        .arg(colour.green)
        .arg(colour.blue);
}

QPixmap MousecfgWidget::frontPicture(const QString& strFile) const
{
    const QString folder = mouseFolder(readCurrentProductName());
    return mousePicture(folder + strFile, folder + QStringLiteral("Mouse_glow.png"));
}

void MousecfgWidget::loadMousePictures()
{
    const QString product = readCurrentProductName();
    const QString key = mousePictureKey();
    if (key != m_FrontPictureKey) {
        m_FrontPictureKey = key;
        const QPixmap front = frontPicture(QStringLiteral("Mouse.png"));
        if (!front.isNull())
            m_pFrontPicture->setPixmap(front);
    }
    if (m_pSidePicture->isVisibleTo(this))
        showSidePicture();

    const int iFront = frontCalloutCount(product);
    const bool bExtra = product == QLatin1String("Wireless Mouse") || product == QLatin1String("OSKEN R5");
    for (int i = 0; i < kCalloutsPerView; ++i) {
        m_FrontCallouts[i]->setProperty("used", i < iFront);
        m_SideCallouts[i]->setProperty("used", false);
    }
    for (OrnPushButton* callout : m_ExtraCallouts)
        callout->setProperty("used", bExtra);
}

void MousecfgWidget::showSidePicture()
{
    const QString key = mousePictureKey();
    if (key == m_SidePictureKey)
        return;
    m_SidePictureKey = key;
    const QString sideBase =
        QStringLiteral("/skin/mouse/") + look::mouseSkinName(readCurrentProductName()) + QStringLiteral("_Side");
    const QPixmap side = mousePicture(sideBase + QStringLiteral(".png"), sideBase + QStringLiteral("_glow.png"));
    m_pSidePicture->setPixmap(side);
}

void MousecfgWidget::setSideButtonImages()
{
    const bool bAlternate = kAlternateSideButtonProducts.contains(readCurrentProductName());
    if (bAlternate) {
        m_pSideUp->setImages({"/skin/btn_up4.png", "/skin/btn_up3.png", "/skin/btn_up3.png"});
        m_pSideDown->setImages({"/skin/btn_down4.png", "/skin/btn_down3.png", "/skin/btn_down3.png"});
    } else {
        m_pSideUp->setImages({"/skin/btn_up2.png", "/skin/btn_up1.png", "/skin/btn_up1.png"});
        m_pSideDown->setImages({"/skin/btn_down2.png", "/skin/btn_down1.png", "/skin/btn_down1.png"});
    }
}

void MousecfgWidget::slotMouseOver(OrnPushButton* button, quint8 bType)
{
    // The callouts follow the button window's 20 front buttons, numbered 1..20.
    int iNumber = 0;
    for (int i = 0; i < kCalloutsPerView && m_pBtnWindow; ++i)
        if (m_pBtnWindow->label(i) == button)
            iNumber = i + 1;
    if (iNumber == 0)
        return;
    m_FrontCallouts[iNumber - 1]->setChecked(bType != 0);
    // In the side view the pictures under the thumb buttons light up for them.
    if (iNumber - 1 == OrnBtnWindow::kThumbFront)
        m_pSideUp->setChecked(bType != 0);
    else if (iNumber - 1 == OrnBtnWindow::kThumbBack)
        m_pSideDown->setChecked(bType != 0);
    const QString file = bType == 1 ? QString::asprintf("mouse_%d.png", iNumber) : QStringLiteral("Mouse.png");
    const QPixmap picture = frontPicture(file);
    if (!picture.isNull())
        m_pFrontPicture->setPixmap(picture);
    // A button's own picture is up: the next refresh paints the whole mouse again.
    if (bType == 1)
        m_FrontPictureKey.clear();
}

void MousecfgWidget::showActiveSlot()
{
    const int iSlot = m_Session.activeSlot();
    m_pSlotButton->setText(slotEntryText(iSlot));
    m_pActiveProfileLabel->setText(m_Session.slotName(iSlot));
    m_pNameField->setText(m_Session.slotName(iSlot));
    for (int i = 0; i < kSlotCount; ++i)
        m_SlotIndicators[i]->setToolTip(m_Session.slotName(i));
}

void MousecfgWidget::selectSlot(int iSlot, bool bReload)
{
    if (iSlot < 0 || iSlot >= kSlotCount)
        return;
    if (!m_Session.selectSlot(iSlot))
        qCWarning(lcApp, "The active slot could not be stored.");
    if (bReload)
        m_Session.revertSlot(iSlot);
    showActiveSlot();
    refreshEditors();
}

void MousecfgWidget::refreshEditors()
{
    const int iActive = m_Session.activeSlot();
    for (int i = 0; i < kSlotCount; ++i)
        m_SlotIndicators[i]->setChecked(i == iActive);
    loadMousePictures();
    if (m_iCurrentTab == 1)
        setFrontView(m_bFrontView);
    if (!m_pColorWindow)
        return;
    const QString product = readCurrentProductName();
    // "7138" shows slot 0's lighting whichever slot is active.
    m_pColorWindow->setProfile(&m_Session.workingRecord(lightingSlotFor(product, iActive)),
                               lightingSlotFor(product, iActive));
    showRecordInPanel(kButtonsTab);
    showRecordInPanel(kDpiTab);
    refreshUnappliedMarks();
}

void MousecfgWidget::showRecordInPanel(int iTab)
{
    ProfileData& active = m_Session.activeRecord();
    if (iTab == kButtonsTab && m_pBtnWindow) {
        m_pBtnWindow->layoutForProduct();
        m_pBtnWindow->setProfile(active);
    } else if (iTab == kDpiTab && m_pDPIWindow) {
        m_pPointSpeed->setProfile(&active);
        m_pReportRate->setProfile(&active);
        m_pDPIWindow->setProfile(&active, readSensorModel());
    }
}

void MousecfgWidget::showUnapplied(bool bUnapplied, quint8 iSlotMask)
{
    m_pApply->setMarked(bUnapplied);
    for (int i = 0; i < kSlotCount; ++i)
        m_SlotIndicators[size_t(i)]->setMarked((iSlotMask >> i) & 1);
}

void MousecfgWidget::refreshUnappliedMarks()
{
    m_bMarksPending = false;
    showUnapplied(m_Session.hasUnappliedEdits(), m_Session.unappliedSlots());
}

void MousecfgWidget::showWriteOutcome(bool bLanded)
{
    refreshUnappliedMarks();
    if (bLanded)
        showSavedConfirmation();
}

void MousecfgWidget::showSavedConfirmation()
{
    // Above "OK", "Cancel" and "Apply", where the click that wrote the settings was made.
    m_pSavedNotice->popUp(uiText("Saved to mouse"), m_pOk->geometry().united(m_pApply->geometry()));
}

void MousecfgWidget::rebuildProfileMenu()
{
    // The menu owns its entries and deletes them here.
    m_pProfileMenu->clear();
    m_ProfileActions.clear();
    for (const QString& name : m_ProfileList) {
        auto* action = new OrnAction(name, m_pProfileMenu);
        m_ProfileActions.push_back(action);
        m_pProfileMenu->addAction(action);
        connect(action, &QAction::triggered, this, [this, name] { m_pCommands->chooseProfile(name); });
    }
    m_pProfileMenu->setFixedWidth(152);
    m_pProfileMenu->setStyleSheet(widgets::menuStyleSheet());
    m_pProfileDrop->setMenu(m_pProfileMenu);
}

void MousecfgWidget::rebuildProfileMenu(const QStringList& profileList)
{
    if (&profileList != &m_ProfileList)
        m_ProfileList = profileList;
    rebuildProfileMenu();
}

void MousecfgWidget::showLoadedConfiguration()
{
    showTab(0);
    setSideButtonImages();
}

void MousecfgWidget::reloadSavedConfig()
{
    m_Session.load();
}

void MousecfgWidget::slotSlotMenuTriggered(QAction* action)
{
    const auto it = std::find(m_SlotActions.begin(), m_SlotActions.end(), action);
    if (it != m_SlotActions.end())
        switchToSlot(int(it - m_SlotActions.begin()));
}

void MousecfgWidget::switchToSlot(int iSlot)
{
    const quint8 iResult = m_pCommands->switchSlot(iSlot);
    // Refused or not, the indicators show the slot that is active.
    showActiveSlot();
    refreshEditors();
    rebuildProfileMenu();
    if (iResult == DeviceResult::Done)
        applyPointerSpeed(iSlot);
}

void MousecfgWidget::applyPointerSpeed(int iSlot)
{
    if (!m_Services.pointerSpeed || iSlot < 0 || iSlot >= kSlotCount)
        return;
    // The speed of the settings the mouse holds: those last written, or loaded when none was written yet.
    m_Services.pointerSpeed->applySpeed(m_Session.saved().slot(iSlot).mousespeed);
}

void MousecfgWidget::showOsd(const QString& strText)
{
    platform::OsdLink* link =
        m_pNotifyAction && m_pNotifyAction->isChecked() ? m_Services.notifications.get() : m_Services.osd.get();
    if (!link)
        return;
    platform::OsdMessage message;
    message.text = strText;
    const QColor theme = look::currentThemeColor();
    message.color = platform::osdColor(theme.red(), theme.green(), theme.blue());
    if (!link->send(message))
        qCDebug(lcApp, "SendMessage failed\n");
}

void MousecfgWidget::slotRefreshStatus(quint8 iProfile, quint8 iDpi, quint8 iRate, quint8 iMode)
{
    qCDebug(lcApp, "Test data:profile =%x, dpi= %x, iRate= %x, mode= %x", iProfile, iDpi, iRate, iMode);
    // The report's bytes are untrusted: the session takes only what the mouse can mean.
    const MouseChange change = m_Session.takeMouseStatus(iProfile, iDpi, iRate);
    emit statusTakenSignal(change);
    if (!change.filesStored)
        qCWarning(lcApp, "The settings the mouse reported could not all be stored.");
    const ProfileData& active = m_Session.working().activeSlot();
    if (change.profile) {
        showActiveSlot();
        refreshEditors();
        rebuildProfileMenu();
        applyPointerSpeed(iProfile);
        showOsd(profileOsdText(iProfile));
    }
    if (change.dpiStage) {
        if (m_pDPIWindow)
            m_pDPIWindow->selectStage(iDpi);
        showOsd(dpiOsdText(iDpi, dpiFromRaw(active.stages[iDpi].y, readSensorModel())));
    }
    if (change.rate) {
        if (m_pReportRate)
            m_pReportRate->setProfile(&m_Session.activeRecord());
        showOsd(rateOsdText(iRate));
    }
}

void MousecfgWidget::slotRefreshLightMode(quint8 iBuff1)
{
    m_pColorWindow->slotRefreshLightMode(iBuff1);
}

void MousecfgWidget::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    // A reading queued before the receiver was pulled out (its failed read says "asleep") arrives after the
    // bar was cleared: with no mouse there, the bar keeps showing none.
    if (m_iConnectedMice == 0)
        return;
    emit batteryHeardSignal(iCharge, iLowByte, iHiByte);
    if (iCharge == 0 && iLowByte == 0 && iHiByte == 0) {
        m_pBatteryBar->showAsleep();
        m_pChargingIcon->hide();
        m_bMouseAsleep = true;
        return;
    }
    m_bMouseAsleep = false;
    m_pChargingIcon->setVisible(iCharge != 0);
    const int iLevel = batteryPercent(iLowByte, iHiByte);
    if (iLevel != m_iLastBattery) {
        m_iLastBattery = iLevel;
        writeBattery(iLevel);
    }
    m_pBatteryBar->showReading(iLevel, look::currentThemeColor());
}

void MousecfgWidget::slotRefreshWriteStatus(quint8 iStatus)
{
    if (iStatus == 0)
        m_Session.requestFullWrite();
}
