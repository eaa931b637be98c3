#pragma once

#include <QColor>
#include <QString>

class QSpinBox;
class QWidget;

// Small look helpers shared by the editor panels.
namespace editors {

// Translucent background of an editor panel, "background-color: rgba(33,35,35,0.5)", bound to the panel's
// class: a bare declaration would cascade to every child label and darken each one again.
QString panelStyleSheet(const QWidget* panel);
// Spin boxes on the dark skin: light text on a dark field, light arrows.
void styleSpinBox(QSpinBox* box);
// "rgb(r,g,b)" for style sheets.
QString cssColor(const QColor& color);
// Horizontal slider of the lighting and pointer panels: themed groove, handle picture when present.
QString pictureSliderStyleSheet(const QString& strHandlePicture);

} // namespace editors
