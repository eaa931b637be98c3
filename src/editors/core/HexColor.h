#pragma once

#include <QString>

// The colour dialog's hexadecimal field: six digits RRGGBB.

struct Rgb8
{
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb8& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Completion when editing finishes: empty gives "000000"; 1, 2, 4 or 5 digits get leading zeros;
// 3 digits double each digit ("f0a" -> "ff00aa"); 6 digits stay. Longer text keeps its first six
// characters so the field never holds more than one colour.
QString completeHex(const QString& text);
// The colour the text stands for once completed, so the colour shown while typing is the one that
// stays when editing finishes; a pair that is not hexadecimal reads 0.
Rgb8 rgbFromHex(const QString& text);
// Lower-case, two digits per component.
QString hexFromRgb(const Rgb8& color);
