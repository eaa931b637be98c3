#pragma once

// Raw stage value (what a DPI stage stores and the mouse receives) to the DPI number shown to the user.
// Known sensors: 3104, 3212, 3325, 3327, 3333, 3335, 3360, 3389; any other sensor gives 0.
// Integer arithmetic throughout; negative raw values give 0 rather than a negative DPI.
int dpiFromRaw(int iRaw, int iSensor);
