#pragma once

#include "store/ConfigData.h"
#include "store/ProfileDefaults.h"

// Five full profiles with every button bound and every key step set: the largest files the program writes.
inline ConfigData fullConfig()
{
    ConfigData config;
    for (int i = 0; i < kSlotCount; ++i) {
        ProfileData& p = config.slots[i];
        setProfileDefaults(p, QStringLiteral("OSKEN R5"));
        for (int b = 0; b < kButtonSlotCount; ++b) {
            p.buttons[b].Fun = 200;
            p.buttons[b].macroname = QStringLiteral("macro %1").arg(b);
            for (int k = 0; k < kKeyStepCount; ++k)
                p.buttons[b].keys[k] = KeyInfo{quint8(k), quint8(b), quint8(i)};
        }
        config.slotProfileNames[i] = QStringLiteral("Bench %1").arg(i + 1);
    }
    return config;
}
