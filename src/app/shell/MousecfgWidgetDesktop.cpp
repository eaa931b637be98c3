#include "app/shell/MousecfgWidget.h"

#include "log/Log.h"
#include "look/LookSettings.h"
#include "look/UiText.h"
#include "store/AppSettings.h"
#include "widgets/OrnMessageBox.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMenu>

void MousecfgWidget::buildTray()
{
    m_pTrayWatch = std::make_unique<TrayWatch>(m_Services.trayAvailable, m_Services.trayChanges.get());
    connect(m_pTrayWatch.get(), &TrayWatch::availabilityChanged, this, &MousecfgWidget::onTrayAvailabilityChanged);

    m_pLoadConfigAction = new QAction(uiText("&Load Config"), this);
    connect(m_pLoadConfigAction, &QAction::triggered, this, &MousecfgWidget::slotWarning);
    m_pQuitAction = new QAction(uiText("&Quit"), this);
    connect(m_pQuitAction, &QAction::triggered, this, &MousecfgWidget::quitRequested);

    m_pTrayMenu = new QMenu(this);
    m_pTrayMenu->addAction(m_pLoadConfigAction);
    if (m_Services.autostart) {
        m_pAutostartAction = new QAction(uiText("Start with the desktop"), this);
        m_pAutostartAction->setCheckable(true);
        m_pAutostartAction->setChecked(m_Services.autostart->isEnabled());
        connect(m_pAutostartAction, &QAction::toggled, this, [this](bool bEnabled) {
            if (m_Services.autostart->setEnabled(bEnabled))
                return;
            const QSignalBlocker blocker(m_pAutostartAction);
            m_pAutostartAction->setChecked(!bEnabled);
            OrnMessageBox box(2, uiText("The desktop's start-up list could not be changed."), uiText("Warning"),
                              QString(), this);
            box.exec();
        });
        m_pTrayMenu->addAction(m_pAutostartAction);
    }
    if (m_Services.notifications) {
        m_pNotifyAction = new QAction(uiText("Show messages as notifications"), this);
        m_pNotifyAction->setCheckable(true);
        // Where no window can be placed on top, notifications are the only way.
        m_pNotifyAction->setChecked(notificationsForced() || readOsdNotifications());
        m_pNotifyAction->setEnabled(!notificationsForced());
        connect(m_pNotifyAction, &QAction::toggled, this, [](bool bOn) {
            if (!writeOsdNotifications(bOn))
                qCWarning(lcApp, "The choice of notifications could not be stored; it holds until the program ends.");
        });
        m_pTrayMenu->addAction(m_pNotifyAction);
    }
    m_pTrayMenu->addAction(m_pQuitAction);

    m_pTray = new QSystemTrayIcon(this);
    m_pTray->setContextMenu(m_pTrayMenu);
    connect(m_pTray, &QSystemTrayIcon::activated, this, &MousecfgWidget::iconActivated);

    const QIcon icon(look::skinPath(QStringLiteral("/skin/icon.ico")));
    m_pTray->setIcon(icon);
    setWindowIcon(icon);
    m_pTray->setToolTip(QStringLiteral("OSKEN R5"));
    m_pTray->setVisible(true);
}

bool MousecfgWidget::notificationsForced() const
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void MousecfgWidget::startUpCheck()
{
    if (!m_bStartHidden) {
        slotWarning();
        return;
    }
    m_pTrayWatch->check();
    if (!m_pTrayWatch->isAvailable())
        showMinimized();
}

void MousecfgWidget::putAway(WindowRequest request)
{
    m_pTrayWatch->check();
    switch (windowActionFor(request, m_pTrayWatch->isAvailable(), isHidden())) {
    case WindowAction::Hide:
        hide();
        break;
    case WindowAction::Minimise:
        showMinimized();
        break;
    case WindowAction::Quit:
        emit quitRequested();
        break;
    case WindowAction::Nothing:
        break;
    }
}

void MousecfgWidget::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MousecfgWidget::onTrayAvailabilityChanged(bool bAvailable)
{
    if (bAvailable) {
        // Registers the icon with the notification area that just appeared.
        m_pTray->hide();
        m_pTray->show();
        return;
    }
    putAway(WindowRequest::TrayLost);
}

void MousecfgWidget::activateFromAnotherStart()
{
    // The warning box, when up, comes to the front instead of a second one.
    QTimer::singleShot(0, this, &MousecfgWidget::slotWarning);
}
