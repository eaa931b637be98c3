#pragma once

#include "editors/core/SettingsState.h"

#include <QString>
#include <QtGlobal>

#include <array>

// Lighting effect codes 0..13 are the record's LedMode and the index of its lighting entries.
constexpr int kEffectCount = 14;
constexpr int kEffectMenuSize = 10;

// One row of the effect table: name (English, through uiText) and the controls the effect uses.
struct EffectInfo
{
    const char* name;
    bool bInMenu;
    bool bBrightness;
    bool bSpeed;
    bool bColor;
};

// The row of a code; nullptr above 13.
const EffectInfo* effectInfo(int iCode);
// The effect's name as one lower-case word, '-' for spaces ("full-lighted"); empty above 13.
QString effectWord(int iCode);
// The code of an effect word (any case), -1 when none.
int effectOfWord(const QString& word);
// Effect codes in the order the effect menu lists them, the same for every product.
const std::array<quint8, kEffectMenuSize>& effectMenuOrder();
// The slot whose record the lighting editor edits: always slot 0 for the product "7138", whose five
// slots share one lighting setting; the active slot otherwise.
int lightingSlotFor(const QString& productName, int iActiveSlot);
// The record the lighting editor is handed: config's slot chosen by lightingSlotFor.
ProfileData& lightingRecord(ConfigData& config, const QString& productName);

// Brightness 1..3 and speed 1..5 are the sliders' ranges.
constexpr int kBrightnessMin = 1;
constexpr int kBrightnessMax = 3;
constexpr int kSpeedMin = 1;
constexpr int kSpeedMax = 5;
