#include "buttons/core/ButtonWords.h"

#include "buttons/core/ButtonFunction.h"
#include "buttons/core/SniperSteps.h"
#include "editors/core/DpiConversion.h"
#include "store/keys/KeyCodes.h"

#include <algorithm>
#include <iterator>

namespace {

namespace F = ButtonFunction;

struct FunctionWord
{
    int code;
    const char* word;
};

// The word of every function without parameters. Parser and printer both read this table.
constexpr FunctionWord kWords[] = {
    {F::Left, "left"},
    {F::Right, "right"},
    {F::Middle, "middle"},
    {F::Forward, "forward"},
    {F::Back, "back"},
    {F::ButtonOff, "off"},
    {F::Cut, "cut"},
    {F::Copy, "copy"},
    {F::Paste, "paste"},
    {F::SelectAll, "select-all"},
    {F::Find, "find"},
    {F::New, "new"},
    {F::Print, "print"},
    {F::Save, "save"},
    {F::SwitchWindow, "switch-window"},
    {F::CloseWindow, "close-window"},
    {F::MyComputer, "my-computer"},
    {F::Run, "run"},
    {F::ShowDesktop, "show-desktop"},
    {F::LockPc, "lock-pc"},
    {F::BrowserHome, "browser:home"},
    {F::BrowserBackward, "browser:back"},
    {F::BrowserForward, "browser:forward"},
    {F::BrowserStop, "browser:stop"},
    {F::BrowserRefresh, "browser:refresh"},
    {F::BrowserSearch, "browser:search"},
    {F::BrowserFavorite, "browser:favorites"},
    {F::Mail, "mail"},
    {F::PlayPause, "media:play-pause"},
    {F::Stop, "media:stop"},
    {F::PreviousTrack, "media:previous"},
    {F::NextTrack, "media:next"},
    {F::VolumeUp, "media:volume-up"},
    {F::VolumeDown, "media:volume-down"},
    {F::Mute, "media:mute"},
    {F::MediaPlayer, "media:player"},
    {F::DpiSwitch, "dpi:cycle"},
    {F::DpiUp, "dpi:+"},
    {F::DpiDown, "dpi:-"},
    {F::RateUp, "rate:+"},
    {F::RateDown, "rate:-"},
    {F::ScrollUp, "scroll:up"},
    {F::ScrollDown, "scroll:down"},
    {F::LedSwitch, "led-switch"},
    {F::ProfileUp, "profile:+"},
    {F::ProfileDown, "profile:-"},
    {F::ProfileSwitch, "profile:cycle"},
};

// Prefixes of the functions with parameters, and the form shown in help.
struct ParameterForm
{
    int code;
    const char* prefix;
    const char* form;
};
constexpr ParameterForm kForms[] = {
    {F::SingleKey, "key:", "key:KEY"},
    {F::ComboKey, "chord:", "chord:MOD+...+KEY"},
    {F::FireKey, "fire:", "fire:left|right|middle|key:KEY[:SHOTS[:MS]]"},
    {F::Sniper, "sniper:", "sniper:DPI"},
    {F::Macro, "macro:", "macro:NAME[:TIMES|while-held|until-pressed]"},
};

// The wheel's records take the extra menu's functions; the other buttons every function the main menu offers.
constexpr int kWheelCodes[] = {F::ScrollUp, F::ScrollDown, F::VolumeUp, F::VolumeDown, F::Left,    F::Right,
                               F::Middle,   F::Forward,    F::Back,     F::SingleKey,  F::ComboKey};

bool takes(ButtonGroup group, int code)
{
    if (group == ButtonGroup::Wheel)
        return std::find(std::begin(kWheelCodes), std::end(kWheelCodes), code) != std::end(kWheelCodes);
    const ButtonFunctionRow* row = buttonFunctionRow(code);
    return row && row->offered && code != F::ScrollUp && code != F::ScrollDown;
}

struct Modifier
{
    const char* word;
    int keyCode;      // what a chord stores (the left key)
    int rightKeyCode; // counts the same on the mouse
};
constexpr Modifier kModifiers[] = {
    {"ctrl", 0x1D, KeyCode::RightCtrl}, {"shift", 0x2A, 0x36}, {"alt", 0x38, KeyCode::RightAlt}, {"win", 0x5B, 0x5C}};

const Modifier* modifierOfWord(const QString& word)
{
    for (const Modifier& m : kModifiers) {
        if (word.compare(QLatin1String(m.word), Qt::CaseInsensitive) == 0)
            return &m;
    }
    return nullptr;
}

const Modifier* modifierOfKey(int keyCode)
{
    for (const Modifier& m : kModifiers) {
        if (keyCode == m.keyCode || keyCode == m.rightKeyCode)
            return &m;
    }
    return nullptr;
}

constexpr quint8 kFireLeft = 0x81;
constexpr quint8 kFireRight = 0x82;
constexpr quint8 kFireMiddle = 0x84;
constexpr struct
{
    const char* word;
    quint8 source;
} kFireButtons[] = {{"left", kFireLeft}, {"right", kFireRight}, {"middle", kFireMiddle}};

constexpr const char* kLoopWords[] = {nullptr, "while-held", "until-pressed"};

std::optional<int> number(const QString& text, int iMin, int iMax)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < iMin || value > iMax)
        return std::nullopt;
    return value;
}

// "ctrl+num-+" splits into "ctrl" and "num-+": a '+' right after a '-' belongs to a key name.
QStringList chordParts(const QString& text)
{
    QStringList parts;
    for (const QString& piece : text.split(QLatin1Char('+'))) {
        if (piece.isEmpty() && !parts.isEmpty() && parts.last().endsWith(QLatin1Char('-')))
            parts.last() += QLatin1Char('+');
        else
            parts << piece;
    }
    return parts;
}

bool parseChord(const QString& text, ButtonAssignment& a, QString& error)
{
    const QString allowed = QStringLiteral("a chord is up to four of ctrl, shift, alt, win and at most one other "
                                           "key, joined by '+' (chord:ctrl+shift+a)");
    int keys = 0;
    for (const QString& part : chordParts(text)) {
        int keyCode = 0;
        if (const Modifier* m = modifierOfWord(part)) {
            keyCode = m->keyCode;
        } else {
            keyCode = keyCodeOfWord(part);
            if (keyCode == 0) {
                error = QStringLiteral("no key \"%1\": %2").arg(part, allowed);
                return false;
            }
            // A modifier given by its key name counts as that modifier.
            if (const Modifier* named = modifierOfKey(keyCode))
                keyCode = named->keyCode;
            else if (++keys > 1) {
                error = allowed;
                return false;
            }
        }
        if (std::find(a.comboKeys.begin(), a.comboKeys.end(), keyCode) != a.comboKeys.end()) {
            error = allowed;
            return false;
        }
        a.comboKeys.push_back(keyCode);
    }
    // Modifiers first and in one order (ctrl, shift, alt, win), so that a chord reads back the same however typed.
    const auto rank = [](int keyCode) {
        const Modifier* m = modifierOfKey(keyCode);
        return m ? int(m - kModifiers) : int(std::size(kModifiers));
    };
    std::stable_sort(a.comboKeys.begin(), a.comboKeys.end(), [&rank](int l, int r) { return rank(l) < rank(r); });
    return true;
}

bool parseFire(const QString& text, ButtonAssignment& a, QString& error)
{
    const QString allowed = QStringLiteral("fire:left|right|middle|key:KEY[:SHOTS[:MS]] with 1-%1 shots and a pause "
                                           "of %2-%3 ms")
                                .arg(kFireMaxShots)
                                .arg(kFireMinDelayMs)
                                .arg(kFireMaxDelayMs);
    QStringList parts = text.split(QLatin1Char(':'));
    const QString source = parts.takeFirst();
    for (const auto& button : kFireButtons) {
        if (source.compare(QLatin1String(button.word), Qt::CaseInsensitive) == 0)
            a.fireSource = button.source;
    }
    if (a.fireSource == 0 && source.compare(QLatin1String("key"), Qt::CaseInsensitive) == 0 && !parts.isEmpty()) {
        quint8 usage = 0;
        if (scanToHid(keyCodeOfWord(parts.takeFirst()), usage))
            a.fireSource = usage;
    }
    const std::optional<int> shots = parts.isEmpty() ? 3 : number(parts.takeFirst(), 1, kFireMaxShots);
    const std::optional<int> delay =
        parts.isEmpty() ? kFireMinDelayMs : number(parts.takeFirst(), kFireMinDelayMs, kFireMaxDelayMs);
    if (a.fireSource == 0 || !shots || !delay || !parts.isEmpty()) {
        error = allowed;
        return false;
    }
    a.fireShots = *shots;
    a.fireDelayMs = *delay;
    return true;
}

bool parseSniper(const QString& text, int sensorModel, ButtonAssignment& a, QString& error)
{
    const std::optional<SniperRange> range = sniperRange(sensorModel);
    if (!range) {
        error = QStringLiteral("the sniper needs the product's sensor, and sensor %1 is not known").arg(sensorModel);
        return false;
    }
    bool ok = false;
    const int dpi = text.toInt(&ok);
    QStringList steps;
    for (int step = range->iMin; step <= range->iMax; ++step) {
        if (ok && dpiFromRaw(step, sensorModel) == dpi) {
            a.sniperStep = step;
            return true;
        }
        steps << QString::number(dpiFromRaw(step, sensorModel));
    }
    error = QStringLiteral("the sniper of sensor %1 takes one of %2 DPI").arg(sensorModel).arg(steps.join(", "));
    return false;
}

bool parseMacro(const QString& text, ButtonAssignment& a, QString& error)
{
    // The loop is the part after the last ':' when it is one; a name may hold ':' itself.
    a.macroName = text;
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0) {
        const QString loop = text.mid(colon + 1);
        int mode = -1;
        for (int m = kLoopWhileHeld; m <= kLoopUntilPressed; ++m) {
            if (loop.compare(QLatin1String(kLoopWords[m]), Qt::CaseInsensitive) == 0)
                mode = m;
        }
        const std::optional<int> times = number(loop, 1, kMaxLoopCount);
        if (mode > 0 || times) {
            a.macroName = text.left(colon);
            a.loopMode = mode > 0 ? mode : kLoopTimes;
            a.loopCount = times.value_or(1);
        }
    }
    if (a.macroName.isEmpty()) {
        error = QStringLiteral("macro:NAME[:TIMES|while-held|until-pressed], TIMES 1-%1").arg(kMaxLoopCount);
        return false;
    }
    return true;
}

QString fireWord(const ButtonInfo& record)
{
    QString source = QStringLiteral("left"); // what the mouse fires for an unset source
    for (const auto& button : kFireButtons) {
        if (record.Res1 == button.source)
            source = QLatin1String(button.word);
    }
    int keyCode = 0;
    if (record.Res1 != kFireLeft && record.Res1 != kFireRight && record.Res1 != kFireMiddle && record.Res1 != 0 &&
        hidToScan(record.Res1, keyCode))
        source = QStringLiteral("key:") + keyWord(keyCode);
    return QStringLiteral("fire:%1:%2:%3").arg(source).arg(record.LoopNumber).arg(record.KeyNumber);
}

QString chordWord(const ButtonInfo& record)
{
    // The keys of the first five presses, in the order pressed; the mouse reads no more.
    QStringList words;
    std::vector<int> seen;
    for (int i = 0; i < 10; ++i) {
        int keyCode = 0;
        if (record.keys[i].map == 0 || !hidToScan(record.keys[i].map, keyCode))
            continue;
        const Modifier* m = modifierOfKey(keyCode);
        const int counted = m ? m->keyCode : keyCode;
        if (std::find(seen.begin(), seen.end(), counted) != seen.end())
            continue;
        seen.push_back(counted);
        words << (m ? QString::fromLatin1(m->word) : keyWord(keyCode));
    }
    return QStringLiteral("chord:") + words.join(QLatin1Char('+'));
}

} // namespace

std::vector<MouseButton> mouseButtons(const QString& productName)
{
    int front = 0;
    if (productName == QLatin1String("Wireless Mouse"))
        front = 6;
    else if (productName == QLatin1String("OSKEN R5"))
        front = 7;
    else
        return {};
    std::vector<MouseButton> buttons;
    for (int i = 0; i < front; ++i)
        buttons.push_back({QString::number(i + 1), i, ButtonGroup::Front});
    buttons.push_back({QStringLiteral("wheel-up"), 40, ButtonGroup::Wheel});
    buttons.push_back({QStringLiteral("wheel-down"), 41, ButtonGroup::Wheel});
    return buttons;
}

QString keyWord(int keyCode)
{
    return keyName(keyCode).replace(QLatin1Char(' '), QLatin1Char('-'));
}

int keyCodeOfWord(const QString& word)
{
    for (const KeyCodePair& pair : KeyCodeTable) {
        if (word.compare(keyWord(pair.keyCode), Qt::CaseInsensitive) == 0)
            return pair.keyCode;
    }
    return 0;
}

std::optional<ButtonAssignment> parseButtonWord(const QString& word, ButtonGroup group, int sensorModel, QString& error)
{
    QStringList wheelWords;
    for (const FunctionWordRow& row : fixedFunctionWords(ButtonGroup::Wheel))
        wheelWords << row.word;
    const QString notTaken = group == ButtonGroup::Wheel
                                 ? QStringLiteral("the wheel takes %1, key:KEY or chord:...").arg(wheelWords.join(", "))
                                 : QStringLiteral("not a function this button takes (osken-ctl functions lists them)");
    ButtonAssignment a;
    for (const FunctionWord& fixed : kWords) {
        if (word.compare(QLatin1String(fixed.word), Qt::CaseInsensitive) == 0)
            a.code = fixed.code;
    }
    if (a.code != 0) {
        if (!takes(group, a.code)) {
            error = QStringLiteral("\"%1\": %2").arg(word, notTaken);
            return std::nullopt;
        }
        return a;
    }
    for (const ParameterForm& form : kForms) {
        if (!word.startsWith(QLatin1String(form.prefix), Qt::CaseInsensitive))
            continue;
        a.code = form.code;
        if (!takes(group, a.code)) {
            error = QStringLiteral("\"%1\": %2").arg(word, notTaken);
            return std::nullopt;
        }
        const QString rest = word.mid(int(qstrlen(form.prefix)));
        bool ok = false;
        switch (form.code) {
        case F::SingleKey:
            a.keyCode = keyCodeOfWord(rest);
            ok = a.keyCode != 0;
            if (!ok)
                error = QStringLiteral("no key \"%1\" that the mouse can send (key names as in osken-ctl functions)")
                            .arg(rest);
            break;
        case F::ComboKey:
            ok = parseChord(rest, a, error);
            break;
        case F::FireKey:
            ok = parseFire(rest, a, error);
            break;
        case F::Sniper:
            ok = parseSniper(rest, sensorModel, a, error);
            break;
        case F::Macro:
            ok = parseMacro(rest, a, error);
            break;
        default:
            break;
        }
        return ok ? std::optional<ButtonAssignment>(a) : std::nullopt;
    }
    error = QStringLiteral("unknown function \"%1\" (osken-ctl functions lists them)").arg(word);
    return std::nullopt;
}

void assignButton(ButtonInfo& record, const ButtonAssignment& a)
{
    record.Fun = a.code;
    switch (a.code) {
    case F::SingleKey:
        record.Res1 = static_cast<quint8>(a.keyCode);
        break;
    case F::ComboKey:
        setComboEvents(record, a.comboKeys);
        break;
    case F::FireKey:
        record.Res1 = a.fireSource;
        record.LoopNumber = a.fireShots;
        record.KeyNumber = a.fireDelayMs;
        break;
    case F::Sniper:
        record.Res1 = static_cast<quint8>(a.sniperStep);
        break;
    case F::Macro:
        record.macroname = a.macroName;
        record.Res1 = static_cast<quint8>(a.loopMode);
        record.LoopNumber = a.loopCount;
        break;
    default:
        break;
    }
}

QString buttonWord(const ButtonInfo& record, int sensorModel)
{
    for (const FunctionWord& fixed : kWords) {
        if (record.Fun == fixed.code)
            return QLatin1String(fixed.word);
    }
    switch (record.Fun) {
    case F::SingleKey:
        return QStringLiteral("key:") + keyWord(record.Res1);
    case F::ComboKey:
        return chordWord(record);
    case F::FireKey:
        return fireWord(record);
    case F::Sniper:
        return QStringLiteral("sniper:%1").arg(dpiFromRaw(record.Res1, sensorModel));
    case F::Macro:
    case F::GunFile: {
        QString word = (record.Fun == F::Macro ? QStringLiteral("macro:") : QStringLiteral("gun:")) + record.macroname;
        if (record.Res1 == kLoopWhileHeld || record.Res1 == kLoopUntilPressed)
            return word + QLatin1Char(':') + QLatin1String(kLoopWords[record.Res1]);
        return record.LoopNumber == 1 ? word : word + QStringLiteral(":%1").arg(record.LoopNumber);
    }
    default:
        return QStringLiteral("code:%1").arg(record.Fun);
    }
}

std::vector<FunctionWordRow> fixedFunctionWords(ButtonGroup group)
{
    std::vector<FunctionWordRow> rows;
    for (const FunctionWord& fixed : kWords) {
        if (takes(group, fixed.code))
            rows.push_back({fixed.code, QLatin1String(fixed.word)});
    }
    return rows;
}

QStringList parameterFunctionForms(ButtonGroup group)
{
    QStringList forms;
    for (const ParameterForm& form : kForms) {
        if (takes(group, form.code))
            forms << QLatin1String(form.form);
    }
    return forms;
}
