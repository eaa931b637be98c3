#pragma once

#include "store/ConfigData.h"

#include <QString>
#include <QStringList>

#include <functional>

// What a button record makes the mouse do, read back from the four bytes the mouse receives for it, so
// what the window or the command line shows never promises more than the mouse does.
enum class ButtonActionKind
{
    Function, // a fixed function named by its menu entry ("Left", "DPI +", ...)
    Key,      // one keyboard key
    Chord,    // modifiers and a key, from a combo record or a fixed chord such as "Copy"
    MediaKey, // a consumer-control usage ("Next Track", "Browser Home", ...)
    FireKey,
    Sniper,
    Macro,
    GunFile,
    Unknown, // a code without a menu entry (13, 60) or not a function code at all
};

struct ButtonDescription
{
    ButtonActionKind kind = ButtonActionKind::Unknown;
    int code = 0;
    // Menu entry text of the code (English source text, "Osken" context); nullptr when it has none.
    const char* functionText = nullptr;
    // Key: its name. Chord: "Ctrl", "Shift", "Alt", "Win" as set, then the key's name if there is one.
    // FireKey fired from a keyboard key: that key's name.
    QStringList keys;
    quint16 mediaUsage = 0; // MediaKey: the USB HID consumer usage
    // FireKey fired from a mouse button: "Left", "Right" or "Middle" (source texts); nullptr for a key.
    const char* fireButton = nullptr;
    int fireCount = 0;
    int fireDelayMs = 0;
    int sniperDpi = 0; // 0 when the product's sensor is not known
    QString macroName;
    int loopMode = 0; // 0 a number of times, 1 while the button is held, 2 until it is pressed again
    int loopCount = 0;
};

// sensorModel: the product's sensor number, for the sniper's DPI.
ButtonDescription describeButton(const ButtonInfo& record, int sensorModel);

// One line for a label or a listing. localise receives the English source texts (marked for the "Osken"
// context); a function that returns its argument gives English.
QString buttonDescriptionText(const ButtonDescription& description,
                              const std::function<QString(const char*)>& localise);
