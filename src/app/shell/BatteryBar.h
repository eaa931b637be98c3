#pragma once

#include <QProgressBar>

// The battery level under the logo, saying what it shows: a fresh reading in the theme colour, the level
// stored at the last run (grey, until the first reading), "Asleep" (grey) or "—" while no mouse is there.
class BatteryBar : public QProgressBar
{
    Q_OBJECT
public:
    enum class State
    {
        Stored,
        Reading,
        Asleep,
        Unplugged,
    };

    explicit BatteryBar(QWidget* parent = nullptr);

    // The level kept from the last run; 0 or less: none known, shown as unplugged.
    void showStored(int iLevel);
    void showReading(int iLevel, const QColor& theme);
    // The level stays, greyed, so the bar does not jump when the mouse wakes up.
    void showAsleep();
    void showUnplugged();
    // Texts again after a language switch.
    void retranslate();
    State state() const { return m_State; }

private:
    void setLook(const QColor& chunk);

    State m_State = State::Unplugged;
    QColor m_Chunk; // the chunk colour of the style sheet set last
};
