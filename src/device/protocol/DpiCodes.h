#pragma once

#include "device/Frame.h"
#include "store/ConfigData.h"

#include <array>
#include <vector>

// Sensor models whose resolution codes the mouse understands; any other number sends zero codes.
namespace SensorModel {
constexpr int S3104 = 3104;
constexpr int S3212 = 3212;
constexpr int S3325 = 3325;
constexpr int S3327 = 3327;
constexpr int S3333 = 3333;
constexpr int S3335 = 3335;
constexpr int S3360 = 3360;
constexpr int S3389 = 3389;
} // namespace SensorModel

// Device code and range byte of one stored resolution value.
struct DpiAxisCode
{
    quint8 code = 0;
    quint8 range = 0;
    bool operator==(const DpiAxisCode& o) const { return code == o.code && range == o.range; }
};

// Values from files are untrusted: a value past a table's last code takes the last code.
DpiAxisCode encodeDpiValue(int sensor, quint32 value);

// used, X code, X range, Y code, Y range.
constexpr int kDpiStagePayloadLength = 5;
using DpiStagePayload = std::array<quint8, kDpiStagePayloadLength>;
DpiStagePayload encodeDpiStage(const DpiInfo& stage, int sensor);

// Stage count, the six stages at addresses 1, 6, ... 26, commit.
std::vector<Frame> encodeDpiStages(const ProfileData& profile, int sensor);
