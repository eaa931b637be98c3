#pragma once

#include <QImage>

// Small pictures, painted at twice the size they are usually shown at so that scale 2 stays sharp;
// the widgets stretch them into their own geometry.
namespace skingen {

enum class ButtonState
{
    Normal,
    Lit,
    Pressed
};

// Tab and callout buttons: 300 x 60.
QImage paintTabButton(ButtonState state);
// Side-button images over the side view: 88 x 52; bRound picks the second family of shapes.
QImage paintSideButton(bool bUp, bool bLit, bool bRound);
// Rate button and slider handle: 300 x 60.
QImage paintRateHandle();
// DPI stage switch: 32 x 32.
QImage paintStageSwitch(bool bOn);
// Check box: 40 x 40.
QImage paintCheckBox(bool bChecked);
// Drop-down field: 360 x 56.
QImage paintDropDown();
// The arrows of the spin boxes, light on transparent (20 x 12, drawn at half size).
QImage paintSpinArrow(bool bUp);
// Gun set pictures: the recoil slider track 400 x 24, a bullet 48 x 96, the chosen-bullet ring 48 x 96.
QImage paintGunSlider();
QImage paintBullet(bool bSelected);
// Battery frame 120 x 52, charging bolt 48 x 64, warning sign 128 x 128.
QImage paintBattery();
QImage paintLightning();
QImage paintWarning();

} // namespace skingen
