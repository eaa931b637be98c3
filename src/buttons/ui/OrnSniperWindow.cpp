#include "buttons/ui/OrnSniperWindow.h"

#include "buttons/core/SniperSteps.h"
#include "editors/core/DpiConversion.h"
#include "look/DisplayScale.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnSlider.h"

OrnSniperWindow::OrnSniperWindow(int iSensor, QWidget* parent)
    : OrnCaptureDialog("Sniper Setting", false, parent), m_iSensor(iSensor)
{
    m_pSlider = new OrnSlider(Qt::Horizontal, this);
    m_pSlider->setRange(1, 10);
    m_pSlider->setSingleStep(1);
    m_pSlider->setPageStep(1);
    m_pDpiLabel = new OrnLabel(this);
    m_pDpiLabel->setObjectName(QStringLiteral("sniperDpiLabel"));
    m_pDpiLabel->setAlignment(Qt::AlignCenter);
    connect(m_pSlider, &QSlider::valueChanged, this, &OrnSniperWindow::onSliderChanged);
    preset(0);
}

void OrnSniperWindow::preset(int iStep)
{
    const std::optional<SniperRange> range = sniperRange(m_iSensor);
    if (range && (iStep < range->iPresetMin || iStep > range->iMax))
        iStep = range->iDefault;
    const QSignalBlocker blocker(m_pSlider);
    if (range)
        m_pSlider->setRange(range->iMin, range->iMax);
    m_pSlider->setValue(iStep);
    // An unknown sensor's step may lie outside the slider; the step is what the slider shows.
    m_iStep = m_pSlider->value();
    showDpi();
    emit SetSniperValue(m_iStep);
}

void OrnSniperWindow::onSliderChanged(int iValue)
{
    m_iStep = iValue;
    showDpi();
    emit SetSniperValue(m_iStep);
}

QString OrnSniperWindow::dpiText() const
{
    return m_pDpiLabel->text();
}

void OrnSniperWindow::showDpi()
{
    m_pDpiLabel->setText(QString::number(dpiFromRaw(m_iStep, m_iSensor)));
}

void OrnSniperWindow::resizeEvent(QResizeEvent* event)
{
    OrnCaptureDialog::resizeEvent(event);
    const int iTop = contentTop();
    m_pDpiLabel->setGeometry(look::scaled(40), iTop + look::scaled(20), width() - look::scaled(80), look::scaled(30));
    m_pSlider->setGeometry(look::scaled(40), iTop + look::scaled(64), width() - look::scaled(80), look::scaled(24));
}
