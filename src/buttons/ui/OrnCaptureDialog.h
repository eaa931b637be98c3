#pragma once

#include "widgets/OrnSkinDialog.h"

#include <QtGlobal>

#include <memory>

class QToolButton;

namespace platform {
class KeyboardHook;
struct RawKeyEvent;
} // namespace platform

// Base of the parameter dialogs of the "Advance" functions: 400 x 258 on the dialog skin, a title,
// "OK" and "Cancel". With bHook the dialog reads the keyboard through the process-wide hook while it lives.
class OrnCaptureDialog : public OrnSkinDialog
{
    Q_OBJECT
public:
    OrnCaptureDialog(const char* sourceTitle, bool bHook, QWidget* parent);
    ~OrnCaptureDialog() override;

    // The hook's entry point: normalises the key and hands it to onKey; true = swallow the key.
    bool handleRawKey(const platform::RawKeyEvent& raw);

    QToolButton* okButton() const { return m_pOk; }
    QToolButton* cancelButton() const { return m_pCancel; }

protected:
    // A key code (store/keys) with the flag word; true = swallow.
    virtual bool onKey(int iCode, quint32 flags);
    void resizeEvent(QResizeEvent* event) override;
    // Top of the area below the title strip.
    static int contentTop();

private:
    std::unique_ptr<platform::KeyboardHook> m_pHook;
    QToolButton* m_pOk = nullptr;
    QToolButton* m_pCancel = nullptr;
};
