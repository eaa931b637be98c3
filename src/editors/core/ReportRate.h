#pragma once

#include <QtGlobal>

#include <array>

// Report-rate codes are the report interval in milliseconds: 1, 2, 4, 8 for 1000, 500, 250, 125 Hz.
constexpr int kRateCount = 4;

// The English text of a rate code ("500 HZ"), to be passed through uiText; nullptr for other codes.
const char* rateText(int iCode);
// The rate in Hz of a code, 0 for other codes; the code of a rate in Hz, 0 for other rates.
int rateHz(int iCode);
int rateCodeForHz(int iHz);
// The rate menu from top to bottom: "125 HZ", "250 HZ", "500 HZ", "1000 HZ".
const std::array<quint8, kRateCount>& rateMenuCodes();
