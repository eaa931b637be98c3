#include "app/shell/BatteryBar.h"

#include "look/UiText.h"

namespace {
const QColor kGrey(100, 100, 100);
}

BatteryBar::BatteryBar(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
    showUnplugged();
}

void BatteryBar::setLook(const QColor& chunk)
{
    // Every battery reading sets the look; the same sheet again would only restyle and repaint the bar.
    if (chunk == m_Chunk)
        return;
    m_Chunk = chunk;
    setStyleSheet(QStringLiteral("QProgressBar { border: none; background-color: #FFFFFF; border-radius: 2px;"
                                 " text-align: center; color: rgb(0,0,0); }"
                                 " QProgressBar::chunk { background-color: rgb(%1,%2,%3); border-radius: 2px; }")
                      .arg(chunk.red())
                      .arg(chunk.green())
                      .arg(chunk.blue()));
}

void BatteryBar::showStored(int iLevel)
{
    if (iLevel <= 0) {
        showUnplugged();
        return;
    }
    m_State = State::Stored;
    setValue(qMin(iLevel, 100));
    setLook(kGrey);
    retranslate();
}

void BatteryBar::showReading(int iLevel, const QColor& theme)
{
    m_State = State::Reading;
    setValue(qBound(0, iLevel, 100));
    setLook(theme);
    retranslate();
}

void BatteryBar::showAsleep()
{
    m_State = State::Asleep;
    setLook(kGrey);
    retranslate();
}

void BatteryBar::showUnplugged()
{
    m_State = State::Unplugged;
    setValue(0);
    setLook(kGrey);
    retranslate();
}

void BatteryBar::retranslate()
{
    switch (m_State) {
    case State::Stored:
    case State::Reading:
        setFormat(QStringLiteral("%p%"));
        break;
    case State::Asleep:
        setFormat(uiText("Asleep"));
        break;
    case State::Unplugged:
        setFormat(QStringLiteral("\u2014"));
        break;
    }
}
