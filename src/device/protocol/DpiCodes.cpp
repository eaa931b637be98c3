#include "device/protocol/DpiCodes.h"

#include "device/protocol/CommandCodes.h"

#include <utility>

namespace {

constexpr std::array<quint8, 51> kT3325{0,  2,  4,  6,  8,  11, 13, 15, 18, 20, 22,  25,  27,  29,  32,  34,  36,
                                        39, 41, 43, 46, 48, 50, 52, 55, 57, 59, 62,  64,  66,  69,  71,  73,  76,
                                        78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115};

constexpr std::array<quint8, 62> kT3327{0,   4,   6,   9,   11,  13,  15,  18,  20,  22,  24,  27,  29,  31,  33,  36,
                                        38,  40,  43,  45,  47,  49,  52,  54,  56,  58,  61,  63,  65,  67,  70,  72,
                                        74,  77,  79,  81,  83,  86,  88,  90,  92,  95,  97,  99,  102, 104, 106, 108,
                                        111, 113, 115, 117, 120, 122, 124, 127, 129, 131, 133, 135, 138, 140};

constexpr std::array<quint8, 80> kT3333{188, 188, 4,   6,   9,   11,  14,  16,  18,  21,  23,  25,  27,  29,  32,  34,
                                        36,  39,  41,  43,  46,  48,  50,  52,  55,  57,  59,  62,  64,  66,  69,  72,
                                        74,  77,  78,  81,  84,  85,  88,  91,  93,  95,  98,  100, 102, 105, 107, 109,
                                        112, 114, 116, 119, 121, 123, 126, 128, 130, 133, 135, 137, 140, 142, 145, 147,
                                        149, 151, 154, 156, 158, 161, 163, 165, 168, 171, 173, 175, 178, 180, 182, 185};

constexpr std::array<quint8, 161> kT3335{
    0,   0,   2,   3,   4,   5,   6,   7,   9,   10,  11,  12,  13,  14,  16,  17,  18,  19,  20,  22,  23,  24,  25,
    26,  27,  29,  30,  31,  32,  33,  35,  37,  38,  39,  40,  41,  42,  44,  45,  46,  47,  48,  50,  51,  52,  53,
    54,  56,  57,  58,  59,  60,  62,  63,  64,  65,  66,  68,  69,  70,  71,  72,  74,  75,  76,  77,  78,  80,  81,
    82,  83,  84,  86,  87,  88,  89,  90,  92,  93,  94,  95,  96,  98,  99,  100, 101, 102, 104, 105, 106, 107, 108,
    110, 111, 112, 113, 114, 116, 117, 118, 119, 120, 122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 134, 135, 136,
    137, 138, 140, 141, 142, 143, 144, 146, 147, 148, 149, 150, 152, 153, 154, 155, 156, 158, 159, 160, 161, 162, 164,
    165, 166, 167, 168, 170, 171, 172, 173, 174, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 188};

// Highest stored values that still have a code; larger ones are clamped to them.
constexpr quint32 kMax3325 = 75;
constexpr quint32 kMax3327 = 113;
constexpr quint32 kMax3333 = 119;
constexpr quint32 kMax3335 = 200;

template <std::size_t N> quint8 codeAt(const std::array<quint8, N>& table, quint32 index)
{
    return table[index < N ? index : N - 1];
}

DpiAxisCode axis(quint32 code, quint32 range)
{
    return {static_cast<quint8>(code), static_cast<quint8>(range)};
}

DpiAxisCode encode3325(quint32 v)
{
    v = qMin(v, kMax3325);
    return v <= 50 ? axis(codeAt(kT3325, v), 0) : axis(codeAt(kT3325, v - 25), 1);
}

DpiAxisCode encode3327(quint32 v)
{
    v = qMin(v, kMax3327);
    if (v <= 61)
        return axis(codeAt(kT3327, v), 0);
    if (v <= 92)
        return axis(codeAt(kT3327, v - 30), 1); // 92 would index past the table: last code
    return axis(codeAt(kT3327, v - 52), 4);
}

DpiAxisCode encode3333(quint32 v)
{
    v = qMin(v, kMax3333);
    return v < 80 ? axis(codeAt(kT3333, v), 0) : axis(codeAt(kT3333, v - 40), 1);
}

DpiAxisCode encode3335(quint32 v)
{
    v = qMin(v, kMax3335);
    return v <= 160 ? axis(codeAt(kT3335, v), 0) : axis(codeAt(kT3335, v - 40), 1);
}

// The arithmetic rules keep only the low byte of code and range, as the wire does.
DpiAxisCode encode3360(quint32 v)
{
    return v <= 120 ? axis(v - 1, 0) : axis(v - 61, 1);
}

DpiAxisCode encode3389(quint32 v)
{
    constexpr quint32 kHighRangeFlag = 0x80;
    if (v <= 320)
        return axis(v % 256, v / 256);
    const quint32 w = v - 160;
    return axis(w % 256, ((w / 256) & 0xFF) | kHighRangeFlag);
}

DpiAxisCode encode3212(quint32 v)
{
    if (v < 64)
        return axis(v, 0);
    if (v <= 94)
        return axis(v - 32, 1);
    return axis(v - 63, 2);
}

DpiAxisCode encode3104(quint32 v)
{
    return v < 107 ? axis(v, 0) : axis(v - 53, 1);
}

constexpr int kDpiStageStride = kDpiStagePayloadLength;
constexpr int kFirstStageAddress = 1;

} // namespace

DpiAxisCode encodeDpiValue(int sensor, quint32 value)
{
    switch (sensor) {
    case SensorModel::S3104:
        return encode3104(value);
    case SensorModel::S3212:
        return encode3212(value);
    case SensorModel::S3325:
        return encode3325(value);
    case SensorModel::S3327:
        return encode3327(value);
    case SensorModel::S3333:
        return encode3333(value);
    case SensorModel::S3335:
        return encode3335(value);
    case SensorModel::S3360:
        return encode3360(value);
    case SensorModel::S3389:
        return encode3389(value);
    default:
        return {};
    }
}

DpiStagePayload encodeDpiStage(const DpiInfo& stage, int sensor)
{
    quint32 xValue = stage.x;
    quint32 yValue = stage.y;
    if (sensor == SensorModel::S3104)
        std::swap(xValue, yValue); // this sensor has its axes the other way round
    else if (sensor == SensorModel::S3335)
        yValue = xValue; // one resolution for both axes
    const DpiAxisCode x = encodeDpiValue(sensor, xValue);
    const DpiAxisCode y = encodeDpiValue(sensor, yValue);
    return {stage.used, x.code, x.range, y.code, y.range};
}

std::vector<Frame> encodeDpiStages(const ProfileData& profile, int sensor)
{
    std::vector<Frame> frames;
    const quint8 count = kDpiStageCount;
    frames.push_back(makeFrame(ProtocolCommand::DpiStages, 0, kPhaseFirst, &count, 1));
    for (int k = 0; k < kDpiStageCount; ++k) {
        const DpiStagePayload payload = encodeDpiStage(profile.stages[k], sensor);
        frames.push_back(makeFrame(ProtocolCommand::DpiStages,
                                   static_cast<quint16>(kFirstStageAddress + kDpiStageStride * k), kPhaseNext,
                                   payload.data(), kDpiStagePayloadLength));
    }
    frames.push_back(makeCommitFrame(ProtocolCommand::DpiStages));
    return frames;
}
