#include "app/shell/MousecfgWidget.h"

#include "app/shell/BatteryBar.h"
#include "log/Log.h"
#include "look/DisplayScale.h"
#include "look/Language.h"
#include "look/UiText.h"
#include "platform/DeviceAccess.h"
#include "store/AppSettings.h"
#include "store/ProfileFiles.h"
#include "store/ProfileList.h"
#include "widgets/MenuStyle.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnMessageBox.h"
#include "widgets/OrnPushButton.h"

#include <QThread>
#include <QTimer>
#include <QtDebug>

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (isHidden() || isMinimized())
        slotWarning();
    else if (!m_bNoMouseWarningActive)
        putAway(WindowRequest::Hide);
}

void MousecfgWidget::slotWarning()
{
    bringToFront();
    if (m_iConnectedMice != 0) {
        // A mouse that came back before the warning was shown leaves no warning pending, so the tray
        // can hide the window again.
        m_bNoMouseWarningActive = false;
        if (!m_Services.link->hasCommandHandle())
            showOpenFailure();
        return;
    }
    if (m_pWarningBox) {
        // Asked again while the warning is up: it only comes to the front.
        m_pWarningBox->raise();
        m_pWarningBox->activateWindow();
        return;
    }
    m_bNoMouseWarningActive = true;
    // The box closes by itself once the device table holds a connected mouse again.
    OrnMessageBox box(2, uiText("NO MOUSE DETECTED!"), uiText("Warning"), QString(), this, true,
                      Qt::FramelessWindowHint, [this] { return m_Services.link->connectedMouseCount() != 0; });
    m_pWarningBox = &box;
    const int iResult = box.exec();
    m_pWarningBox = nullptr;
    if (iResult == 1 && m_iConnectedMice == 0)
        putAway(WindowRequest::Hide);
    m_bNoMouseWarningActive = false;
}

void MousecfgWidget::slotWarnClose()
{
    openDevice(currentProductName());
    startStatusThread();
    clearCalloutSelection();
    m_bFrontView = true;
    showCurrentProduct();
    selectCallout(0, 0);
    setSideButtonImages();
    refreshEditors();
    m_pBatteryBar->showStored(readBattery());
    if (!m_Services.link->hasCommandHandle())
        showOpenFailure();
}

void MousecfgWidget::showOpenFailure()
{
    // The command collection of the current product is the one every write needs.
    QByteArray path;
    const QByteArray product = currentProductName();
    const MouseDescriptorTable& table = m_Services.link->deviceTable();
    for (quint32 i = 0; i < qMin<quint32>(table.count, kMaxMouseDescriptors) && path.isEmpty(); ++i) {
        const MouseDescriptor& entry = table.entries[i];
        if (descriptorProductName(entry) != product)
            continue;
        if (entry.presentA1 && entry.presentA2)
            path = devicePath(entry.pathA2);
        else if (entry.presentB1 && entry.presentB2)
            path = devicePath(entry.pathB2);
    }
    const platform::NodeAccess access =
        m_Services.probeNode ? m_Services.probeNode(path) : platform::NodeAccess::Failed;
    const QString text = uiText("The receiver is plugged in but cannot be opened.") + QLatin1Char('\n') +
                         uiText(platform::nodeAccessCause(access)) + QLatin1Char('\n') +
                         uiText(platform::nodeAccessFix(access));
    OrnMessageBox box(2, text, uiText("Warning"), QString(), this);
    box.exec();
}

void MousecfgWidget::showCurrentProduct()
{
    loadMousePictures();
    layoutChildren();
    reloadSavedConfig();
    showActiveSlot();
    m_ProfileList = loadProfileList();
    rebuildProfileMenu();
    writeDefaultProfileFile();
    showTab(0);
}

void MousecfgWidget::refreshMouseList()
{
    m_MouseNames.clear();
    const MouseDescriptorTable& table = m_Services.link->deviceTable();
    if (m_pMouseNameButton && table.count < 2)
        m_pMouseNameButton->hide();

    // Connected: both collections of one identity present.
    m_iConnectedMice = 0;
    delete m_pMouseNameMenu;
    m_pMouseNameMenu = new OrnMenu(this);
    const quint32 count = qMin<quint32>(table.count, kMaxMouseDescriptors);
    for (quint32 i = 0; i < count; ++i) {
        const MouseDescriptor& entry = table.entries[i];
        if (!((entry.presentA1 && entry.presentA2) || (entry.presentB1 && entry.presentB2)))
            continue;
        const QString name = QString::fromUtf8(descriptorProductName(entry));
        m_MouseNames << name;
        m_pMouseNameMenu->addAction(new OrnAction(name, m_pMouseNameMenu));
        ++m_iConnectedMice;
    }

    if (m_iConnectedMice >= 2) {
        QString current = readCurrentProductName();
        if (!m_MouseNames.contains(current)) {
            current = m_MouseNames.first();
            writeCurrentProductName(current);
        }
        connect(m_pMouseNameMenu, &QMenu::triggered, this, &MousecfgWidget::slot_show_mousename);
        if (m_pMouseNameButton) {
            m_pMouseNameButton->setText(current);
            m_pMouseNameButton->setMenu(m_pMouseNameMenu);
            m_pMouseNameButton->setFixedWidth(look::scaled(150, m_dDisplayScale));
            m_pMouseNameMenu->setStyleSheet(widgets::menuStyleSheet());
            m_pMouseNameButton->setFont(look::languageFont());
            m_pMouseNameButton->show();
        }
    } else if (m_iConnectedMice == 1) {
        if (m_pMouseNameButton)
            m_pMouseNameButton->hide();
        qCDebug(lcApp) << "RefreshMouseList" << m_MouseNames.first();
        writeCurrentProductName(m_MouseNames.first());
    } else {
        if (m_pMouseNameButton)
            m_pMouseNameButton->hide();
        writeCurrentProductName(QString());
    }
}

void MousecfgWidget::slot_show_mousename(QAction* action)
{
    if (!action)
        return;
    stopStatusThread();
    pause(50);
    closeDevice();
    pause(50);
    writeCurrentProductName(action->text());
    openDevice(action->text().toUtf8());
    pause(50);
    showCurrentProduct();
    setSideButtonImages();
    refreshEditors();
    startStatusThread();
}

void MousecfgWidget::handleDeviceChange(const platform::DeviceChangeEvent& event)
{
    m_pHotplug->handleDeviceChange(event);
}

void MousecfgWidget::openDevice(const QByteArray& productName)
{
    m_Services.link->OpenDevice(productName.constData());
    emit mousePluggedSignal(m_Services.link->hasCommandHandle());
}

void MousecfgWidget::closeDevice()
{
    m_Services.link->CloseDevice();
}

void MousecfgWidget::stopStatusThread()
{
    // Waits, bounded, so that no handle is closed or written under the thread's read.
    m_StatusRunner.stop();
}

void MousecfgWidget::startStatusThread()
{
    OrnGetBatteryThread* thread = m_StatusRunner.start();
    if (!thread)
        return;
    connect(thread, &OrnGetBatteryThread::RefreshBatteryStatus, this, &MousecfgWidget::slotRefreshBatteryStatus,
            Qt::QueuedConnection);
    connect(thread, &OrnGetBatteryThread::RefreshStatus, this, &MousecfgWidget::slotRefreshStatus,
            Qt::QueuedConnection);
    connect(thread, &OrnGetBatteryThread::RefreshWriteStatus, this, &MousecfgWidget::slotRefreshWriteStatus,
            Qt::QueuedConnection);
}

void MousecfgWidget::scheduleWarnClose()
{
    m_bWarnClosePending = true;
    m_SettleTimer.start();
}

void MousecfgWidget::scheduleNoMouseWarning()
{
    m_iConnectedMice = 0;
    emit mousePluggedSignal(false);
    // The last reading belongs to a mouse that is gone.
    m_pBatteryBar->showUnplugged();
    m_pChargingIcon->hide();
    m_bNoMouseWarningActive = true;
    m_bWarningPending = true;
    m_SettleTimer.start();
}

void MousecfgWidget::settleAfterPlugging()
{
    // Decided from what the device table holds now, not from what the events on the way announced: a
    // receiver plugged in and pulled out again within the wait leaves no mouse, and one pulled out and
    // plugged in again leaves no warning.
    const bool bConnected = m_Services.link->connectedMouseCount() != 0;
    const bool bWarnClose = m_bWarnClosePending;
    const bool bWarning = m_bWarningPending;
    m_bWarnClosePending = m_bWarningPending = false;
    if (bConnected) {
        if (!m_pWarningBox)
            m_bNoMouseWarningActive = false;
        if (bWarnClose || bWarning)
            slotWarnClose();
    } else if (bWarning || bWarnClose) {
        m_iConnectedMice = 0;
        slotWarning();
    }
}

void MousecfgWidget::scheduleReopen()
{
    m_ReopenTimer.start();
}

void MousecfgWidget::reopenCurrentProduct()
{
    const QByteArray product = currentProductName();
    if (!HotplugHandler::productPresent(m_Services.link->deviceTable(), product))
        return;
    openDevice(product);
    startStatusThread();
}

void MousecfgWidget::reloadProductSettings()
{
    reloadSavedConfig();
    loadMousePictures();
    setSideButtonImages();
    showActiveSlot();
    refreshEditors();
}

void MousecfgWidget::pause(int iMilliseconds)
{
    QThread::msleep(ulong(iMilliseconds));
}

QByteArray MousecfgWidget::currentProductName() const
{
    return readCurrentProductName().toUtf8();
}

void MousecfgWidget::requestFullWrite()
{
    writeDiff(1);
}
