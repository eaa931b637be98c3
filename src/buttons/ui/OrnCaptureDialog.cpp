#include "buttons/ui/OrnCaptureDialog.h"

#include "log/Log.h"
#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "platform/keyhook/KeyboardHook.h"
#include "store/keys/KeyCodes.h"
#include "widgets/DialogStyle.h"

#include <QToolButton>

namespace {
constexpr int kWidth = 400;
constexpr int kHeight = 258;
constexpr int kButtonW = 86;
constexpr int kButtonH = 26;
constexpr int kButtonGap = 24;
constexpr int kButtonBottom = 18;
} // namespace

OrnCaptureDialog::OrnCaptureDialog(const char* sourceTitle, bool bHook, QWidget* parent)
    : OrnSkinDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setWindowTitle(uiText(sourceTitle));
    setFixedSize(look::scaled(kWidth), look::scaled(kHeight));
    m_pOk = widgets::makeDialogButton(this, QStringLiteral("captureOkBtn"), uiText("OK"), QStringLiteral(":/yes_Btn"));
    m_pCancel = widgets::makeDialogButton(this, QStringLiteral("captureCancelBtn"), uiText("Cancel"),
                                          QStringLiteral(":/no_Btn"));
    connect(m_pOk, &QToolButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QToolButton::clicked, this, &QDialog::reject);
    if (bHook) {
        m_pHook = platform::makeKeyboardHook();
        if (!m_pHook->install([this](const platform::RawKeyEvent& raw) { return handleRawKey(raw); }))
            qCWarning(lcUi, "OrnCaptureDialog: the keyboard hook could not be installed; no key will be captured");
    }
}

OrnCaptureDialog::~OrnCaptureDialog()
{
    if (m_pHook)
        m_pHook->uninstall();
}

bool OrnCaptureDialog::handleRawKey(const platform::RawKeyEvent& raw)
{
    const NormalisedKey key = normaliseScanCode(raw.scanCode, raw.flags, raw.virtualKey, KeyHook::KeyCapture);
    return onKey(key.keyCode, key.flags);
}

bool OrnCaptureDialog::onKey(int, quint32)
{
    return false;
}

int OrnCaptureDialog::contentTop()
{
    return look::scaled(kTitleHeight + 14);
}

void OrnCaptureDialog::resizeEvent(QResizeEvent* event)
{
    OrnSkinDialog::resizeEvent(event);
    const int iButtonW = look::scaled(kButtonW);
    const int iButtonH = look::scaled(kButtonH);
    const int iGap = look::scaled(kButtonGap);
    const int iLeft = (width() - 2 * iButtonW - iGap) / 2;
    const int iY = height() - iButtonH - look::scaled(kButtonBottom);
    widgets::placeDialogButton(m_pOk, QRect(iLeft, iY, iButtonW, iButtonH));
    widgets::placeDialogButton(m_pCancel, QRect(iLeft + iButtonW + iGap, iY, iButtonW, iButtonH));
}
