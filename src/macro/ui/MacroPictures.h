#pragma once

#include <QPixmap>

// The small pictures of the event table, painted in code so the table needs no picture files.
namespace macropictures {

enum class Picture
{
    Delay,    // a clock
    Keyboard, // a key cap
    Movement, // a four-way arrow
    Mouse,    // a mouse
    KeyDown,  // an arrow down
    KeyUp,    // an arrow up
};

// Square picture of iSize pixels, made once per picture and size.
QPixmap picture(Picture which, int iSize);

} // namespace macropictures
