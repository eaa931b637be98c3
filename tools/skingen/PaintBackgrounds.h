#pragma once

#include <QImage>
#include <QSize>

namespace skingen {

// Main window background at 999 x 640 times the scale (sizes truncated like the window's).
QImage paintMainBackground(double dScale);
// Dialog background with a 30-pixel title strip, at its base size.
QImage paintDialog(const QSize& size);
// The progress dialog's outline.
QImage paintProcess();

} // namespace skingen
