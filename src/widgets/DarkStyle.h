#pragma once

#include <QPalette>
#include <QString>

// The dark look of the toolkit's own controls inside the skinned windows, so none of them falls back to the
// light system style: scroll bars and their corner, the table corner and header, check box ticks, spin boxes,
// combo boxes, tooltips. Set on a window, the rules reach every child, dialogs included.
namespace widgets {

QString darkStyleSheet();
// Its parts, for a widget that stands on its own.
QString scrollBarStyleSheet();
QString checkBoxStyleSheet(); // the skin's box pictures: a dark box, a tick in the theme colour
QString spinBoxStyleSheet();
// The same colours as a palette, for what style sheets do not reach (icons drawn from the palette, views).
QPalette darkPalette();

} // namespace widgets
