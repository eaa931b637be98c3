#pragma once

#include "store/ConfigData.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Button functions in the words people type: "left", "copy", "media:next", "dpi:+", "key:F8",
// "chord:ctrl+shift+a", "fire:left:3:50", "sniper:800", "macro:NAME:while-held", "off". One table gives the
// word of every fixed function; key words are the key names with '-' for spaces ("Page-Up"), matched
// without regard to case.

// Which menu of the button window a button takes its functions from.
enum class ButtonGroup
{
    Front, // the main menu
    Wheel, // the extra menu (the wheel's two records)
};

// A button the user can give a function to: the window's label number ("1".."7") or "wheel-up"/"wheel-down".
struct MouseButton
{
    QString name;
    int record;
    ButtonGroup group;
};
// The buttons the window offers for a product; none for a product whose button table is not known.
std::vector<MouseButton> mouseButtons(const QString& productName);

// Fire key limits: shots 1..255; a pause of 10 to 999 ms (the mouse counts it in steps of 10 ms).
constexpr int kFireMaxShots = 255;
constexpr int kFireMinDelayMs = 10;
constexpr int kFireMaxDelayMs = 999;
// Macro loop modes (Res1) and the loop count of mode 0.
constexpr int kLoopTimes = 0;
constexpr int kLoopWhileHeld = 1;
constexpr int kLoopUntilPressed = 2;
constexpr int kMaxLoopCount = 255;

// What a word asks a button to do.
struct ButtonAssignment
{
    int code = 0;
    int keyCode = 0;            // single key
    std::vector<int> comboKeys; // combo: modifiers first, at most one other key
    quint8 fireSource = 0;      // 0x81, 0x82, 0x84 for the left, right, middle button, else a HID usage
    int fireShots = 3;
    int fireDelayMs = 10;
    int sniperStep = 0;
    QString macroName;
    int loopMode = kLoopTimes;
    int loopCount = 1;
};

// Reads a word for a button of `group`; the sniper's DPI is checked against `sensorModel`. Nothing, and one
// line in `error` saying what is allowed, when the word is not a function the button takes.
std::optional<ButtonAssignment> parseButtonWord(const QString& word, ButtonGroup group, int sensorModel,
                                                QString& error);

// Gives the record the function with its parameters; fields the function does not use keep their values, as
// the button window leaves them. A macro's events are copied from its file by the caller (copyMacroEvents).
void assignButton(ButtonInfo& record, const ButtonAssignment& assignment);

// The word of what a record holds, the form parseButtonWord reads back; "code:N" for a code without a word.
QString buttonWord(const ButtonInfo& record, int sensorModel);

// Every fixed function a group takes with its word, and the forms with parameters, for help and completion.
struct FunctionWordRow
{
    int code;
    QString word;
};
std::vector<FunctionWordRow> fixedFunctionWords(ButtonGroup group);
QStringList parameterFunctionForms(ButtonGroup group);

// A key's word: its name with '-' for spaces; empty for a code without a name.
QString keyWord(int keyCode);
// The key code of a word (any case) among the keys the mouse can send; 0 when none.
int keyCodeOfWord(const QString& word);
