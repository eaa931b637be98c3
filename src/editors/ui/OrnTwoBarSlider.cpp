#include "editors/ui/OrnTwoBarSlider.h"

#include "look/DisplayScale.h"
#include "widgets/OrnSlider.h"

#include <QSignalBlocker>

namespace {

void setUpSlider(OrnSlider* slider, int iMax, int iMin)
{
    slider->setRange(iMin, iMax);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setFocusPolicy(Qt::NoFocus);
}

} // namespace

OrnTwoBarSlider::OrnTwoBarSlider(QWidget* parent, int iMax, int iMin)
    : QWidget(parent), m_pX(new OrnSlider(Qt::Horizontal, this)), m_pY(new OrnSlider(Qt::Horizontal, this)),
      m_pLinked(new OrnSlider(Qt::Horizontal, this)), m_iMax(iMax), m_iMin(iMin)
{
    // Sits on its stage's translucent panel; a second layer would show as a darker box behind the bars.
    setAttribute(Qt::WA_TranslucentBackground, true);
    for (OrnSlider* slider : {m_pX, m_pY, m_pLinked})
        setUpSlider(slider, iMax, iMin);
    connect(m_pX, &QSlider::valueChanged, this, &OrnTwoBarSlider::onXChanged);
    connect(m_pY, &QSlider::valueChanged, this, &OrnTwoBarSlider::onYChanged);
    connect(m_pLinked, &QSlider::valueChanged, this, &OrnTwoBarSlider::onLinkedChanged);
    m_pLinked->hide();
    applyScale();
}

void OrnTwoBarSlider::applyScale()
{
    const double dScale = look::displayScale();
    // The sliders are one pixel narrower than the scaled bar so the handle never touches the edge.
    const int iWidth = look::scaled(kBaseWidth, dScale) - 1;
    const int iHeight = look::scaled(kBaseHeight, dScale);
    setFixedSize(iWidth + 1, iHeight);
    const int iHalf = iHeight / 2;
    m_pX->setGeometry(0, 0, iWidth, iHalf);
    m_pY->setGeometry(0, iHalf, iWidth, iHeight - iHalf);
    m_pLinked->setGeometry(0, (iHeight - iHalf) / 2, iWidth, iHalf);
}

void OrnTwoBarSlider::setRange(int iMax, int iMin)
{
    m_iMax = iMax;
    m_iMin = iMin;
    // A narrower range clamps the values; the owner hears about it through SliderChangedSignal.
    for (OrnSlider* slider : {m_pX, m_pY, m_pLinked})
        slider->setRange(iMin, iMax);
}

void OrnTwoBarSlider::setValues(int iX, int iY)
{
    if (m_bLinked == 1) {
        m_pLinked->setValue(iX);
        return;
    }
    m_pX->setValue(iX);
    m_pY->setValue(iY);
}

void OrnTwoBarSlider::setLinked(quint8 bLinked)
{
    m_bLinked = bLinked == 1 ? 1 : 0;
    if (m_bLinked == 1) {
        {
            const QSignalBlocker blocker(m_pLinked);
            m_pLinked->setValue(m_pX->value());
        }
        m_pX->hide();
        m_pY->hide();
        m_pLinked->show();
    } else {
        {
            const QSignalBlocker blockX(m_pX);
            const QSignalBlocker blockY(m_pY);
            m_pX->setValue(m_pLinked->value());
            m_pY->setValue(m_pLinked->value());
        }
        m_pLinked->hide();
        m_pX->show();
        m_pY->show();
    }
    emit SliderChangedSignal(xValue(), yValue());
}

int OrnTwoBarSlider::xValue() const
{
    return m_bLinked == 1 ? m_pLinked->value() : m_pX->value();
}

int OrnTwoBarSlider::yValue() const
{
    return m_bLinked == 1 ? m_pLinked->value() : m_pY->value();
}

void OrnTwoBarSlider::onXChanged(int iValue)
{
    emit SliderChangedSignal(iValue, m_pY->value());
}

void OrnTwoBarSlider::onYChanged(int iValue)
{
    emit SliderChangedSignal(m_pX->value(), iValue);
}

void OrnTwoBarSlider::onLinkedChanged(int iValue)
{
    emit SliderChangedSignal(iValue, iValue);
}
