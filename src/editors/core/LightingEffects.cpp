#include "editors/core/LightingEffects.h"

#include <QtGlobal>

const EffectInfo* effectInfo(int iCode)
{
    // Codes 5 to 8 are named (the mouse may report them) but not offered in the menu.
    static const std::array<EffectInfo, kEffectCount> kEffects = {{
        {QT_TRANSLATE_NOOP("Osken", "OFF"), true, false, false, false},
        {QT_TRANSLATE_NOOP("Osken", "FULL LIGHTED"), true, true, false, true},
        {QT_TRANSLATE_NOOP("Osken", "BREATHING"), true, false, true, true},
        {QT_TRANSLATE_NOOP("Osken", "7 COLOR BREATHING"), true, false, true, false},
        {QT_TRANSLATE_NOOP("Osken", "RAINBOW"), true, true, true, false},
        {QT_TRANSLATE_NOOP("Osken", "FLASH"), false, true, true, false},
        {QT_TRANSLATE_NOOP("Osken", "Horizontal WAVE"), false, true, true, false},
        {QT_TRANSLATE_NOOP("Osken", "Horizontal GO WITHOUT TRACE"), false, true, true, false},
        {QT_TRANSLATE_NOOP("Osken", "Raindrop"), false, true, true, false},
        {QT_TRANSLATE_NOOP("Osken", "WAVE"), true, true, true, false},
        {QT_TRANSLATE_NOOP("Osken", "GO WITHOUT TRACE"), true, true, true, false},
        {QT_TRANSLATE_NOOP("Osken", "REACTIVE"), true, true, false, false},
        {QT_TRANSLATE_NOOP("Osken", "yo-yo"), true, true, true, false},
        {QT_TRANSLATE_NOOP("Osken", "Marbles"), true, true, true, false},
    }};
    if (iCode < 0 || iCode >= kEffectCount)
        return nullptr;
    return &kEffects[static_cast<size_t>(iCode)];
}

QString effectWord(int iCode)
{
    const EffectInfo* info = effectInfo(iCode);
    return info ? QString::fromLatin1(info->name).toLower().replace(QLatin1Char(' '), QLatin1Char('-')) : QString();
}

int effectOfWord(const QString& word)
{
    for (int i = 0; i < kEffectCount; ++i) {
        if (word.compare(effectWord(i), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const std::array<quint8, kEffectMenuSize>& effectMenuOrder()
{
    static const std::array<quint8, kEffectMenuSize> kOrder = {1, 2, 3, 4, 9, 11, 10, 12, 13, 0};
    return kOrder;
}

int lightingSlotFor(const QString& productName, int iActiveSlot)
{
    if (productName == QLatin1String("7138"))
        return 0;
    return iActiveSlot;
}

ProfileData& lightingRecord(ConfigData& config, const QString& productName)
{
    const int iSlot = lightingSlotFor(productName, config.ProfileID % kSlotCount);
    return config.slots[static_cast<size_t>(iSlot)];
}
