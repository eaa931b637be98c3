#pragma once

#include "device/Frame.h"
#include "store/ConfigData.h"

#include <QString>

#include <vector>

// Every frame a write-out of `config` sends, in send order, with the checksum filled in; nothing is sent.
// Macro files are read from the data folder as in a real write.
std::vector<Frame> writeOutFrames(const ConfigData& config, const QString& productName, int sensorModel,
                                  ChangeMask sections);

// 33 two-digit lower-case hex bytes separated by single spaces.
QString frameLine(const Frame& frame);
