#include "buttons/core/ButtonTable.h"

#include "buttons/core/ButtonFunction.h"
#include "store/DataPaths.h"
#include "store/SettingsValue.h"

#include <QSettings>

namespace {

constexpr quint8 kTableHead0 = 0x0A;
constexpr quint8 kTableHead1 = 0x00;
constexpr int kExtraRecord0 = 40;
constexpr int kExtraEntry0 = 22;

// How many front records (from record 0, into entries from 0) the product sends; -1 for none.
int frontRecordCount(const QString& productName)
{
    if (productName == QLatin1String("Wireless Mouse"))
        return 6;
    if (productName == QLatin1String("OSKEN R5"))
        return 8;
    return -1;
}

void putEntry(ButtonTable& table, int entry, const DeviceEntry& bytes)
{
    for (int i = 0; i < kDeviceEntrySize; ++i)
        table.bytes[kButtonTableHead + kDeviceEntrySize * entry + i] = bytes[i];
}

} // namespace

bool sendsRecord(const QString& productName, int iRecord)
{
    const int frontCount = frontRecordCount(productName);
    return frontCount >= 0 &&
           ((iRecord >= 0 && iRecord < frontCount) || iRecord == kExtraRecord0 || iRecord == kExtraRecord0 + 1);
}

int sensorModelFor(const QString& productName)
{
    const QSettings settings(programConfigPath(), QSettings::IniFormat);
    return readNumber<int>(settings, QStringLiteral("MouseSenSor/") + productName);
}

void fillButtonTable(ProfileData& profile, const QString& productName, ButtonTable& table, MacroSlotMap& macroSlots)
{
    fillButtonTable(profile, productName, sensorModelFor(productName), table, macroSlots);
}

void fillButtonTable(ProfileData& profile, const QString& productName, int sensorModel, ButtonTable& table,
                     MacroSlotMap& macroSlots)
{
    table.bytes[0] = kTableHead0;
    table.bytes[1] = kTableHead1;
    const int frontCount = frontRecordCount(productName);
    if (frontCount < 0)
        return;
    // Order matters: macro macroSlots are given in the order the records are encoded.
    for (int i = 0; i < frontCount; ++i)
        putEntry(table, i, encodeButtonEntry(profile.buttons[i], sensorModel, macroSlots));
    for (int i = 0; i < 2; ++i)
        putEntry(table, kExtraEntry0 + i,
                 encodeButtonEntry(profile.buttons[kExtraRecord0 + i], sensorModel, macroSlots));
}
