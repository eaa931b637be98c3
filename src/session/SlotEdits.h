#pragma once

#include "store/ConfigData.h"

#include <QString>

#include <optional>

// What a value is checked against: the product (its button table and lighting rules) and its sensor (DPI).
struct ProductRules
{
    QString productName;
    int sensorModel = 0;
};
// Config/CurrentProductName and the sensor stored for it.
ProductRules currentProductRules();

// Checked changes of one slot's record, the ones the window's panels make, for callers that take values as
// typed (the command line). Each either changes the record and returns true, or leaves it as it was and puts
// one line into `refusal` that says what is allowed. Stages are 0..5 here; texts count them from 1.

// The stage's DPI, X and Y together, or apart where the sensor allows it.
[[nodiscard]] bool setStageDpi(ProfileData& record, const ProductRules& rules, int iStage, int iDpiX,
                               std::optional<int> iDpiY, QString& refusal);
// A stage in or out of the mouse's cycle; the current stage and the last stage in the cycle stay in.
[[nodiscard]] bool setStageUsed(ProfileData& record, int iStage, bool bUsed, QString& refusal);
// The stage the mouse uses; it must be in the cycle.
[[nodiscard]] bool setActiveStage(ProfileData& record, int iStage, QString& refusal);
[[nodiscard]] bool setReportRate(ProfileData& record, int iHz, QString& refusal);
// Scroll and pointer speed, 1..20 each.
[[nodiscard]] bool setSpeeds(ProfileData& record, std::optional<int> iPointer, std::optional<int> iScroll,
                             QString& refusal);

struct LightingChange
{
    QString effect;                // an effect word of the effect menu ("wave")
    std::optional<QString> colour; // RRGGBB or #RRGGBB
    std::optional<int> brightness; // 1..3
    std::optional<int> speed;      // 1..5
};
// The effect and the values it shows controls for; others are refused. `record` is the one the lighting
// editor edits (lightingSlotFor).
[[nodiscard]] bool setLighting(ProfileData& record, const LightingChange& change, QString& refusal);

// A button named as mouseButtons() names it, a function word as parseButtonWord() reads it; the left click
// stays on one button at least, and a macro must be in the macro list.
[[nodiscard]] bool setButton(ProfileData& record, const ProductRules& rules, const QString& button, const QString& word,
                             QString& refusal);
