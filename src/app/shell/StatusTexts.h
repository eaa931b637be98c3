#pragma once

#include <QString>
#include <QtGlobal>

// The short texts the on-screen display shows when the mouse changes something by itself.
QString profileOsdText(quint8 iProfile);
QString dpiOsdText(quint8 iStage, int iDpi);
// 8, 4, 2, 1 name their rate; any other code gives an empty text.
QString rateOsdText(quint8 iRate);
