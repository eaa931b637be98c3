#pragma once

#include <QColor>

namespace look {

constexpr int kThemeColorCount = 7;
// Theme colour by Config/GColorID; ids outside the table give the first colour.
QColor themeColor(int iColorId);
// The theme colour named by Config/GColorID.
QColor currentThemeColor();

} // namespace look
