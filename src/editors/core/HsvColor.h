#pragma once

#include "editors/core/HexColor.h"

// Colour maths of the colour dialog: hue 0..359 in degrees, saturation and value 0..255.
struct Hsv
{
    int h = 0;
    int s = 0;
    int v = 0;
    bool operator==(const Hsv& o) const { return h == o.h && s == o.s && v == o.v; }
};

// A hue of 360 or more counts as 0; s and v are taken into 0..255.
Rgb8 hsvToRgb(const Hsv& hsv);
// A grey has no hue of its own: it gets iHueIfGrey so the hue strip does not jump.
Hsv rgbToHsv(const Rgb8& rgb, int iHueIfGrey = 0);

// Hue strip: iHeight pixels of hues below a top margin, 360 at the top and 0 at the bottom.
constexpr int kHueStripMargin = 7;
int hueFromStripY(double dY, int iHeight);
int stripYFromHue(int iHue, int iHeight);

// Saturation/value square of iSide pixels: its side is mapped onto 0..255 whatever the scale, so the
// corners are full saturation and full value.
void svFromSquarePoint(double dX, double dY, int iSide, int& iS, int& iV);
void squarePointFromSv(int iS, int iV, int iSide, int& iX, int& iY);
