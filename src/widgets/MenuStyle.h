#pragma once

#include <QFont>
#include <QString>

// The dark drop-down style that the main window and the editors give every menu: background
// rgb(50,50,50), the selected entry marked in the theme colour, texts in the given font.
namespace widgets {

QString menuStyleSheet(int iColorId, const QFont& font);
// With Config/GColorID and the current language font at the display scale.
QString menuStyleSheet();

} // namespace widgets
