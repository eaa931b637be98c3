#include "editors/ui/EditorLook.h"

#include "look/DisplayScale.h"
#include "widgets/DarkStyle.h"
#include "widgets/SkinPicture.h"
#include "widgets/WidgetFont.h"

#include <QFileInfo>
#include <QSpinBox>
#include <QWidget>

namespace editors {

QString cssColor(const QColor& color)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

QString panelStyleSheet(const QWidget* panel)
{
    return QStringLiteral("%1 { background-color: rgba(33,35,35,0.5) }")
        .arg(QString::fromLatin1(panel->metaObject()->className()));
}

void styleSpinBox(QSpinBox* box)
{
    box->setStyleSheet(widgets::spinBoxStyleSheet());
}

QString pictureSliderStyleSheet(const QString& strHandlePicture)
{
    const QString strTheme = cssColor(widgets::themeColor());
    const int iGroove = qMax(2, look::scaled(4));
    const int iHandle = look::scaled(16);
    // The picture is a wide pill; a handle of the same proportions keeps it from looking squashed.
    const int iPictureWidth = look::scaled(30);
    const QString strPath = widgets::skinPath(strHandlePicture);
    // Without the picture the handle is painted in the theme colour, so a broken install stays usable.
    const QString strHandle =
        QFileInfo::exists(strPath)
            ? QStringLiteral("border-image: url(%1) 0 0 0 0 stretch stretch;").arg(strPath)
            : QStringLiteral("background: %1; border: 1px solid rgb(20,20,20); border-radius: %2px;")
                  .arg(strTheme)
                  .arg(iHandle / 2);
    return QStringLiteral("QSlider { background-color: rgba(0,0,0,0); }"
                          " QSlider::groove:horizontal { height: %2px; background: rgb(70,70,70);"
                          " border-radius: %3px; }"
                          " QSlider::sub-page:horizontal { background: %1; border-radius: %3px; }"
                          " QSlider::handle:horizontal { width: %7px; height: %4px; margin: -%5px 0; %6 }")
        .arg(strTheme)
        .arg(iGroove)
        .arg(iGroove / 2)
        .arg(iHandle)
        .arg((iHandle - iGroove) / 2)
        .arg(strHandle)
        .arg(QFileInfo::exists(strPath) ? iPictureWidth : iHandle);
}

} // namespace editors
