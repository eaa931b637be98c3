#include "editors/ui/OrnColorArea.h"

#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "editors/ui/DefaultColorArea.h"
#include "editors/ui/EditorLook.h"
#include "editors/ui/HColorArea.h"
#include "editors/ui/PreviewColorArea.h"
#include "editors/ui/SVColorArea.h"
#include "widgets/DialogStyle.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/SkinPicture.h"
#include "widgets/WidgetFont.h"

#include <QBitmap>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QToolButton>

namespace {

enum Box
{
    kH,
    kS,
    kV,
    kR,
    kG,
    kB
};

const std::array<QColor, OrnColorArea::kPresetCount>& presetColors()
{
    static const std::array<QColor, OrnColorArea::kPresetCount> kColors = {
        QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),    QColor(0, 255, 255),
        QColor(255, 255, 0), QColor(255, 0, 255), QColor(255, 255, 255)};
    return kColors;
}

} // namespace

OrnColorArea::OrnColorArea(QWidget* parent, double dScale)
    : OrnSkinDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), m_dScale(dScale), m_pHue(new HColorArea(this)),
      m_pSv(new SVColorArea(this)), m_pPreview(new PreviewColorArea(this)), m_pHexEdit(new OrnLineEdit(this)),
      m_pColorLabel(new OrnLabel(this)),
      m_pApply(widgets::makeDialogButton(this, QStringLiteral("colorApplyBtn"), uiText("APPLY"), QString())),
      m_pCancel(widgets::makeDialogButton(this, QStringLiteral("colorCancelBtn"), uiText("Cancel"), QString()))
{
    setWindowTitle(uiText("Color Edit"));
    m_pColorLabel->setText(uiText("COLOR"));
    static const char* const kBoxNames[6] = {"H", "S", "V", "R", "G", "B"};
    for (size_t i = 0; i < m_Boxes.size(); ++i) {
        m_Boxes[i] = new QSpinBox(this);
        m_Boxes[i]->setRange(0, i == kH ? 360 : 255);
        editors::styleSpinBox(m_Boxes[i]);
        m_BoxLabels[i] = new OrnLabel(QString::fromLatin1(kBoxNames[i]), this);
        m_BoxLabels[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    m_BoxLabels[6] = new OrnLabel(QStringLiteral("#"), this);
    m_BoxLabels[6]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (size_t i = 0; i < m_Presets.size(); ++i) {
        m_Presets[i] = new DefaultColorArea(this);
        m_Presets[i]->setColor(presetColors()[i]);
        connect(m_Presets[i], &DefaultColorArea::ClickedSignal, this, &OrnColorArea::color_clicked);
    }
    // Only hexadecimal digits get in, at most six; completion happens when editing finishes.
    m_pHexEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9a-fA-F]{0,6}")), m_pHexEdit));
    m_pHexEdit->setStyleSheet(QStringLiteral("color: rgb(225,225,225); background-color: rgb(30,30,30);"
                                             " border: 1px solid rgb(90,90,90);"));

    const QFont consolas = widgets::scaledFixedFont(QStringLiteral("Consolas"), 12);
    for (QToolButton* button : {m_pApply, m_pCancel})
        button->setFont(consolas);
    m_pHexEdit->setFont(consolas);
    for (QSpinBox* box : m_Boxes)
        box->setFont(consolas);

    connect(m_pHue, &HColorArea::hueChangedSignal, m_pSv, &SVColorArea::hueChangedSlot);
    connect(m_pSv, &SVColorArea::svChangedSignal, m_pPreview, &PreviewColorArea::svChangedSlot);
    connect(m_pPreview, &PreviewColorArea::svChangedSignal, this, &OrnColorArea::updateEditData);
    connect(m_pHexEdit, &QLineEdit::textEdited, this, &OrnColorArea::editChangedSlot);
    connect(m_pHexEdit, &QLineEdit::editingFinished, this, &OrnColorArea::editFinishedSlot);
    auto boxSignal = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(m_Boxes[kH], boxSignal, this, &OrnColorArea::hValueChangedSlot);
    connect(m_Boxes[kS], boxSignal, this, &OrnColorArea::sValueChangedSlot);
    connect(m_Boxes[kV], boxSignal, this, &OrnColorArea::vValueChangedSlot);
    connect(m_Boxes[kR], boxSignal, this, &OrnColorArea::rValueChangedSlot);
    connect(m_Boxes[kG], boxSignal, this, &OrnColorArea::gValueChangedSlot);
    connect(m_Boxes[kB], boxSignal, this, &OrnColorArea::bValueChangedSlot);
    connect(m_pHue, &HColorArea::mouseReleaseSignal, this, &OrnColorArea::MouseReleaseSlot);
    connect(m_pSv, &SVColorArea::mouseReleaseSignal, this, &OrnColorArea::MouseReleaseSlot);
    connect(m_pApply, &QToolButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QToolButton::clicked, this, &QDialog::reject);

    layoutControls();
    setColor(Qt::black);
}

DefaultColorArea* OrnColorArea::preset(int iIndex) const
{
    return iIndex >= 0 && iIndex < kPresetCount ? m_Presets[static_cast<size_t>(iIndex)] : nullptr;
}

QSpinBox* OrnColorArea::spinBox(int iIndex) const
{
    return iIndex >= 0 && iIndex < 6 ? m_Boxes[static_cast<size_t>(iIndex)] : nullptr;
}

void OrnColorArea::layoutControls()
{
    auto s = [this](int iPixels) { return look::scaled(iPixels, m_dScale); };
    setFixedSize(s(kBaseWidth), s(kBaseHeight));
    // The base dialog cut its outline for the picture's own size; cut it again for this size.
    const QPixmap background = widgets::loadSkinPicture(QStringLiteral("/skin/dlg.png"));
    const QBitmap mask = background.isNull() ? QBitmap() : background.scaled(size(), Qt::IgnoreAspectRatio).mask();
    if (mask.isNull())
        clearMask();
    else
        setMask(mask);

    m_pColorLabel->setGeometry(s(20), s(34), s(120), s(22));
    m_pSv->move(s(14), s(58));
    m_pHue->move(m_pSv->geometry().right() + s(10), m_pSv->y() + m_pSv->margin() - kHueStripMargin);
    const int iColumn = m_pHue->geometry().right() + s(12);
    const int iColumnStep = s(92);
    m_pPreview->setGeometry(iColumn, m_pSv->y() + m_pSv->margin(), iColumnStep + s(80), s(34));
    const int iRowTop = m_pPreview->geometry().bottom() + s(10);
    for (int i = 0; i < 6; ++i) {
        const int iX = iColumn + (i / 3) * iColumnStep;
        const int iY = iRowTop + (i % 3) * s(28);
        m_BoxLabels[static_cast<size_t>(i)]->setGeometry(iX, iY, s(16), s(24));
        m_Boxes[static_cast<size_t>(i)]->setGeometry(iX + s(20), iY, s(60), s(24));
    }
    const int iHexY = iRowTop + 3 * s(28);
    m_BoxLabels[6]->setGeometry(iColumn, iHexY, s(16), s(24));
    m_pHexEdit->setGeometry(iColumn + s(20), iHexY, s(80), s(24));
    const int iPresetY = m_pSv->geometry().bottom() + s(8);
    for (int i = 0; i < kPresetCount; ++i)
        m_Presets[static_cast<size_t>(i)]->setGeometry(s(20) + i * s(22), iPresetY, s(18), s(18));
    const int iButtonY = height() - s(36);
    m_pCancel->setGeometry(width() - s(88), iButtonY, s(72), s(26));
    m_pApply->setGeometry(width() - s(168), iButtonY, s(72), s(26));
}

void OrnColorArea::setColor(const QColor& color)
{
    const Rgb8 rgb{color.red(), color.green(), color.blue()};
    showColor(rgbToHsv(rgb, m_iHue), rgb, kAll);
}

void OrnColorArea::showColor(const Hsv& hsv, const Rgb8& rgb, unsigned iParts)
{
    m_bUpdating = true;
    m_iHue = hsv.h;
    m_iS = hsv.s;
    m_iV = hsv.v;
    m_Color = QColor(rgb.r, rgb.g, rgb.b);
    if (iParts & kBoxes) {
        m_Boxes[kH]->setValue(hsv.h >= 360 ? 0 : hsv.h);
        m_Boxes[kS]->setValue(hsv.s);
        m_Boxes[kV]->setValue(hsv.v);
        m_Boxes[kR]->setValue(rgb.r);
        m_Boxes[kG]->setValue(rgb.g);
        m_Boxes[kB]->setValue(rgb.b);
    }
    if (iParts & kHex)
        m_pHexEdit->setText(hexFromRgb(rgb));
    if (iParts & kAreas) {
        m_pHue->setHue(hsv.h);
        m_pSv->setHsv(hsv.h, hsv.s, hsv.v);
    }
    m_pPreview->setColor(m_Color);
    m_bUpdating = false;
}

void OrnColorArea::fromHsvBoxes()
{
    if (m_bUpdating)
        return;
    const Hsv hsv{m_Boxes[kH]->value(), m_Boxes[kS]->value(), m_Boxes[kV]->value()};
    showColor(hsv, hsvToRgb(hsv), kAll);
}

void OrnColorArea::fromRgbBoxes()
{
    if (m_bUpdating)
        return;
    const Rgb8 rgb{m_Boxes[kR]->value(), m_Boxes[kG]->value(), m_Boxes[kB]->value()};
    showColor(rgbToHsv(rgb, m_iHue), rgb, kAll);
}

void OrnColorArea::hValueChangedSlot(int)
{
    fromHsvBoxes();
}
void OrnColorArea::sValueChangedSlot(int)
{
    fromHsvBoxes();
}
void OrnColorArea::vValueChangedSlot(int)
{
    fromHsvBoxes();
}
void OrnColorArea::rValueChangedSlot(int)
{
    fromRgbBoxes();
}
void OrnColorArea::gValueChangedSlot(int)
{
    fromRgbBoxes();
}
void OrnColorArea::bValueChangedSlot(int)
{
    fromRgbBoxes();
}

void OrnColorArea::updateEditData(int iHue, int iS, int iV)
{
    // The strip or the square moved: they already show the point, the boxes and the field follow.
    const Hsv hsv{iHue, iS, iV};
    showColor(hsv, hsvToRgb(hsv), kBoxes | kHex);
}

void OrnColorArea::editChangedSlot(const QString& text)
{
    const Rgb8 rgb = rgbFromHex(text);
    // The field keeps what is being typed.
    showColor(rgbToHsv(rgb, m_iHue), rgb, kBoxes | kAreas);
}

void OrnColorArea::editFinishedSlot()
{
    const QString completed = completeHex(m_pHexEdit->text());
    m_pHexEdit->setText(completed);
    const Rgb8 rgb = rgbFromHex(completed);
    showColor(rgbToHsv(rgb, m_iHue), rgb, kBoxes | kAreas);
}

void OrnColorArea::color_clicked()
{
    for (int i = 0; i < kPresetCount; ++i) {
        if (sender() != m_Presets[static_cast<size_t>(i)])
            continue;
        const QColor color = presetColors()[static_cast<size_t>(i)];
        setColor(color);
        emit OrnChangeColor(color);
        emit ApplyColor();
        return;
    }
}

void OrnColorArea::MouseReleaseSlot()
{
    emit ApplyColor();
}
