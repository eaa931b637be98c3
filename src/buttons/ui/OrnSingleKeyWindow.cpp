#include "buttons/ui/OrnSingleKeyWindow.h"

#include "look/DisplayScale.h"
#include "store/keys/KeyCodes.h"
#include "widgets/OrnLabel.h"

OrnSingleKeyWindow::OrnSingleKeyWindow(QWidget* parent) : OrnCaptureDialog("Single Key", true, parent)
{
    m_pKeyLabel = new OrnLabel(this);
    m_pKeyLabel->setObjectName(QStringLiteral("singleKeyLabel"));
    m_pKeyLabel->setAlignment(Qt::AlignCenter);
    m_pKeyLabel->setDarkBackground(true);
    m_pKeyLabel->setFocusPolicy(Qt::StrongFocus);
}

void OrnSingleKeyWindow::preset(int iCode)
{
    showKey(iCode);
}

QString OrnSingleKeyWindow::keyText() const
{
    return m_pKeyLabel->text();
}

bool OrnSingleKeyWindow::onKey(int iCode, quint32 flags)
{
    if (!m_bCapture)
        return false;
    // A held key repeats the same code and flags.
    if (iCode == m_iLastCode && flags == m_iLastFlags)
        return false;
    m_iLastCode = iCode;
    m_iLastFlags = flags;
    showKey(iCode);
    return false;
}

void OrnSingleKeyWindow::showKey(int iCode)
{
    m_iCode = static_cast<quint8>(iCode);
    m_pKeyLabel->setText(keyName(iCode));
    emit SetSingleKeyValue(m_iCode);
}

void OrnSingleKeyWindow::resizeEvent(QResizeEvent* event)
{
    OrnCaptureDialog::resizeEvent(event);
    m_pKeyLabel->setGeometry(look::scaled(60), contentTop() + look::scaled(40), width() - look::scaled(120),
                             look::scaled(36));
}
