#pragma once

#include "widgets/OrnSkinDialog.h"

#include <array>

class OrnLabel;
class OrnMenu;
class OrnPushButton;
class QLineEdit;
class QToolButton;

// "MACRO SELECT": one of the saved macros for a button and how it repeats.
class OrnMacroSelect : public OrnSkinDialog
{
    Q_OBJECT
public:
    enum LoopMode
    {
        kLoopTimes = 0,
        kRepeatWhileDown,
        kRepeatUntilDown,
        kLoopModeCount
    };

    OrnMacroSelect(const char* sourceTitle, const QString& strName, int iLoopCount, int iLoopMode,
                   QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint | Qt::Dialog);

    QString selectedName() const { return m_strName; }
    // The first option that is on; 0 when none is.
    int loopMode() const;
    // The loop count edit as a number; 0 when it is not one.
    int loopCount() const;

    OrnMenu* macroMenu() const { return m_pMenu; }
    QLineEdit* loopCountEdit() const { return m_pLoopCount; }
    OrnPushButton* loopOption(int iMode) const { return m_Options[iMode]; }
    QToolButton* okButton() const { return m_pOk; }
    void selectMacro(const QString& strName);
    void setLoopMode(int iMode);

    // Refused without a macro, and for a counted loop without a count of 1 to 255.
    void accept() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateOkButton();

    QString m_strName;
    OrnLabel* m_pHeading = nullptr;
    OrnPushButton* m_pMenuButton = nullptr;
    OrnMenu* m_pMenu = nullptr;
    std::array<OrnPushButton*, kLoopModeCount> m_Options{};
    std::array<OrnLabel*, kLoopModeCount> m_OptionTexts{};
    QLineEdit* m_pLoopCount = nullptr;
    QToolButton* m_pOk = nullptr;
    QToolButton* m_pCancel = nullptr;
};
