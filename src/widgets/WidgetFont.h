#pragma once

#include <QColor>
#include <QFont>

namespace widgets {

// The current language's font (FONT_LIST/FONT_%d, FONT_LIST/FONT_SIZE_%d) with its pixel size
// times the display scale, truncated. iFixedPixel > 0 replaces the language's size; iReduce is
// taken off before scaling.
// FONT_LIST is read once per language (the program never writes it; painting reads the font
// often, and opening Config.ini each time costs a tenth of a millisecond).
QFont scaledLanguageFont(int iFixedPixel = 0, int iReduce = 0);
// Forgets the fonts read so far, for a FONT_LIST changed while running (start-up merge, tests).
void forgetLanguageFonts();
// A fixed family (e.g. "Consolas") at a pixel size times the display scale.
QFont scaledFixedFont(const QString& strFamily, int iPixel);
// The colour of the theme table at Config/GColorID.
QColor themeColor();

} // namespace widgets
