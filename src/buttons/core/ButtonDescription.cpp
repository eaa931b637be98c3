#include "buttons/core/ButtonDescription.h"

#include "buttons/core/ButtonFunction.h"
#include "editors/core/DpiConversion.h"
#include "store/keys/KeyCodes.h"

namespace {

namespace F = ButtonFunction;

constexpr quint8 kTypeChord = 0x8F;
constexpr quint8 kTypeConsumer = 0x8E;

// Chord modifier bits as the mouse reads them.
struct Modifier
{
    quint8 bit;
    const char* name;
};
constexpr Modifier kModifiers[] = {{0x01, "Ctrl"}, {0x02, "Shift"}, {0x04, "Alt"}, {0x08, "Win"}};

QString keyNameOfUsage(quint8 usage)
{
    int keyCode = 0;
    return usage != 0 && hidToScan(usage, keyCode) ? keyName(keyCode) : QString();
}

const char* fireButtonText(quint8 source)
{
    switch (source) {
    case 0x81:
        return QT_TRANSLATE_NOOP("Osken", "Left");
    case 0x82:
        return QT_TRANSLATE_NOOP("Osken", "Right");
    case 0x84:
        return QT_TRANSLATE_NOOP("Osken", "Middle");
    default:
        return nullptr;
    }
}

} // namespace

ButtonDescription describeButton(const ButtonInfo& record, int sensorModel)
{
    ButtonDescription d;
    d.code = record.Fun;
    d.functionText = buttonFunctionText(record.Fun);
    // The description reads the bytes the write-out would send; the copy keeps the slot map and Res4 of the
    // real record untouched.
    ButtonInfo copy = record;
    MacroSlotMap macroSlots;
    const DeviceEntry entry = encodeButtonEntry(copy, sensorModel, macroSlots);

    switch (record.Fun) {
    case F::SingleKey:
        d.kind = ButtonActionKind::Key;
        if (entry[2] != 0)
            d.keys << keyName(record.Res1);
        return d;
    case F::FireKey:
        d.kind = ButtonActionKind::FireKey;
        d.fireButton = fireButtonText(entry[1]);
        if (!d.fireButton)
            d.keys << keyNameOfUsage(entry[1]);
        d.fireCount = entry[2];
        d.fireDelayMs = entry[3] * 10; // sent in units of 10 ms
        return d;
    case F::Sniper:
        d.kind = ButtonActionKind::Sniper;
        d.sniperDpi = dpiFromRaw(record.Res1, sensorModel);
        return d;
    case F::Macro:
    case F::GunFile:
        d.kind = record.Fun == F::Macro ? ButtonActionKind::Macro : ButtonActionKind::GunFile;
        d.macroName = record.macroname;
        d.loopMode = record.Res1 <= 2 ? record.Res1 : 0; // the mouse counts loops for any other mode
        d.loopCount = d.loopMode == 0 ? (entry[2] | entry[3] << 8) : 0;
        return d;
    default:
        break;
    }
    if (!d.functionText) {
        d.kind = ButtonActionKind::Unknown;
    } else if (entry[0] == kTypeChord) {
        d.kind = ButtonActionKind::Chord;
        for (const Modifier& modifier : kModifiers) {
            if (entry[1] & modifier.bit)
                d.keys << QLatin1String(modifier.name);
        }
        const QString key = keyNameOfUsage(entry[2]);
        if (!key.isEmpty())
            d.keys << key;
    } else if (entry[0] == kTypeConsumer) {
        d.kind = ButtonActionKind::MediaKey;
        d.mediaUsage = static_cast<quint16>(entry[2] | entry[3] << 8);
    } else {
        d.kind = ButtonActionKind::Function;
    }
    return d;
}

QString buttonDescriptionText(const ButtonDescription& d, const std::function<QString(const char*)>& localise)
{
    const QString function = d.functionText ? localise(d.functionText) : QString();
    switch (d.kind) {
    case ButtonActionKind::Key:
        return d.keys.isEmpty() ? function : d.keys.first();
    case ButtonActionKind::Chord:
        // A named chord ("Copy") says more than its keys; a combo record is its keys.
        return d.code == ButtonFunction::ComboKey && !d.keys.isEmpty() ? d.keys.join(QLatin1Char('+')) : function;
    case ButtonActionKind::FireKey: {
        const QString source = d.fireButton ? localise(d.fireButton) : d.keys.value(0);
        return localise(QT_TRANSLATE_NOOP("Osken", "Fire %1 ×%2 / %3 ms"))
            .arg(source)
            .arg(d.fireCount)
            .arg(d.fireDelayMs);
    }
    case ButtonActionKind::Sniper:
        return d.sniperDpi > 0 ? localise(QT_TRANSLATE_NOOP("Osken", "Sniper %1 DPI")).arg(d.sniperDpi) : function;
    case ButtonActionKind::Macro:
    case ButtonActionKind::GunFile:
        if (d.macroName.isEmpty())
            return function;
        if (d.loopMode == 1)
            return localise(QT_TRANSLATE_NOOP("Osken", "%1 (while held)")).arg(d.macroName);
        if (d.loopMode == 2)
            return localise(QT_TRANSLATE_NOOP("Osken", "%1 (until pressed again)")).arg(d.macroName);
        if (d.loopCount == 1)
            return d.macroName;
        return localise(QT_TRANSLATE_NOOP("Osken", "%1 ×%2")).arg(d.macroName).arg(d.loopCount);
    case ButtonActionKind::Function:
    case ButtonActionKind::MediaKey:
    case ButtonActionKind::Unknown:
        break;
    }
    return function;
}
