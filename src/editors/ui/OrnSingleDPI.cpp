#include "editors/ui/OrnSingleDPI.h"

#include "editors/core/DpiConversion.h"
#include "editors/core/SensorLimits.h"
#include "editors/ui/EditorLook.h"
#include "editors/ui/OrnTwoBarSlider.h"
#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "store/AppSettings.h"
#include "widgets/DarkStyle.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnPushButton.h"
#include "widgets/WidgetFont.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace {

const QStringList& usedImages()
{
    // Image 0 shows the stage off, image 1 (checked) on.
    static const QStringList kImages = {QStringLiteral("/skin/DPI-OFF.png"), QStringLiteral("/skin/DPI-ON.png"),
                                        QStringLiteral("/skin/DPI-ON.png")};
    return kImages;
}

void setLabelColor(OrnLabel* label, const QColor& color)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
}

} // namespace

OrnSingleDPI::OrnSingleDPI(QWidget* parent, quint8 iIndex)
    : QWidget(parent), m_iIndex(iIndex), m_pTitle(new OrnLabel(this)), m_pXLabel(new OrnLabel(this)),
      m_pYLabel(new OrnLabel(this)), m_pMinLabel(new OrnLabel(this)), m_pMaxLabel(new OrnLabel(this)),
      m_pLinkBox(new QCheckBox(this)), m_pUsedButton(new OrnPushButton(usedImages(), this)),
      m_pSlider(new OrnTwoBarSlider(this, 75, 1))
{
    setStyleSheet(editors::panelStyleSheet(this));
    setAttribute(Qt::WA_StyledBackground, true);
    m_pLinkBox->setFocusPolicy(Qt::NoFocus);
    m_pUsedButton->setCheckable(true);
    m_pMinLabel->setNum(100);
    m_pMaxLabel->setNum(10000);
    m_pMinLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pMaxLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (OrnLabel* label : {m_pTitle, m_pXLabel, m_pYLabel})
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(m_pLinkBox, &QCheckBox::stateChanged, this, &OrnSingleDPI::onStateChanged);
    connect(m_pSlider, &OrnTwoBarSlider::SliderChangedSignal, this, &OrnSingleDPI::onSliderChanged);
    connect(m_pUsedButton, &OrnPushButton::EnterSignal, this, &OrnSingleDPI::onUsedPressed);
    for (OrnLabel* label : {m_pTitle, m_pXLabel, m_pYLabel, m_pMinLabel, m_pMaxLabel})
        connect(label, &OrnLabel::EnterSignal, this, &OrnSingleDPI::slotLabelClick);
    // A press on the bar or the check box chooses the stage too; the children would swallow it.
    for (QWidget* child : {static_cast<QWidget*>(m_pSlider), static_cast<QWidget*>(m_pLinkBox)})
        child->installEventFilter(this);
    for (QWidget* child : m_pSlider->findChildren<QWidget*>())
        child->installEventFilter(this);

    setUsed(false);
    showNumbers();
    retranslateUi();
    applyScale();
}

void OrnSingleDPI::applyScale()
{
    const double d = look::displayScale();
    auto s = [d](int iPixels) { return look::scaled(iPixels, d); };
    setFixedSize(s(kBaseWidth), s(kBaseHeight));
    const QFont font = widgets::scaledLanguageFont();
    m_pUsedButton->setGeometry(s(6), s(3), s(16), s(16));
    m_pTitle->setGeometry(s(28), s(1), s(70), s(20));
    m_pXLabel->setGeometry(s(100), s(1), s(90), s(20));
    m_pYLabel->setGeometry(s(195), s(1), s(90), s(20));
    m_pLinkBox->setFont(font);
    m_pLinkBox->setGeometry(s(340), s(1), s(95), s(20));
    m_pMinLabel->setGeometry(0, s(18), s(48), s(OrnTwoBarSlider::kBaseHeight));
    m_pSlider->applyScale();
    m_pSlider->move(s(52), s(18));
    m_pMaxLabel->setGeometry(s(52) + m_pSlider->width() + s(4), s(18), s(50), s(OrnTwoBarSlider::kBaseHeight));
    m_pLinkBox->setStyleSheet(widgets::checkBoxStyleSheet());
}

void OrnSingleDPI::retranslateUi()
{
    m_pTitle->setText(uiText("DPI") + QString::asprintf(" %d", m_iIndex + 1) + QStringLiteral(":"));
    m_pLinkBox->setText(uiText("Link XY"));
}

void OrnSingleDPI::setValues(int iX, int iY)
{
    const int iMin = m_pSlider->minimum();
    const int iMax = m_pSlider->maximum();
    m_iX = qBound(iMin, iX, iMax);
    m_iY = m_bLinked == 1 ? m_iX : qBound(iMin, iY, iMax);
    {
        const QSignalBlocker blocker(m_pSlider);
        m_pSlider->setValues(m_iX, m_iY);
    }
    showNumbers();
}

void OrnSingleDPI::setLinked(quint8 bLinked)
{
    m_bLinked = bLinked == 1 ? 1 : 0;
    {
        const QSignalBlocker blockBox(m_pLinkBox);
        m_pLinkBox->setChecked(m_bLinked == 1);
    }
    {
        const QSignalBlocker blockSlider(m_pSlider);
        m_pSlider->setLinked(m_bLinked);
    }
    m_iX = m_pSlider->xValue();
    m_iY = m_pSlider->yValue();
    showNumbers();
}

void OrnSingleDPI::setUsed(bool bUsed)
{
    m_bUsed = bUsed;
    m_pUsedButton->setChecked(bUsed);
    showColors();
}

void OrnSingleDPI::showColors()
{
    // A stage out of the cycle is greyed unless it is the highlighted one.
    const QColor text = m_bUsed || m_bFramed ? m_Highlight : QColor(120, 120, 120);
    for (OrnLabel* label : {m_pTitle, m_pXLabel, m_pYLabel})
        setLabelColor(label, text);
    update();
}

void OrnSingleDPI::applySensorLimits(int iSensor)
{
    m_iSensor = iSensor;
    const std::optional<SensorLimits> limits = sensorLimits(iSensor, readCurrentProductName());
    if (limits) {
        m_pMinLabel->setNum(limits->iMinDpi);
        m_pMaxLabel->setNum(limits->iMaxDpi);
        {
            const QSignalBlocker blocker(m_pSlider);
            m_pSlider->setRange(limits->iRawMax, limits->iRawMin);
        }
        m_pLinkBox->setVisible(limits->bLinkVisible);
        // The range may have clamped the values; report the ones now shown.
        if (m_pSlider->xValue() != m_iX || m_pSlider->yValue() != m_iY) {
            m_iX = m_pSlider->xValue();
            m_iY = m_pSlider->yValue();
            emit DPISignal(m_iX, m_iY, m_iIndex);
        }
    }
    showNumbers();
}

void OrnSingleDPI::setHighlight(const QColor& color, bool bFramed)
{
    m_Highlight = color;
    m_bFramed = bFramed;
    showColors();
}

QString OrnSingleDPI::xText() const
{
    return m_pXLabel->text();
}
QString OrnSingleDPI::yText() const
{
    return m_pYLabel->text();
}
QString OrnSingleDPI::minText() const
{
    return m_pMinLabel->text();
}
QString OrnSingleDPI::maxText() const
{
    return m_pMaxLabel->text();
}

void OrnSingleDPI::showNumbers()
{
    m_pXLabel->setText(QString::asprintf("X:%d", dpiFromRaw(m_iX, m_iSensor)));
    m_pYLabel->setText(QString::asprintf("Y:%d", dpiFromRaw(m_iY, m_iSensor)));
}

void OrnSingleDPI::onStateChanged(int iState)
{
    m_bLinked = iState == Qt::Checked ? 1 : 0;
    // The bar reports the values now in force (Y takes X when linking) through onSliderChanged.
    m_pSlider->setLinked(m_bLinked);
    emit LinkSignal(m_bLinked, m_iIndex);
}

void OrnSingleDPI::onSliderChanged(int iX, int iY)
{
    m_iX = iX;
    m_iY = iY;
    showNumbers();
    emit DPISignal(iX, iY, m_iIndex);
}

void OrnSingleDPI::slotLabelClick(OrnLabel*)
{
    emit MouseinSignal(m_iIndex);
}

void OrnSingleDPI::onUsedPressed()
{
    // The button flipped its own look; show the stage's real state until the page decides.
    m_pUsedButton->setChecked(m_bUsed);
    emit UsedSignal(m_iIndex);
}

void OrnSingleDPI::mousePressEvent(QMouseEvent* event)
{
    emit MouseinSignal(m_iIndex);
    QWidget::mousePressEvent(event);
}

bool OrnSingleDPI::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        emit MouseinSignal(m_iIndex);
    return QWidget::eventFilter(watched, event);
}

void OrnSingleDPI::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    // The frame shows which stage is current.
    if (!m_bFramed)
        return;
    QPen pen(m_Highlight);
    pen.setWidth(qMax(1, look::scaled(1)));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
