#pragma once

#include <QColor>
#include <QFont>

namespace widgets {

// The current language's font (FONT_LIST/FONT_%d, FONT_LIST/FONT_SIZE_%d) with its pixel size
// times the display scale, truncated. iFixedPixel > 0 replaces the language's size; iReduce is
// taken off before scaling.
QFont scaledLanguageFont(int iFixedPixel = 0, int iReduce = 0);
// A fixed family (e.g. "Consolas") at a pixel size times the display scale.
QFont scaledFixedFont(const QString& strFamily, int iPixel);
// The colour of the theme table at Config/GColorID.
QColor themeColor();

} // namespace widgets
