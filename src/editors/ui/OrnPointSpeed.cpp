#include "editors/ui/OrnPointSpeed.h"

#include "editors/ui/EditorLook.h"
#include "log/Log.h"
#include "look/DisplayScale.h"
#include "look/Language.h"
#include "look/UiText.h"
#include "store/AppSettings.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnSlider.h"

#include <QDebug>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {
constexpr int kSpeedMin = 1;
constexpr int kSpeedMax = 20;
} // namespace

OrnPointSpeed::OrnPointSpeed(QWidget* parent, ProfileData* pProfile)
    : QWidget(parent), m_pPointerLabel(new OrnLabel(this)), m_pScrollLabel(new OrnLabel(this)),
      m_pSlider(new OrnSlider(Qt::Horizontal, this)), m_pValue(new OrnLabel(this)), m_pSpinBox(new QSpinBox(this))
{
    setStyleSheet(editors::panelStyleSheet(this));
    setAttribute(Qt::WA_StyledBackground, true);
    m_pPointerLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pScrollLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pValue->setAlignment(Qt::AlignCenter);
    m_pSlider->setRange(kSpeedMin, kSpeedMax);
    m_pSlider->setSingleStep(1);
    m_pSlider->setPageStep(1);
    m_pSlider->setTickPosition(QSlider::NoTicks);
    m_pSlider->setFocusPolicy(Qt::NoFocus);
    m_pSlider->setBubbleEnabled(true);
    m_pSpinBox->setRange(kSpeedMin, kSpeedMax);
    connect(m_pSlider, &QSlider::valueChanged, this, &OrnPointSpeed::onSliderValueChanged);
    connect(m_pSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &OrnPointSpeed::sValueChangedSlot);
    retranslateUi();
    applyScale();
    setProfile(pProfile);
}

void OrnPointSpeed::applyScale()
{
    auto s = [](int iPixels) { return look::scaled(iPixels); };
    setFixedSize(s(kBaseWidth), s(kBaseHeight));
    m_pPointerLabel->setGeometry(s(15), s(8), s(200), s(24));
    m_pSlider->setGeometry(s(15), s(48), s(180), s(22));
    m_pValue->setGeometry(s(198), s(46), s(30), s(26));
    m_pScrollLabel->setGeometry(s(240), s(8), s(140), s(24));
    m_pSpinBox->setGeometry(s(240), s(46), s(70), s(26));
    m_pSlider->setStyleSheet(editors::pictureSliderStyleSheet(QStringLiteral("/skin/rate.png")));
    applyFont();
}

void OrnPointSpeed::applyFont()
{
    const int iLang = look::languageId();
    QFont font = this->font();
    const QString strFamily = readFontFamily(iLang);
    if (!strFamily.isEmpty())
        font.setFamily(strFamily);
    const int iPixel = readFontSize(iLang);
    if (iPixel > 0 && iPixel < 200)
        font.setPixelSize(qMax(1, look::scaled(iPixel)));
    setFont(font);
    m_pSpinBox->setFont(font);
    editors::styleSpinBox(m_pSpinBox);
}

void OrnPointSpeed::retranslateUi()
{
    m_pPointerLabel->setText(uiText("POINTER SPEED"));
    m_pScrollLabel->setText(uiText("SCROLL SPEED"));
    applyFont();
}

void OrnPointSpeed::setProfile(ProfileData* pProfile)
{
    m_pProfile = pProfile;
    if (m_pProfile) {
        // Showing a record must not write the clamped value back into it.
        const QSignalBlocker blockSlider(m_pSlider);
        const QSignalBlocker blockSpin(m_pSpinBox);
        m_pSlider->setValue(m_pProfile->mousespeed);
        m_pSpinBox->setValue(m_pProfile->scrollspeed);
    }
    m_pValue->setNum(m_pSlider->value());
    applyFont();
}

int OrnPointSpeed::pointerSpeed() const
{
    return m_pSlider->value();
}

int OrnPointSpeed::scrollSpeed() const
{
    return m_pSpinBox->value();
}

void OrnPointSpeed::sValueChangedSlot(int iValue)
{
    qCDebug(lcUi, "slider_clicked 1 = %d", iValue);
    if (m_pProfile)
        m_pProfile->scrollspeed = static_cast<quint8>(iValue);
}

void OrnPointSpeed::onSliderValueChanged(int iValue)
{
    if (sender() != m_pSlider)
        return;
    m_pValue->setNum(iValue);
    qCDebug(lcUi, "slider_clicked 1 = %d", iValue);
    if (m_pProfile)
        m_pProfile->mousespeed = static_cast<quint8>(iValue);
}
