#include "buttons/ui/OrnMacroSelect.h"

#include "buttons/ui/LoopCountValidator.h"
#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "macro/core/MacroFiles.h"
#include "widgets/DialogStyle.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnPushButton.h"
#include "widgets/SkinPicture.h"
#include "widgets/WidgetFont.h"

#include <QBitmap>
#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr int kWidth = 478;
constexpr int kHeight = 309;
constexpr std::array<const char*, OrnMacroSelect::kLoopModeCount> kOptionTexts = {
    QT_TRANSLATE_NOOP("Osken", "LOOPS TIME(1-255)"), QT_TRANSLATE_NOOP("Osken", "REPEAT RUN WHEN KEY DOWN"),
    QT_TRANSLATE_NOOP("Osken", "REPEAT RUN UNTILL THE KEY DOWN")};
const char* const kEditStyle = "border:1px;background:rgb(30,30,30);color:white";

} // namespace

OrnMacroSelect::OrnMacroSelect(const char* sourceTitle, const QString& strName, int iLoopCount, int iLoopMode,
                               QWidget* parent, Qt::WindowFlags flags)
    : OrnSkinDialog(parent, flags)
{
    setWindowTitle(uiText(sourceTitle));
    setFixedSize(look::scaled(kWidth), look::scaled(kHeight));
    // The base took the outline at the picture's own size.
    const QPixmap background = widgets::loadSkinPicture(QStringLiteral("/skin/dlg.png"));
    clearMask();
    if (!background.isNull()) {
        const QBitmap mask = background.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation).mask();
        if (!mask.isNull())
            setMask(mask);
    }

    m_pMenuButton = new OrnPushButton({QStringLiteral("/skin/profilesel.png")}, this);
    m_pMenuButton->setObjectName(QStringLiteral("macroSelectDrop"));
    m_pMenu = new OrnMenu(m_pMenuButton);
    for (const QString& name : listMacroNames()) {
        OrnAction* action = new OrnAction(name, m_pMenu);
        connect(action, &QAction::triggered, this, [this, name] { selectMacro(name); });
        m_pMenu->addAction(action);
    }
    m_pMenuButton->setMenu(m_pMenu);
    m_pMenuButton->setElideText(true);

    const QStringList optionImages = {QStringLiteral("/skin/checkbox2-1.png"), QStringLiteral("/skin/checkbox2-2.png"),
                                      QStringLiteral("/skin/checkbox2-2.png")};
    for (int i = 0; i < kLoopModeCount; ++i) {
        OrnPushButton* option = new OrnPushButton(optionImages, this);
        option->setCheckable(true);
        connect(option, &QPushButton::clicked, this, [this, i] { setLoopMode(i); });
        m_Options[i] = option;
        m_OptionTexts[i] = new OrnLabel(uiText(kOptionTexts[i]), this);
    }
    m_pLoopCount = new QLineEdit(this);
    m_pLoopCount->setMaxLength(3);
    m_pLoopCount->setValidator(new LoopCountValidator(m_pLoopCount));
    m_pLoopCount->setStyleSheet(QString::fromLatin1(kEditStyle));
    m_pLoopCount->setFont(widgets::scaledLanguageFont());
    connect(m_pLoopCount, &QLineEdit::textChanged, this, &OrnMacroSelect::updateOkButton);

    m_pOk =
        widgets::makeDialogButton(this, QStringLiteral("macroSelectOkBtn"), uiText("OK"), QStringLiteral(":/yes_Btn"));
    m_pCancel = widgets::makeDialogButton(this, QStringLiteral("macroSelectCancelBtn"), uiText("Cancel"),
                                          QStringLiteral(":/no_Btn"));
    connect(m_pOk, &QToolButton::clicked, this, &OrnMacroSelect::accept);
    connect(m_pCancel, &QToolButton::clicked, this, &QDialog::reject);

    selectMacro(strName);
    m_pLoopCount->setText(QString::number(iLoopCount));
    setLoopMode(iLoopMode >= 0 && iLoopMode < kLoopModeCount ? iLoopMode : kLoopTimes);
}

void OrnMacroSelect::selectMacro(const QString& strName)
{
    m_strName = strName;
    // The drop-down shows the choice, like every other drop-down of the program.
    m_pMenuButton->setText(strName.isEmpty() ? uiText("Choose a macro") : strName);
    m_pMenuButton->setTextColor(OrnPushButton::kNormal,
                                strName.isEmpty() ? QColor(150, 150, 150) : QColor(225, 225, 225));
    updateOkButton();
}

void OrnMacroSelect::setLoopMode(int iMode)
{
    for (int i = 0; i < kLoopModeCount; ++i)
        m_Options[i]->setChecked(i == iMode);
    updateOkButton();
}

int OrnMacroSelect::loopMode() const
{
    for (int i = 0; i < kLoopModeCount; ++i) {
        if (m_Options[i]->isChecked())
            return i;
    }
    return kLoopTimes;
}

int OrnMacroSelect::loopCount() const
{
    return m_pLoopCount->text().toInt();
}

void OrnMacroSelect::accept()
{
    // A button bound to no macro, or to zero loops, would do nothing on the mouse.
    if (m_strName.isEmpty() || (loopMode() == kLoopTimes && (loopCount() < 1 || loopCount() > 255)))
        return;
    OrnSkinDialog::accept();
}

void OrnMacroSelect::updateOkButton()
{
    if (!m_pOk || !m_pLoopCount)
        return;
    m_pOk->setEnabled(!m_strName.isEmpty() && (loopMode() != kLoopTimes || (loopCount() >= 1 && loopCount() <= 255)));
}

void OrnMacroSelect::resizeEvent(QResizeEvent* event)
{
    OrnSkinDialog::resizeEvent(event);
    const int iTop = look::scaled(kTitleHeight + 16);
    const int iLeft = look::scaled(40);
    const int iDropW = look::scaled(240);
    const int iDropH = look::scaled(28);
    m_pMenuButton->setGeometry(iLeft, iTop, iDropW, iDropH);
    // The picture's arrow takes the right 54 of its 360 pixels.
    m_pMenuButton->setTextInsets(0, iDropW * 54 / 360);
    m_pMenu->setFixedWidth(iDropW);
    const int iOption = look::scaled(18);
    const int iRowH = look::scaled(34);
    for (int i = 0; i < kLoopModeCount; ++i) {
        const int iY = iTop + look::scaled(48) + i * iRowH;
        m_Options[i]->setGeometry(iLeft, iY + (look::scaled(24) - iOption) / 2, iOption, iOption);
        const int iTextW = i == kLoopTimes ? look::scaled(230) : width() - iLeft * 2 - iOption - look::scaled(10);
        m_OptionTexts[i]->setGeometry(iLeft + iOption + look::scaled(10), iY, iTextW, look::scaled(24));
    }
    m_pLoopCount->setGeometry(iLeft + iOption + look::scaled(250), iTop + look::scaled(48), look::scaled(60),
                              look::scaled(24));
    const int iButtonW = look::scaled(86);
    const int iButtonH = look::scaled(26);
    const int iGap = look::scaled(24);
    const int iButtonY = height() - iButtonH - look::scaled(18);
    const int iButtonLeft = (width() - 2 * iButtonW - iGap) / 2;
    widgets::placeDialogButton(m_pOk, QRect(iButtonLeft, iButtonY, iButtonW, iButtonH));
    widgets::placeDialogButton(m_pCancel, QRect(iButtonLeft + iButtonW + iGap, iButtonY, iButtonW, iButtonH));
}
