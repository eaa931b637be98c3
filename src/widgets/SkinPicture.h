#pragma once

#include <QPixmap>
#include <QString>

// Skin pictures lie beside the program. Paths beginning with "/skin/" are taken relative to the
// program directory; any other path is used as it is.
namespace widgets {

QString skinPath(const QString& strPath);
// The picture, or a null pixmap when it cannot be read. A missing picture is logged once per path
// so a broken installation is visible without flooding the log on every paint.
QPixmap loadSkinPicture(const QString& strPath);
// Dark panel with a theme-coloured border, painted where a picture is missing.
void paintFallbackPanel(class QPainter& painter, const QRect& rect, int iRadius = 0);

} // namespace widgets
