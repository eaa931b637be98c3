#pragma once

#include <QtGlobal>

// Battery reading of the mouse (two bytes of the battery reply) to millivolts and to the percentage shown.
int batteryMillivolts(quint8 iLowByte, quint8 iHiByte);
int batteryPercent(quint8 iLowByte, quint8 iHiByte);
