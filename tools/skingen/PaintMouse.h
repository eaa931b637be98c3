#pragma once

#include <QImage>

// The "OSKEN R5" drawings. The top view is designed on a 300 x 400 grid and painted at twice that
// (600 x 800), the side view on 400 x 200 (800 x 400): the main window shows them in a 300 x 400
// box times the scale, so scale 2 needs no enlarging.
namespace skingen {

constexpr int kMouseButtonCount = 7;

// iButton 0 paints no highlight; 1..7 lights that button: 1 left, 2 right, 3 wheel, 4 and 5 the
// forward and back buttons on the left flank, 6 and 7 the two top buttons behind the wheel. Centres on
// the 300 x 400 grid: 1 (105, 100), 2 (195, 100), 3 (150, 89), 4 (68, 213), 5 (68, 263), 6 (150, 143),
// 7 (150, 187).
// The strip and the logo are painted unlit; paintMouseGlow gives them alone, in white, for the window to
// colour with the lighting.
QImage paintMouseTop(int iButton);
QImage paintMouseGlow();
QImage paintMouseSide();
QImage paintMouseSideGlow();

} // namespace skingen
