#include "buttons/ui/OrnFireKeyWindow.h"

#include "buttons/core/ButtonWords.h"
#include "buttons/ui/LoopCountValidator.h"
#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "store/keys/KeyCodes.h"
#include "widgets/DarkStyle.h"
#include "widgets/OrnLabel.h"
#include "widgets/SkinPicture.h"
#include "widgets/WidgetFont.h"

#include <QCheckBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr std::array<const char*, OrnFireKeyWindow::kSourceCount> kSourceTexts = {
    QT_TRANSLATE_NOOP("Osken", "Left"), QT_TRANSLATE_NOOP("Osken", "Right"), QT_TRANSLATE_NOOP("Osken", "Middle"),
    QT_TRANSLATE_NOOP("Osken", "Keyboard Key")};
// Res1 of the three button sources.
constexpr std::array<quint8, 3> kButtonSources = {0x81, 0x82, 0x84};
constexpr int kDefaultTimes = 3;
constexpr int kDefaultDelay = 10;
const char* const kEditStyle = "border:1px;background:rgb(30,30,30);color:white";

} // namespace

OrnFireKeyWindow::OrnFireKeyWindow(QWidget* parent) : OrnCaptureDialog("FireKey Setting", true, parent)
{
    const QFont font = widgets::scaledLanguageFont();
    for (int i = 0; i < kSourceCount; ++i) {
        QCheckBox* box = new QCheckBox(uiText(kSourceTexts[i]), this);
        box->setFont(font);
        box->setStyleSheet(widgets::checkBoxStyleSheet());
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QCheckBox::clicked, this, &OrnFireKeyWindow::checkbtn_clicked);
        connect(box, &QCheckBox::stateChanged, this, &OrnFireKeyWindow::onStateChanged);
        m_Boxes[i] = box;
    }
    m_pKeyLabel = new OrnLabel(this);
    m_pKeyLabel->setObjectName(QStringLiteral("fireKeyLabel"));
    m_pKeyLabel->setAlignment(Qt::AlignCenter);
    m_pKeyLabel->setDarkBackground(true);
    m_pKeyLabel->setFocusPolicy(Qt::StrongFocus);
    m_pTimesLabel = new OrnLabel(uiText("Times:"), this);
    m_pDelayLabel = new OrnLabel(uiText("Delay:"), this);
    m_pTimes = new QLineEdit(this);
    m_pTimes->setMaxLength(3);
    m_pTimes->setValidator(new LoopCountValidator(m_pTimes));
    m_pDelay = new QLineEdit(this);
    m_pDelay->setMaxLength(3);
    m_pDelay->setValidator(new QIntValidator(kFireMinDelayMs, kFireMaxDelayMs, m_pDelay));
    for (QLineEdit* edit : {m_pTimes, m_pDelay}) {
        edit->setStyleSheet(QString::fromLatin1(kEditStyle));
        edit->setFont(font);
        connect(edit, &QLineEdit::textChanged, this, &OrnFireKeyWindow::OnEditDataChanged);
        connect(edit, &QLineEdit::returnPressed, this, &OrnFireKeyWindow::onEditReturn);
    }
    preset(ButtonInfo{});
}

void OrnFireKeyWindow::preset(const ButtonInfo& record)
{
    m_pDelay->setText(QString::number(record.KeyNumber == 0 ? kDefaultDelay : record.KeyNumber));
    m_pTimes->setText(QString::number(record.LoopNumber == 0 ? kDefaultTimes : record.LoopNumber));
    if (record.Res1 == 0 || record.Res1 == kButtonSources[kLeft]) {
        setSource(kLeft);
    } else if (record.Res1 == kButtonSources[kRight]) {
        setSource(kRight);
    } else if (record.Res1 == kButtonSources[kMiddle]) {
        setSource(kMiddle);
    } else {
        setSource(kKeyboard);
        int iCode = 0;
        if (hidToScan(record.Res1, iCode)) {
            m_iCode = static_cast<quint8>(iCode);
            m_pKeyLabel->setText(keyName(iCode));
        }
    }
    updateOkButton();
}

void OrnFireKeyWindow::setSource(int iSource)
{
    if (iSource < 0 || iSource >= kSourceCount)
        return;
    m_iSource = iSource;
    for (int i = 0; i < kSourceCount; ++i)
        m_Boxes[i]->setChecked(i == iSource);
    m_bCapture = iSource == kKeyboard;
    if (m_bCapture) {
        m_pKeyLabel->setFocus();
    } else {
        m_iCode = 0;
        m_pKeyLabel->setText(QString());
    }
    m_iLastCode = -1;
    updateOkButton();
}

void OrnFireKeyWindow::checkbtn_clicked()
{
    for (int i = 0; i < kSourceCount; ++i) {
        if (sender() == m_Boxes[i]) {
            setSource(i);
            return;
        }
    }
}

void OrnFireKeyWindow::onStateChanged(int)
{
    emitValue();
}

void OrnFireKeyWindow::OnEditDataChanged(const QString&)
{
    updateOkButton();
    emitValue();
}

void OrnFireKeyWindow::onEditReturn()
{
    // The Return that left the edit reaches the hook as well; it is not the key to fire.
    m_bSkipNext = true;
    m_pKeyLabel->setFocus();
}

bool OrnFireKeyWindow::onKey(int iCode, quint32 flags)
{
    if (!m_bCapture || m_iSource != kKeyboard)
        return false;
    if (m_pTimes->hasFocus() || m_pDelay->hasFocus())
        return false;
    if (m_bSkipNext) {
        m_bSkipNext = false;
        return false;
    }
    if (iCode == m_iLastCode && flags == m_iLastFlags)
        return false;
    m_iLastCode = iCode;
    m_iLastFlags = flags;
    m_iCode = static_cast<quint8>(iCode);
    m_pKeyLabel->setText(keyName(iCode));
    updateOkButton();
    emitValue();
    return false;
}

QString OrnFireKeyWindow::keyText() const
{
    return m_pKeyLabel->text();
}

quint8 OrnFireKeyWindow::sourceByte() const
{
    if (m_iSource != kKeyboard)
        return kButtonSources[m_iSource];
    quint8 usage = 0;
    scanToHid(m_iCode, usage);
    return usage;
}

int OrnFireKeyWindow::times() const
{
    return m_pTimes->text().toInt();
}

int OrnFireKeyWindow::delay() const
{
    return m_pDelay->text().toInt();
}

bool OrnFireKeyWindow::isComplete() const
{
    // Res1 0 would make the mouse fire the left button instead of the key; no shots, or less than the mouse's
    // 10 ms step of pause, fire nothing the user asked for.
    return sourceByte() != 0 && times() >= 1 && times() <= kFireMaxShots && delay() >= kFireMinDelayMs &&
           delay() <= kFireMaxDelayMs;
}

void OrnFireKeyWindow::accept()
{
    if (!isComplete())
        return;
    OrnCaptureDialog::accept();
}

void OrnFireKeyWindow::emitValue()
{
    emit SetFireKeyValue(m_iCode, m_iSource, times(), delay());
}

void OrnFireKeyWindow::updateOkButton()
{
    okButton()->setEnabled(isComplete());
}

void OrnFireKeyWindow::resizeEvent(QResizeEvent* event)
{
    OrnCaptureDialog::resizeEvent(event);
    const int iTop = contentTop();
    const int iRowH = look::scaled(24);
    // "Keyboard Key" is the longest text.
    const int iBoxX[kSourceCount] = {24, 100, 176, 262};
    const int iBoxW[kSourceCount] = {76, 76, 86, 130};
    for (int i = 0; i < kSourceCount; ++i)
        m_Boxes[i]->setGeometry(look::scaled(iBoxX[i]), iTop, look::scaled(iBoxW[i]), iRowH);
    m_pKeyLabel->setGeometry(look::scaled(60), iTop + look::scaled(36), width() - look::scaled(120), look::scaled(30));
    const int iEditY = iTop + look::scaled(82);
    m_pTimesLabel->setGeometry(look::scaled(40), iEditY, look::scaled(70), iRowH);
    m_pTimes->setGeometry(look::scaled(112), iEditY, look::scaled(60), iRowH);
    m_pDelayLabel->setGeometry(look::scaled(212), iEditY, look::scaled(70), iRowH);
    m_pDelay->setGeometry(look::scaled(284), iEditY, look::scaled(60), iRowH);
}
