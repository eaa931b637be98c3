#pragma once

#include <QColor>
#include <QString>

// Small look helpers shared by the editor panels.
namespace editors {

// Translucent panel background of every editor panel.
inline const char* panelStyleSheet()
{
    return "background-color: rgba(33,35,35,0.5)";
}
// Text colour of the spin boxes on the dark skin.
inline const char* spinBoxStyleSheet()
{
    return "color: rgb(225,225,225)";
}
// "rgb(r,g,b)" for style sheets.
QString cssColor(const QColor& color);
// Horizontal slider of the lighting and pointer panels: themed groove, handle picture when present.
QString pictureSliderStyleSheet(const QString& strHandlePicture);

} // namespace editors
