#pragma once

#include "macro/ui/GunFile.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

// "Gun Set": a name and five bullet rows (delay, horizontal and vertical move) that become a gun file, a
// macro of left clicks with recoil compensation. The opener makes the name unique and calls writeGunFile.
class OrnGunsetDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kBaseWidth = 400;
    static constexpr int kBaseHeight = 619;
    static constexpr int kMaxNameLength = 100;

    OrnGunsetDialog(QWidget* parent, double dScale);

    // The name typed, before OnYesClick.
    QString typedName() const;
    // Set on acceptance.
    QString name() const { return m_strName; }
    const std::vector<MacroEvent>& events() const { return m_Events; }
    // Writes the event list as the gun file of that name.
    bool writeGunFile(const QString& strName) const;

    QLineEdit* nameEdit() const { return m_pNameEdit; }
    QSpinBox* delayBox(int iRow) const { return m_Rows[static_cast<size_t>(iRow)].pDelay; }
    QSpinBox* moveXBox(int iRow) const { return m_Rows[static_cast<size_t>(iRow)].pMoveX; }
    QSpinBox* moveYBox(int iRow) const { return m_Rows[static_cast<size_t>(iRow)].pMoveY; }
    QToolButton* okButton() const { return m_pOk; }

    // Shows the empty-name warning; the skinned box unless replaced (tests).
    void setWarning(std::function<void(const QString&, const QString&)> warn) { m_Warn = std::move(warn); }

public slots:
    void OnYesClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct BulletRow
    {
        QSpinBox* pDelay = nullptr;
        QSpinBox* pMoveX = nullptr;
        QSpinBox* pMoveY = nullptr;
    };

    int s(int iPixels) const;
    void layoutChildren();

    double m_dScale;
    QString m_strName;
    std::vector<MacroEvent> m_Events;
    QLabel* m_pTitle = nullptr;
    QLabel* m_pNameLabel = nullptr;
    QLineEdit* m_pNameEdit = nullptr;
    QLabel* m_pBulletsLabel = nullptr;
    std::array<QLabel*, 3> m_ColumnLabels{};
    std::array<BulletRow, kGunBulletCount> m_Rows{};
    QToolButton* m_pOk = nullptr;
    QToolButton* m_pCancel = nullptr;
    std::function<void(const QString&, const QString&)> m_Warn;
};
