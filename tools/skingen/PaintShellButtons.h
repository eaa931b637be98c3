#pragma once

#include <QImage>
#include <QString>

// The main window's own button families: four states each (normal, hover, pressed, disabled) for
// text and icon buttons, three (normal, lit, pressed) for the numbered callouts. Painted at twice
// their shown size.
namespace skingen {

enum class ShellState
{
    Normal,
    Hover,
    Pressed,
    Disabled
};

// Text buttons of the profile bar and title bar: 240 x 60.
QImage paintTextButton(ShellState state);
// Numbered callouts over the mouse picture: 52 x 52.
QImage paintCallout(ShellState state);
// 56 x 56 square buttons with a glyph: "close", "minimise", "drop", "reset", "add", "delete", "copy",
// "export", "import". Unknown names give a plain button.
QImage paintIconButton(const QString& glyph, ShellState state);

} // namespace skingen
