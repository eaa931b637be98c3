#pragma once

#include "editors/core/HsvColor.h"
#include "widgets/OrnSkinDialog.h"

#include <QColor>

#include <array>

class DefaultColorArea;
class HColorArea;
class OrnLabel;
class OrnLineEdit;
class PreviewColorArea;
class QSpinBox;
class QToolButton;
class SVColorArea;

// The "Color Edit" dialog: hue strip, saturation/value square, HSV and RGB boxes, a hexadecimal field
// and seven presets. exec() returns 1 when the user applies; color() then gives the choice.
class OrnColorArea : public OrnSkinDialog
{
    Q_OBJECT
public:
    OrnColorArea(QWidget* parent, double dScale);

    void setColor(const QColor& color);
    QColor color() const { return m_Color; }

    HColorArea* hueArea() const { return m_pHue; }
    SVColorArea* svArea() const { return m_pSv; }
    PreviewColorArea* preview() const { return m_pPreview; }
    DefaultColorArea* preset(int iIndex) const;
    QSpinBox* spinBox(int iIndex) const; // 0..5: H, S, V, R, G, B
    OrnLineEdit* hexEdit() const { return m_pHexEdit; }
    QToolButton* applyButton() const { return m_pApply; }
    QToolButton* cancelButton() const { return m_pCancel; }

    static constexpr int kPresetCount = 7;
    static constexpr int kBaseWidth = 400;
    static constexpr int kBaseHeight = 258;

signals:
    void OrnChangeColor(const QColor& color);
    void ApplyColor();

public slots:
    void color_clicked();
    void hValueChangedSlot(int iValue);
    void sValueChangedSlot(int iValue);
    void vValueChangedSlot(int iValue);
    void rValueChangedSlot(int iValue);
    void gValueChangedSlot(int iValue);
    void bValueChangedSlot(int iValue);
    void updateEditData(int iHue, int iS, int iV);
    void editChangedSlot(const QString& text);
    void editFinishedSlot();
    void MouseReleaseSlot();

private:
    enum Part : unsigned
    {
        kBoxes = 1,
        kHex = 2,
        kAreas = 4,
        kAll = 7
    };
    void showColor(const Hsv& hsv, const Rgb8& rgb, unsigned iParts);
    void fromHsvBoxes();
    void fromRgbBoxes();
    void layoutControls();

    double m_dScale;
    int m_iHue = 0;
    int m_iS = 0;
    int m_iV = 0;
    bool m_bUpdating = false;
    QColor m_Color = Qt::black;
    HColorArea* m_pHue;
    SVColorArea* m_pSv;
    PreviewColorArea* m_pPreview;
    std::array<DefaultColorArea*, kPresetCount> m_Presets{};
    std::array<QSpinBox*, 6> m_Boxes{};
    std::array<OrnLabel*, 7> m_BoxLabels{};
    OrnLineEdit* m_pHexEdit;
    OrnLabel* m_pColorLabel;
    QToolButton* m_pApply;
    QToolButton* m_pCancel;
};
