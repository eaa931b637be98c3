#include "widgets/SkinPicture.h"

#include "log/Log.h"
#include "store/DataPaths.h"
#include "widgets/WidgetFont.h"

#include <QDebug>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QSet>

namespace widgets {

QString skinPath(const QString& strPath)
{
    if (strPath.startsWith(QLatin1String("/skin/")))
        return programDirectory() + strPath;
    return strPath;
}

QPixmap loadSkinPicture(const QString& strPath)
{
    if (strPath.isEmpty())
        return QPixmap();
    // Widgets repaint often; decoding the same file on every paint would be wasteful.
    static QHash<QString, QPixmap> s_Cache;
    static QSet<QString> s_Missing;
    const QString strFull = skinPath(strPath);
    const auto it = s_Cache.constFind(strFull);
    if (it != s_Cache.constEnd())
        return it.value();
    QPixmap pixmap(strFull);
    if (pixmap.isNull()) {
        if (!s_Missing.contains(strFull)) {
            s_Missing.insert(strFull);
            qCWarning(lcUi).noquote() << "skin picture missing:" << strFull;
        }
        return QPixmap();
    }
    s_Cache.insert(strFull, pixmap);
    return pixmap;
}

void paintFallbackPanel(QPainter& painter, const QRect& rect, int iRadius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, iRadius > 0);
    painter.setPen(QPen(themeColor(), 1));
    painter.setBrush(QColor(40, 40, 40));
    const QRectF inner = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (iRadius > 0)
        painter.drawRoundedRect(inner, iRadius, iRadius);
    else
        painter.drawRect(inner);
    painter.restore();
}

} // namespace widgets
