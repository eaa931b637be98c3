#pragma once

#include <QtGlobal>

#include <array>
#include <functional>

// One command report to the mouse: 33 bytes, sent whole.
constexpr int kFrameSize = 33;
using Frame = std::array<quint8, kFrameSize>;

namespace FrameLayout {
constexpr int ReportId = 0; // always 0x05
constexpr int Checksum = 1; // (bytes 2..7 summed, mod 256) ^ 0x66
constexpr int Magic = 2;    // always 0xFA
constexpr int Command = 3;
constexpr int AddressLow = 4; // or parameter 1
constexpr int AddressHigh = 5; // or parameter 2
constexpr int Length = 6;  // payload bytes n, 0..24
constexpr int Phase = 7;   // 0xD1 first block, 0xD2 following block, 0xD3 commit, 0 simple commands
constexpr int Payload = 8;
constexpr int MaxPayload = 24;
} // namespace FrameLayout

constexpr quint8 kReportId = 0x05;
constexpr quint8 kFrameMagic = 0xFA;
constexpr quint8 kChecksumXor = 0x66;

inline quint8 frameChecksum(const Frame& frame)
{
    unsigned sum = 0;
    for (int i = FrameLayout::Magic; i < FrameLayout::Payload; ++i)
        sum += frame[i];
    return static_cast<quint8>((sum & 0xFF) ^ kChecksumXor);
}

inline void fillChecksum(Frame& frame) { frame[FrameLayout::Checksum] = frameChecksum(frame); }

// Device results: 0 done, 1 no device open, 2 gave up after the echo retries, 4 the write failed,
// 5 (write-out only) the mouse is asleep.
namespace DeviceResult {
constexpr quint8 Done = 0;
constexpr quint8 NoDevice = 1;
constexpr quint8 GaveUp = 2;
constexpr quint8 WriteFailed = 4;
constexpr quint8 Asleep = 5;
} // namespace DeviceResult

// Sends one frame with the verified write and returns its device result.
using FrameSender = std::function<quint8(const Frame&)>;
