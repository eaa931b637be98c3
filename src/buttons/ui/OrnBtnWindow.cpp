#include "buttons/ui/OrnBtnWindow.h"

#include "buttons/core/ButtonDescription.h"
#include "buttons/core/ButtonFunction.h"
#include "buttons/core/ButtonTable.h"
#include "log/Log.h"
#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "store/AppSettings.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnPushButton.h"
#include "widgets/WidgetFont.h"

#include <QDialog>
#include <QEvent>
#include <QMenu>

namespace {

namespace F = ButtonFunction;

constexpr int kMainMenuWidth = 160;
constexpr int kSubMenuWidth = 147;

// Entries of the main menu; a negative value stands for the submenu of that category.
constexpr int sub(MenuCategory category)
{
    return -1 - static_cast<int>(category);
}
const int kMainEntries[] = {F::Left,
                            F::Right,
                            F::Middle,
                            F::Forward,
                            F::Back,
                            sub(MenuCategory::Basic),
                            sub(MenuCategory::Windows),
                            sub(MenuCategory::Advance),
                            sub(MenuCategory::Media),
                            sub(MenuCategory::Dpi),
                            sub(MenuCategory::PollingRate),
                            F::Macro,
                            F::LedSwitch,
                            F::ButtonOff};
const int kExtraEntries[] = {F::ScrollUp, F::ScrollDown, F::VolumeUp, F::VolumeDown, F::Left,    F::Right,
                             F::Middle,   F::Forward,    F::Back,     F::SingleKey,  F::ComboKey};
// "Profile Menu" carries its texts for the labels but is not placed in a menu.
const int kProfileEntries[] = {F::ProfileSwitch, F::ProfileUp, F::ProfileDown};
const MenuCategory kSubMenuOrder[] = {MenuCategory::Basic,      MenuCategory::Windows, MenuCategory::Advance,
                                      MenuCategory::Media,      MenuCategory::Dpi,     MenuCategory::ProfileMenu,
                                      MenuCategory::PollingRate};

const QStringList& labelImages()
{
    static const QStringList images = {QStringLiteral("/skin/tabbutton-1.png"), QStringLiteral("/skin/tabbutton-3.png"),
                                       QStringLiteral("/skin/tabbutton-2.png")};
    return images;
}

int scaledBy(int iPixels, double dScale)
{
    return look::scaled(iPixels, dScale);
}

} // namespace

OrnBtnWindow::OrnBtnWindow(ProfileData& profile, QWidget* parent, double dScale)
    : QWidget(parent), m_pProfile(&profile), m_dScale(dScale)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
    m_runDialog = [](QDialog& dialog) { return dialog.exec(); };
    createMenus();
    createLabels();
    showPage(0, kPageFront);
    retranslate();
}

void OrnBtnWindow::createMenus()
{
    m_pMainMenu = new OrnMenu(this);
    m_pMainMenu->installEventFilter(this);
    m_pExtraMenu = new OrnMenu(this);
    m_pExtraMenu->installEventFilter(this);
    for (MenuCategory category : kSubMenuOrder)
        m_SubMenus[static_cast<int>(category)] = new OrnMenu(this);
    for (const ButtonFunctionRow& row : buttonFunctionRows()) {
        if (!row.entryText)
            continue;
        OrnAction* action = new OrnAction(this);
        const int iCode = row.code;
        connect(action, &QAction::triggered, this, [this, iCode] { pickFunction(iCode); });
        m_Actions[iCode] = action;
        if (row.category != MenuCategory::TopLevel) {
            auto subMenu = m_SubMenus.find(static_cast<int>(row.category));
            if (subMenu != m_SubMenus.end() && row.category != MenuCategory::ProfileMenu)
                subMenu->second->addAction(action);
        }
    }
    QMenu* profileMenu = m_SubMenus[static_cast<int>(MenuCategory::ProfileMenu)];
    for (int iCode : kProfileEntries)
        profileMenu->addAction(m_Actions[iCode]);
    applyMenuLook();
}

void OrnBtnWindow::createLabels()
{
    const auto makeLabel = [this](quint8 iNumber, QMenu* menu) {
        OrnPushButton* button = new OrnPushButton(labelImages(), this);
        button->setText(QStringLiteral("1"));
        button->setBadge(iNumber);
        button->setElideText(true);
        button->setMenu(menu);
        connect(button, &OrnPushButton::OverSignal, this, &OrnBtnWindow::slotMouseOver);
        connect(button, &OrnPushButton::EnterSignal, this, &OrnBtnWindow::slotMouseEnter);
        return button;
    };
    for (int i = 0; i < kFrontCount; ++i)
        m_FrontLabels[i] = makeLabel(static_cast<quint8>(i + 1), m_pMainMenu);
    for (int i = 0; i < kSideCount; ++i)
        m_SideLabels[i] = makeLabel(static_cast<quint8>(i + 1), m_pMainMenu);
    m_ExtraLabels[0] = makeLabel(OrnPushButton::kBadgeUp, m_pExtraMenu);
    m_ExtraLabels[1] = makeLabel(OrnPushButton::kBadgeDown, m_pExtraMenu);
    placeSideLabels();
}

void OrnBtnWindow::placeSideLabels()
{
    const double s = m_dScale;
    for (int i = 0; i < kSideCount; ++i)
        m_SideLabels[i]->setGeometry(scaledBy(29, s), scaledBy(62 + 25 * i, s), scaledBy(150, s), scaledBy(20, s));
}

void OrnBtnWindow::layoutForProduct()
{
    const double s = m_dScale;
    const QString strProduct = readCurrentProductName();
    const int iLabelH = scaledBy(30, s);
    const int iLabelW = scaledBy(220, s);
    const int iX = scaledBy(56, s);
    int n = 10;
    if (strProduct == QLatin1String("Wireless Mouse"))
        n = 6;
    else if (strProduct == QLatin1String("OSKEN R5"))
        n = 7;
    std::array<int, kFrontCount> y{};
    if (n == 10) {
        for (int i = 0; i < n; ++i)
            y[i] = 30 + 20 * i + iLabelH * i; // the 30 and the 20 stay unscaled
    } else {
        const int g = (height() - iLabelH * n) / (n + 1);
        for (int i = 0; i < n; ++i)
            y[i] = i * iLabelH + (i + 1) * g;
    }
    for (int i = 0; i < kFrontCount; ++i) {
        if (i < n)
            m_FrontLabels[i]->setGeometry(iX, y[i], iLabelW, iLabelH);
        else
            m_FrontLabels[i]->setGeometry(QRect());
    }
    // The wheel's two labels stand in a column of their own beside the first front labels, so no label
    // covers another.
    const int iExtraX = iX + iLabelW + scaledBy(24, s);
    m_ExtraLabels[0]->setGeometry(iExtraX, y[0], iLabelW, iLabelH);
    m_ExtraLabels[1]->setGeometry(iExtraX, y[1], iLabelW, iLabelH);
}

void OrnBtnWindow::rescale(double dScale)
{
    m_dScale = dScale;
    for (int i = 0; i < kLabelCount; ++i)
        label(i)->setGeometry(QRect());
    layoutForProduct();
    // The side labels are placed again too: they would otherwise keep no size after a scale change.
    placeSideLabels();
    applyMenuLook();
}

void OrnBtnWindow::applyMenuLook()
{
    const QFont font = widgets::scaledLanguageFont();
    for (OrnMenu* menu : {m_pMainMenu, m_pExtraMenu}) {
        menu->setFixedWidth(scaledBy(kMainMenuWidth, m_dScale));
        menu->refreshLook();
    }
    for (auto& entry : m_SubMenus) {
        entry.second->setFixedWidth(scaledBy(kSubMenuWidth, m_dScale));
        entry.second->refreshLook();
    }
    for (auto& entry : m_Actions)
        entry.second->setFont(font);
}

void OrnBtnWindow::fillMenus()
{
    m_pMainMenu->clear();
    for (int iEntry : kMainEntries) {
        if (iEntry < 0)
            m_pMainMenu->addMenu(m_SubMenus[-1 - iEntry]);
        else
            m_pMainMenu->addAction(m_Actions[iEntry]);
    }
    m_pExtraMenu->clear();
    for (int iCode : kExtraEntries)
        m_pExtraMenu->addAction(m_Actions[iCode]);
}

void OrnBtnWindow::retranslate()
{
    fillMenus();
    applyMenuLook();
    for (auto& entry : m_SubMenus)
        entry.second->setTitle(uiText(menuCategoryText(static_cast<MenuCategory>(entry.first))));
    for (auto& entry : m_Actions)
        entry.second->setText(uiText(buttonFunctionText(entry.first)));
    refreshLabels();
}

QString OrnBtnWindow::labelText(int iRecord) const
{
    // What the button does, in the words of the current language: the key, the chord, the macro and its loop.
    const ButtonInfo& record = m_pProfile->buttons[static_cast<size_t>(iRecord)];
    return buttonDescriptionText(describeButton(record, readSensorModel()),
                                 [](const char* text) { return uiText(text); });
}

void OrnBtnWindow::refreshLabels()
{
    for (int i = 0; i < kLabelCount; ++i) {
        OrnPushButton* button = label(i);
        button->setText(labelText(i));
        button->update();
    }
}

void OrnBtnWindow::setProfile(ProfileData& profile)
{
    m_pProfile = &profile;
    refreshLabels();
}

void OrnBtnWindow::setView(quint8 iPage, quint8 iIndex)
{
    m_iPage = iPage;
    m_iIndex = iIndex;
    showPage(iIndex, iPage);
    refreshLabels();
}

void OrnBtnWindow::showPage(quint8 iIndex, quint8 iPage)
{
    if (iPage != kNone)
        m_iPage = iPage;
    m_iIndex = iIndex;
    const bool bSide = m_iPage == kPageSide;
    // A product that sends none of the side records gets no page of blank labels: the side page shows the two
    // thumb buttons the side drawing shows (records 3 and 4, "Forward" and "Back" by default).
    const bool bThumbsOnly = bSide && sideShowsThumbButtons();
    for (int i = 0; i < kFrontCount; ++i)
        m_FrontLabels[i]->setVisible(!bSide || (bThumbsOnly && (i == kThumbFront || i == kThumbBack)));
    for (OrnPushButton* button : m_ExtraLabels)
        button->setVisible(!bSide);
    for (OrnPushButton* button : m_SideLabels)
        button->setVisible(bSide && !bThumbsOnly);
    // The twenty side labels reach below a 440-high panel: the panel grows so a scroll area can reach
    // them all, and takes its height back for the front page, whose gaps follow the height.
    if (bSide && !bThumbsOnly) {
        const int iNeeded = m_SideLabels.back()->geometry().bottom() + 1 + scaledBy(5, m_dScale);
        if (height() < iNeeded) {
            if (m_iFrontHeight == 0)
                m_iFrontHeight = height();
            setMinimumHeight(iNeeded);
            resize(width(), iNeeded);
        }
    } else if (m_iFrontHeight > 0) {
        setMinimumHeight(0);
        resize(width(), m_iFrontHeight);
        m_iFrontHeight = 0;
        layoutForProduct();
    }
}

bool OrnBtnWindow::sideShowsThumbButtons() const
{
    const QString strProduct = readCurrentProductName();
    for (int i = kFrontCount; i < kFrontCount + kSideCount; ++i) {
        if (sendsRecord(strProduct, i))
            return false;
    }
    return sendsRecord(strProduct, kThumbFront) && sendsRecord(strProduct, kThumbBack);
}

OrnPushButton* OrnBtnWindow::label(int iRecord) const
{
    if (iRecord < 0 || iRecord >= kLabelCount)
        return nullptr;
    if (iRecord < kFrontCount)
        return m_FrontLabels[iRecord];
    if (iRecord < kFrontCount + kSideCount)
        return m_SideLabels[iRecord - kFrontCount];
    return m_ExtraLabels[iRecord - kFrontCount - kSideCount];
}

OrnAction* OrnBtnWindow::action(int iCode) const
{
    const auto found = m_Actions.find(iCode);
    return found == m_Actions.end() ? nullptr : found->second;
}

int OrnBtnWindow::selectedRecord() const
{
    if (m_iPage == kPageFront && m_iIndex < kFrontCount)
        return m_iIndex;
    if (m_iPage == kPageSide && m_iIndex < kSideCount)
        return kFrontCount + m_iIndex;
    if (m_iPage == kPageExtra && m_iIndex < kExtraCount)
        return kFrontCount + kSideCount + m_iIndex;
    return -1;
}

OrnPushButton* OrnBtnWindow::selectedLabel() const
{
    return label(selectedRecord());
}

void OrnBtnWindow::slotMouseOver(OrnPushButton* button, quint8 bType)
{
    for (int i = 0; i < kLabelCount; ++i) {
        if (label(i) == button)
            emit SelBtnControl(button, bType);
    }
}

void OrnBtnWindow::slotMouseEnter(OrnPushButton* button)
{
    for (int i = 0; i < kLabelCount; ++i) {
        if (label(i) != button)
            continue;
        if (i < kFrontCount) {
            m_iPage = kPageFront;
            m_iIndex = static_cast<quint8>(i);
        } else if (i < kFrontCount + kSideCount) {
            m_iPage = kPageSide;
            m_iIndex = static_cast<quint8>(i - kFrontCount);
        } else {
            m_iPage = kPageExtra;
            m_iIndex = static_cast<quint8>(i - kFrontCount - kSideCount);
        }
        return;
    }
}

void OrnBtnWindow::OnMouseEnterSlot(OrnPushButton* button)
{
    for (int i = 0; i < kFrontCount; ++i) {
        if (m_FrontLabels[i] == button) {
            showPage(static_cast<quint8>(i), kPageFront);
            qCDebug(lcUi, "OnMouseEnterSlot %d", i);
            return;
        }
    }
}

bool OrnBtnWindow::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_pMainMenu || watched == m_pExtraMenu) && event->type() == QEvent::Hide) {
        if (OrnPushButton* button = selectedLabel())
            emit SelBtnControl(button, 0);
    }
    return QWidget::eventFilter(watched, event);
}

void OrnBtnWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The gaps between the front labels follow the panel's height.
    layoutForProduct();
}

void OrnBtnWindow::setDialogRunner(DialogRunner runner)
{
    m_runDialog = std::move(runner);
}

int OrnBtnWindow::runDialog(QDialog& dialog)
{
    return m_runDialog(dialog);
}
