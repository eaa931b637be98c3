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

constexpr quint8 kPhaseFirst = 0xD1;
constexpr quint8 kPhaseNext = 0xD2;
constexpr quint8 kPhaseCommit = 0xD3;
constexpr quint8 kCommitValue = 0x1A;
constexpr quint16 kTableCommitAddress = 0x7F;

// A frame with the header filled in and the checksum left 0 (the verified write fills it). The payload is
// cut to the 24 bytes a frame can carry.
inline Frame makeFrame(quint8 command, quint16 address, quint8 phase, const quint8* payload = nullptr,
                       int length = 0)
{
    Frame frame{};
    if (length < 0)
        length = 0;
    if (length > FrameLayout::MaxPayload)
        length = FrameLayout::MaxPayload;
    frame[FrameLayout::ReportId] = kReportId;
    frame[FrameLayout::Magic] = kFrameMagic;
    frame[FrameLayout::Command] = command;
    frame[FrameLayout::AddressLow] = static_cast<quint8>(address & 0xFF);
    frame[FrameLayout::AddressHigh] = static_cast<quint8>(address >> 8);
    frame[FrameLayout::Length] = static_cast<quint8>(length);
    frame[FrameLayout::Phase] = phase;
    for (int i = 0; i < length; ++i)
        frame[FrameLayout::Payload + i] = payload[i];
    return frame;
}

// Every table write ends with this frame: length 1, phase 0xD3, payload 0x1A.
inline Frame makeCommitFrame(quint8 command, quint16 address = kTableCommitAddress)
{
    const quint8 value = kCommitValue;
    return makeFrame(command, address, kPhaseCommit, &value, 1);
}

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
