#include "app/shell/MousecfgWidget.h"

#include "app/shell/BatteryBar.h"
#include "buttons/ui/OrnBtnWindow.h"
#include "editors/ui/OrnColorWindow.h"
#include "editors/ui/OrnDPIWindow.h"
#include "editors/ui/OrnPointSpeed.h"
#include "editors/ui/OrnReportRate.h"
#include "look/DisplayScale.h"
#include "look/Language.h"
#include "look/LookSettings.h"
#include "look/UiText.h"
#include "macro/core/MacroBindings.h"
#include "macro/ui/MacroDialog.h"
#include "store/AppSettings.h"
#include "widgets/MenuStyle.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnNotice.h"
#include "widgets/OrnPushButton.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QScrollArea>

namespace {

// Geometry at scale 1; every rectangle is multiplied by the display scale.
struct BaseRect
{
    int x, y, w, h;
};

const QStringList kTextButton{QStringLiteral("/skin/button-1.png"), QStringLiteral("/skin/button-2.png"),
                              QStringLiteral("/skin/button-3.png"), QStringLiteral("/skin/button-4.png")};
const QStringList kCallout{QStringLiteral("/skin/callout-1.png"), QStringLiteral("/skin/callout-2.png"),
                           QStringLiteral("/skin/callout-3.png")};

QStringList iconImages(const QString& name)
{
    return {QStringLiteral("/skin/%1-1.png").arg(name), QStringLiteral("/skin/%1-2.png").arg(name),
            QStringLiteral("/skin/%1-3.png").arg(name), QStringLiteral("/skin/%1-4.png").arg(name)};
}

// Callout positions beside the mouse picture (300 x 400 at 60, 100): the first ones match the buttons of
// the drawing (left, right, middle, forward, back, DPI, the button behind the wheel), the others are
// spread along the sides for models with more buttons.
constexpr BaseRect kFrontCalloutRects[MousecfgWidget::kCalloutsPerView] = {
    {96, 150, 26, 26},  {298, 150, 26, 26}, {197, 122, 26, 26}, {40, 300, 26, 26},  {40, 350, 26, 26},
    {197, 230, 26, 26}, {197, 270, 26, 26}, {354, 300, 26, 26}, {354, 350, 26, 26}, {40, 250, 26, 26},
    {354, 250, 26, 26}, {40, 400, 26, 26},  {354, 400, 26, 26}, {40, 200, 26, 26},  {354, 200, 26, 26},
    {40, 450, 26, 26},  {354, 450, 26, 26}, {96, 470, 26, 26},  {298, 470, 26, 26}, {197, 470, 26, 26}};
// The wheel's up and down: beside the wheel in the front view (wheel at 197..223, 164..230), above the wheel
// disc of the side view (centre 169, 262).
constexpr BaseRect kExtraCalloutRects[MousecfgWidget::kExtraCallouts] = {{166, 168, 26, 26}, {228, 198, 26, 26}};
constexpr BaseRect kSideExtraCalloutRects[MousecfgWidget::kExtraCallouts] = {{134, 226, 26, 26}, {179, 226, 26, 26}};
// The side-button pictures stand under the two thumb buttons of the side view (centres x 169 and 216), clear of
// the logo on the back of the shell.
constexpr BaseRect kSideUpRect{147, 364, 44, 32};
constexpr BaseRect kSideDownRect{194, 364, 44, 32};

void place(QWidget* widget, const BaseRect& r, double dScale)
{
    widget->setGeometry(look::scaled(r.x, dScale), look::scaled(r.y, dScale), look::scaled(r.w, dScale),
                        look::scaled(r.h, dScale));
}

} // namespace

void MousecfgWidget::buildWidgets()
{
    m_pClose = makeButton(iconImages(QStringLiteral("close")));
    m_pMinimise = makeButton(iconImages(QStringLiteral("minimise")));

    m_pLanguageMenu = new OrnMenu(this);
    for (int i = 0; i < 3; ++i) {
        m_LanguageActions[i] = new OrnAction(look::languageName(i), m_pLanguageMenu);
        m_pLanguageMenu->addAction(m_LanguageActions[i]);
    }
    connect(m_pLanguageMenu, &QMenu::triggered, this, &MousecfgWidget::slotLanguageTriggered);
    m_pLanguageButton = makeButton(kTextButton, false);
    m_pLanguageButton->setMenu(m_pLanguageMenu);

    m_pMouseNameButton = makeButton(kTextButton, false);
    m_pMouseNameButton->setVisible(m_MouseNames.size() >= 2);
    if (m_pMouseNameMenu)
        m_pMouseNameButton->setMenu(m_pMouseNameMenu);

    m_pVersionLabel = new OrnLabel(this);
    m_pVersionLabel->setSizeReduction(2);
    m_pBatteryBar = new BatteryBar(this);
    // The level of the last run, greyed until the mouse answers.
    if (m_iConnectedMice > 0)
        m_pBatteryBar->showStored(readBattery());
    m_pChargingIcon = new OrnLabel(this);
    m_pChargingIcon->setPixmap(QPixmap(look::skinPath(QStringLiteral("/skin/lightning.png"))));
    m_pChargingIcon->setScaledContents(true);
    m_pChargingIcon->hide();

    m_pFrontPicture = new OrnLabel(this);
    m_pFrontPicture->setAlignment(Qt::AlignCenter);
    m_pSidePicture = new OrnLabel(this);
    m_pSidePicture->setAlignment(Qt::AlignCenter);

    buildCallouts();
    buildProfileBar();
    setSideButtonImages();
}

void MousecfgWidget::buildCallouts()
{
    for (int i = 0; i < kCalloutsPerView; ++i) {
        m_FrontCallouts[i] = makeButton(kCallout);
        m_FrontCallouts[i]->setCheckable(true);
        m_FrontCallouts[i]->setText(QString::number(i + 1));
        m_SideCallouts[i] = makeButton(kCallout);
        m_SideCallouts[i]->setCheckable(true);
        m_SideCallouts[i]->setText(QString::number(i + 1));
    }
    for (int i = 0; i < kExtraCallouts; ++i) {
        m_ExtraCallouts[i] = makeButton(kCallout);
        m_ExtraCallouts[i]->setCheckable(true);
        m_ExtraCallouts[i]->setText(i == 0 ? QStringLiteral("\u2191") : QStringLiteral("\u2193"));
    }
    m_FrontCallouts[0]->installEventFilter(this);

    m_pFrontButton = makeButton(kTextButton);
    m_pFrontButton->setCheckable(true);
    m_pSideButton = makeButton(kTextButton);
    m_pSideButton->setCheckable(true);
    m_pSideUp = makeButton({});
    m_pSideDown = makeButton({});
}

void MousecfgWidget::buildProfileBar()
{
    for (int i = 0; i < kSlotCount; ++i) {
        m_SlotIndicators[i] = makeButton(kTextButton);
        m_SlotIndicators[i]->setCheckable(true);
    }

    m_pSlotMenu = new OrnMenu(this);
    for (int i = 0; i < kSlotCount; ++i) {
        m_SlotActions[i] = new OrnAction(slotEntryText(i), m_pSlotMenu);
        m_pSlotMenu->addAction(m_SlotActions[i]);
    }
    connect(m_pSlotMenu, &QMenu::triggered, this, &MousecfgWidget::slotSlotMenuTriggered);
    m_pSlotButton = makeButton(kTextButton, false);
    m_pSlotButton->setMenu(m_pSlotMenu);

    m_pActiveProfileLabel = new OrnLabel(this);
    m_pActiveProfileLabel->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    m_pProfileMenu = new OrnMenu(this);
    m_pProfileDrop = makeButton(iconImages(QStringLiteral("drop")), false);
    m_pNameLabel = new OrnLabel(this);
    m_pNameLabel->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    m_pNameField = new OrnLineEdit(this);
    m_pNameField->setStyleSheet(QStringLiteral("QLineEdit{background-color:rgb(30,30,32);color:rgb(230,230,230);"
                                               "border:1px solid rgb(80,80,84);border-radius:3px;padding:0 4px;"
                                               "selection-background-color:rgb(80,80,84);}"));
    // The field takes the keyboard only when clicked: a caret blinking in an idle window wakes the program
    // twice a second.
    m_pNameField->setFocusPolicy(Qt::ClickFocus);
    connect(m_pNameField, &QLineEdit::returnPressed, this, &MousecfgWidget::slotProfileNameChange);

    m_pReset = makeButton(iconImages(QStringLiteral("reset")));
    m_pAdd = makeButton(iconImages(QStringLiteral("add")));
    m_pDelete = makeButton(iconImages(QStringLiteral("delete")));
    m_pCopy = makeButton(iconImages(QStringLiteral("copy")));
    m_pExport = makeButton(iconImages(QStringLiteral("export")));
    m_pImport = makeButton(iconImages(QStringLiteral("import")));
    m_pSavedNotice = new OrnNotice(this);
    m_pResetAll = makeButton(kTextButton);
    m_pOk = makeButton(kTextButton);
    m_pCancel = makeButton(kTextButton);
    m_pApply = makeButton(kTextButton);
    m_pLoad = makeButton(kTextButton);
    m_pSave = makeButton(kTextButton);
}

void MousecfgWidget::buildPanels()
{
    const int iActive = m_Session.activeSlot();
    const int iLighting = lightingSlotFor(readCurrentProductName(), iActive);
    m_TabPanels[kLightingTab] = new QWidget(this);
    m_pColorWindow = new OrnColorWindow(m_TabPanels[kLightingTab], &m_Session.workingRecord(iLighting));
    connect(m_pColorWindow, &OrnColorWindow::LightingChangedSignal, this, [this] { loadMousePictures(); });
}

QWidget* MousecfgWidget::ensureTabPanel(int iTab)
{
    if (iTab < 0 || iTab >= kTabCount)
        return nullptr;
    if (m_TabPanels[iTab])
        return m_TabPanels[iTab];
    if (iTab == kButtonsTab)
        buildButtonPanel();
    else if (iTab == kDpiTab)
        buildDpiPanel();
    else if (iTab == kMacroTab)
        buildMacroPanel();
    m_TabPanels[iTab]->hide();
    layoutPanel(iTab);
    showRecordInPanel(iTab);
    return m_TabPanels[iTab];
}

void MousecfgWidget::buildButtonPanel()
{
    m_pButtonScroll = new QScrollArea(this);
    m_pButtonScroll->setStyleSheet(QStringLiteral("QScrollArea{background-color:transparent;margin:0px;border:0px}"));
    m_pButtonScroll->viewport()->setStyleSheet(QStringLiteral("background-color:transparent;margin:0px;"));
    m_pBtnWindow = new OrnBtnWindow(m_Session.activeRecord(), m_pButtonScroll, m_dDisplayScale);
    connect(m_pBtnWindow, &OrnBtnWindow::SelBtnControl, this, &MousecfgWidget::slotMouseOver);
    connect(m_pBtnWindow, &OrnBtnWindow::GotoMacroTab, this, &MousecfgWidget::slotGotoMacro);
    connect(m_pBtnWindow, &OrnBtnWindow::PopOneClickBox, this, &MousecfgWidget::slotPopOneClickBox);
    // The side page is taller than the tab: the scroll area keeps the panel's own height.
    m_pButtonScroll->setWidget(m_pBtnWindow);
    m_pButtonScroll->setWidgetResizable(false);
    m_pButtonScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_TabPanels[kButtonsTab] = m_pButtonScroll;
}

void MousecfgWidget::buildDpiPanel()
{
    ProfileData& active = m_Session.activeRecord();
    m_TabPanels[kDpiTab] = new QWidget(this);
    m_pDPIWindow = new OrnDPIWindow(m_TabPanels[kDpiTab], &active);
    m_pReportRate = new OrnReportRate(m_TabPanels[kDpiTab], &active);
    m_pPointSpeed = new OrnPointSpeed(m_TabPanels[kDpiTab], &active);
}

void MousecfgWidget::buildMacroPanel()
{
    m_pMacroDialog = new MacroDialog(this);
    connect(m_pMacroDialog, &MacroDialog::EnableButtonsSignal, this, &MousecfgWidget::slotEnableButtons);
    m_pMacroDialog->setLiveConfigs([this] {
        return std::vector<const ConfigData*>{&m_Session.working(), &m_Session.saved()};
    });
    // The settings follow a rename, and the buttons show the new name.
    connect(m_pMacroDialog, &MacroDialog::MacroRenamedSignal, this,
            [this](const QString& strOld, const QString& strNew) {
                m_Session.renameMacro(strOld, strNew);
                if (m_pBtnWindow)
                    m_pBtnWindow->setProfile(m_Session.activeRecord());
            });
    m_TabPanels[kMacroTab] = m_pMacroDialog;
}

void MousecfgWidget::layoutPanel(int iTab)
{
    const double s = m_dDisplayScale;
    place(m_TabPanels[iTab], {414, 100, 572, 440}, s);
    switch (iTab) {
    case kLightingTab:
        place(m_pColorWindow, {51, 20, OrnColorWindow::kBaseWidth, OrnColorWindow::kBaseHeight}, s);
        m_pColorWindow->applyScale();
        break;
    case kButtonsTab:
        m_pBtnWindow->resize(look::scaled(572, s), look::scaled(440, s));
        m_pBtnWindow->rescale(s);
        m_pBtnWindow->layoutForProduct();
        break;
    case kDpiTab:
        place(m_pDPIWindow, {51, 0, OrnDPIWindow::kBaseWidth, OrnDPIWindow::kBaseHeight}, s);
        place(m_pReportRate, {0, 352, OrnReportRate::kBaseWidth, OrnReportRate::kBaseHeight}, s);
        place(m_pPointSpeed, {186, 352, OrnPointSpeed::kBaseWidth, OrnPointSpeed::kBaseHeight}, s);
        m_pDPIWindow->applyScale();
        m_pReportRate->applyScale();
        m_pPointSpeed->applyScale();
        break;
    case kMacroTab:
        m_pMacroDialog->applyScale();
        break;
    }
}

void MousecfgWidget::retranslatePanel(int iTab)
{
    switch (iTab) {
    case kLightingTab:
        m_pColorWindow->retranslateUi();
        break;
    case kButtonsTab:
        m_pBtnWindow->retranslate();
        break;
    case kDpiTab:
        m_pDPIWindow->retranslateUi();
        m_pReportRate->retranslateUi();
        m_pPointSpeed->retranslateUi();
        break;
    case kMacroTab:
        m_pMacroDialog->retranslateUi();
        break;
    }
}

void MousecfgWidget::placeViewCallouts()
{
    const double s = m_dDisplayScale;
    for (int i = 0; i < kExtraCallouts; ++i)
        place(m_ExtraCallouts[i], m_bFrontView ? kExtraCalloutRects[i] : kSideExtraCalloutRects[i], s);
    place(m_pSideUp, kSideUpRect, s);
    place(m_pSideDown, kSideDownRect, s);
}

void MousecfgWidget::layoutChildren()
{
    const double s = m_dDisplayScale;
    place(m_pMouseNameButton, {620, 14, 150, 26}, s);
    place(m_pLanguageButton, {780, 14, 130, 26}, s);
    place(m_pMinimise, {924, 14, 26, 26}, s);
    place(m_pClose, {956, 14, 26, 26}, s);

    place(m_pBatteryBar, {28, 56, 92, 14}, s);
    place(m_pChargingIcon, {126, 52, 14, 22}, s);
    place(m_pVersionLabel, {28, 76, 180, 18}, s);

    for (int i = 0; i < kTabCount; ++i)
        place(m_TabButtons[i], {420 + i * 141, 52, 136, 38}, s);
    for (int i = 0; i < kTabCount; ++i)
        if (m_TabPanels[i])
            layoutPanel(i);

    place(m_pFrontPicture, {60, 100, 300, 400}, s);
    place(m_pSidePicture, {60, 100, 300, 400}, s);
    for (int i = 0; i < kCalloutsPerView; ++i) {
        place(m_FrontCallouts[i], kFrontCalloutRects[i], s);
        place(m_SideCallouts[i], kFrontCalloutRects[i], s);
    }
    placeViewCallouts();
    place(m_pFrontButton, {112, 510, 92, 28}, s);
    place(m_pSideButton, {214, 510, 92, 28}, s);

    for (int i = 0; i < kSlotCount; ++i)
        place(m_SlotIndicators[i], {28 + i * 78, 552, 74, 28}, s);
    place(m_pLoad, {700, 552, 90, 28}, s);
    place(m_pSave, {796, 552, 90, 28}, s);
    place(m_pExport, {920, 552, 28, 28}, s);
    place(m_pImport, {954, 552, 28, 28}, s);

    place(m_pSlotButton, {28, 596, 104, 30}, s);
    place(m_pActiveProfileLabel, {138, 596, 150, 30}, s);
    place(m_pProfileDrop, {290, 597, 28, 28}, s);
    place(m_pNameLabel, {322, 596, 56, 30}, s);
    place(m_pNameField, {384, 598, 170, 26}, s);
    place(m_pReset, {564, 597, 28, 28}, s);
    place(m_pAdd, {598, 597, 28, 28}, s);
    place(m_pDelete, {632, 597, 28, 28}, s);
    place(m_pCopy, {666, 597, 28, 28}, s);
    place(m_pResetAll, {706, 596, 88, 30}, s);
    place(m_pOk, {800, 596, 56, 30}, s);
    place(m_pCancel, {862, 596, 58, 30}, s);
    place(m_pApply, {926, 596, 58, 30}, s);

    QFont font = look::languageFont();
    font.setPixelSize(qMax(8, look::scaled(font.pixelSize() > 0 ? font.pixelSize() : 12, s)));
    m_pNameField->setFont(font);
    QFont barFont = font;
    barFont.setPixelSize(qMax(8, look::scaled(10, s)));
    m_pBatteryBar->setFont(barFont);
    const int iMenuWidth = look::scaled(152, s);
    m_pSlotMenu->setFixedWidth(iMenuWidth);
    m_pProfileMenu->setFixedWidth(152);
    loadMousePictures();
}
