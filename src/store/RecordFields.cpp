#include "store/RecordFields.h"

#include "store/ColorValue.h"
#include "store/IniFile.h"
#include "store/ProfileFiles.h"
#include "store/RecordEquality.h"
#include "store/StoredValue.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <type_traits>

namespace {

// One column of a part of a record: the field's name within the key, its width, the field inside a part.
struct Column
{
    const char* name;
    FieldWidth width;
    void* (*member)(void* part);
};

template <typename> struct MemberOf;
template <typename P, typename T> struct MemberOf<T P::*>
{
    using Part = P;
    using Type = T;
};

template <typename T> constexpr FieldWidth widthOf()
{
    if constexpr (std::is_same_v<T, quint8>)
        return FieldWidth::U8;
    else if constexpr (std::is_same_v<T, quint32>)
        return FieldWidth::U32;
    else if constexpr (std::is_same_v<T, qint32>)
        return FieldWidth::I32;
    else if constexpr (std::is_same_v<T, QString>)
        return FieldWidth::Text;
    else {
        static_assert(std::is_same_v<T, RgbColor>, "a stored field is a number, a text or a colour");
        return FieldWidth::Colour;
    }
}

template <auto Member> void* memberIn(void* part)
{
    using Part = typename MemberOf<decltype(Member)>::Part;
    return &(static_cast<Part*>(part)->*Member);
}

template <auto Member> constexpr Column column(const char* name)
{
    return Column{name, widthOf<typename MemberOf<decltype(Member)>::Type>(), &memberIn<Member>};
}

// Key texts: "<name>", "DPI_INFO_<i>_<name>", "BUTTON_INFO_<b>_<name>", "BUTTON_INFO_<b>_KeyInfo_<k>_<name>"
// (the low byte's name is empty: its key ends with the underscore), "LedMode/LED_MODE_<m>_<name>".
constexpr Column kHead[] = {column<&ProfileData::pollrate>("pollrate"), column<&ProfileData::dpi>("dpi")};
constexpr Column kStage[] = {column<&DpiInfo::used>("used"), column<&DpiInfo::link>("link"), column<&DpiInfo::xy>("xy"),
                             column<&DpiInfo::x>("x"), column<&DpiInfo::y>("y")};
constexpr Column kPointer[] = {
    column<&ProfileData::mousespeed>("mousespeed"),     column<&ProfileData::dbclickspeed>("dbclickspeed"),
    column<&ProfileData::scrollispage>("scrollispage"), column<&ProfileData::scrollspeed>("scrollspeed"),
    column<&ProfileData::accelenable>("accelenable"),   column<&ProfileData::acee>("acee")};
constexpr Column kButton[] = {column<&ButtonInfo::ID>("ID"),
                              column<&ButtonInfo::Fun>("Fun"),
                              column<&ButtonInfo::LoopNumber>("LoopNumber"),
                              column<&ButtonInfo::KeyNumber>("KeyNumber"),
                              column<&ButtonInfo::Res1>("Res1"),
                              column<&ButtonInfo::Res2>("Res2"),
                              column<&ButtonInfo::Res3>("Res3"),
                              column<&ButtonInfo::Res4>("Res4"),
                              column<&ButtonInfo::macroname>("macroname")};
constexpr Column kKeyStep[] = {column<&KeyInfo::map>("map"), column<&KeyInfo::low>(""), column<&KeyInfo::high>("H")};
constexpr Column kTail[] = {column<&ProfileData::ProfileName>("ProfileName"),
                            column<&ProfileData::ProfilePath>("ProfilePath"), column<&ProfileData::LedMode>("LedMode")};
constexpr Column kMode[] = {column<&LedModeInfo::RGB>("RGB"),       column<&LedModeInfo::h>("h"),
                            column<&LedModeInfo::s>("s"),           column<&LedModeInfo::v>("v"),
                            column<&LedModeInfo::bright>("bright"), column<&LedModeInfo::breath>("breath")};

void* wholeRecord(ProfileData& record, int, int)
{
    return &record;
}
void* stageOf(ProfileData& record, int iStage, int)
{
    return &record.stages[size_t(iStage)];
}
void* buttonOf(ProfileData& record, int iBtn, int)
{
    return &record.buttons[size_t(iBtn)];
}
void* keyStepOf(ProfileData& record, int iBtn, int iStep)
{
    return &record.buttons[size_t(iBtn)].keys[size_t(iStep)];
}
void* modeOf(ProfileData& record, int iMode, int)
{
    return &record.modes[size_t(iMode)];
}

// The fields are numbered in the order of the record; a number and a key map onto each other by arithmetic,
// so reading a file needs no table of the 8441 keys (building one costs a start more than the read itself).
constexpr int kHeadFields = int(std::size(kHead));
constexpr int kStageFields = int(std::size(kStage));
constexpr int kPointerFields = int(std::size(kPointer));
constexpr int kButtonFields = int(std::size(kButton));
constexpr int kKeyStepFields = int(std::size(kKeyStep));
constexpr int kButtonBlock = kButtonFields + kKeyStepCount * kKeyStepFields;
constexpr int kTailFields = int(std::size(kTail));
constexpr int kModeFields = int(std::size(kMode));
static_assert(kHeadFields + kDpiStageCount * kStageFields + kPointerFields + kButtonSlotCount * kButtonBlock +
                      kTailFields + kLedModeCount * kModeFields ==
                  kProfileKeyCount,
              "the layout numbers every stored field");

// Key texts before the column's name; a file spells the lighting entries' '/' as '\'.
constexpr char kStagePrefix[] = "DPI_INFO_";
constexpr char kButtonPrefix[] = "BUTTON_INFO_";
constexpr char kKeyStepPrefix[] = "KeyInfo_";
constexpr char kModePrefix[] = "LedMode/LED_MODE_";
constexpr char kModePrefixSpelled[] = "LedMode\\LED_MODE_";

enum class Block
{
    Head,
    Stage,
    Pointer,
    Button,
    KeyStep,
    Tail,
    Mode
};

// Where field n lies: its block and column, the stage, button or lighting entry, and the key step.
struct FieldPlace
{
    Block block;
    const Column* column;
    int index;
    int step;
};

FieldPlace placeOf(int n)
{
    if (n < kHeadFields)
        return {Block::Head, &kHead[n], 0, 0};
    n -= kHeadFields;
    if (n < kDpiStageCount * kStageFields)
        return {Block::Stage, &kStage[n % kStageFields], n / kStageFields, 0};
    n -= kDpiStageCount * kStageFields;
    if (n < kPointerFields)
        return {Block::Pointer, &kPointer[n], 0, 0};
    n -= kPointerFields;
    if (n < kButtonSlotCount * kButtonBlock) {
        const int iBtn = n / kButtonBlock;
        const int inButton = n % kButtonBlock;
        if (inButton < kButtonFields)
            return {Block::Button, &kButton[inButton], iBtn, 0};
        const int inSteps = inButton - kButtonFields;
        return {Block::KeyStep, &kKeyStep[inSteps % kKeyStepFields], iBtn, inSteps / kKeyStepFields};
    }
    n -= kButtonSlotCount * kButtonBlock;
    if (n < kTailFields)
        return {Block::Tail, &kTail[n], 0, 0};
    n -= kTailFields;
    return {Block::Mode, &kMode[n % kModeFields], n / kModeFields, 0};
}

// The key text of the field at `place` ("BUTTON_INFO_3_KeyInfo_12_H"), appended to `out`.
void appendKeyOf(std::string& out, const FieldPlace& place)
{
    const auto number = [&out](int i) { out.append(std::to_string(i)) += '_'; };
    switch (place.block) {
    case Block::Stage:
        out += kStagePrefix;
        number(place.index);
        break;
    case Block::Button:
        out += kButtonPrefix;
        number(place.index);
        break;
    case Block::KeyStep:
        out += kButtonPrefix;
        number(place.index);
        out += kKeyStepPrefix;
        number(place.step);
        break;
    case Block::Mode:
        out += kModePrefix;
        number(place.index);
        break;
    case Block::Head:
    case Block::Pointer:
    case Block::Tail:
        break;
    }
    out += place.column->name;
}

} // namespace

ProfileField profileFieldAt(int n)
{
    const FieldPlace place = placeOf(n);
    void* (*part)(ProfileData&, int, int) = wholeRecord;
    if (place.block == Block::Stage)
        part = stageOf;
    else if (place.block == Block::Button)
        part = buttonOf;
    else if (place.block == Block::KeyStep)
        part = keyStepOf;
    else if (place.block == Block::Mode)
        part = modeOf;
    return ProfileField{QLatin1String(),      place.column->width, part,
                        place.column->member, quint8(place.index), quint8(place.step)};
}

namespace {

bool takePrefix(std::string_view& key, std::string_view prefix)
{
    if (key.substr(0, prefix.size()) != prefix)
        return false;
    key.remove_prefix(prefix.size());
    return true;
}

// "<i>_" with i written as the store writes it (no sign, no leading zero) and below `count`; -1 otherwise.
int takeIndex(std::string_view& key, int count)
{
    size_t digits = 0;
    int value = 0;
    while (digits < key.size() && digits < 3 && key[digits] >= '0' && key[digits] <= '9')
        value = value * 10 + (key[digits++] - '0');
    if (digits == 0 || (digits > 1 && key[0] == '0') || value >= count || digits >= key.size() || key[digits] != '_')
        return -1;
    key.remove_prefix(digits + 1);
    return value;
}

template <size_t N> int columnNamed(std::string_view name, const Column (&columns)[N])
{
    for (size_t i = 0; i < N; ++i) {
        if (name == columns[i].name)
            return int(i);
    }
    return -1;
}

} // namespace

int profileFieldNumber(std::string_view key)
{
    const auto inBlock = [](int column, int iIndex, int blockSize, int base) {
        return column < 0 || iIndex < 0 ? -1 : base + iIndex * blockSize + column;
    };
    constexpr int kStagesBase = kHeadFields;
    constexpr int kPointerBase = kStagesBase + kDpiStageCount * kStageFields;
    constexpr int kButtonsBase = kPointerBase + kPointerFields;
    constexpr int kTailBase = kButtonsBase + kButtonSlotCount * kButtonBlock;
    constexpr int kModesBase = kTailBase + kTailFields;
    if (takePrefix(key, kStagePrefix)) {
        const int iStage = takeIndex(key, kDpiStageCount);
        return inBlock(columnNamed(key, kStage), iStage, kStageFields, kStagesBase);
    }
    if (takePrefix(key, kButtonPrefix)) {
        const int iBtn = takeIndex(key, kButtonSlotCount);
        if (iBtn < 0)
            return -1;
        const int button = kButtonsBase + iBtn * kButtonBlock;
        if (!takePrefix(key, kKeyStepPrefix))
            return inBlock(columnNamed(key, kButton), 0, 0, button);
        const int iStep = takeIndex(key, kKeyStepCount);
        return inBlock(columnNamed(key, kKeyStep), iStep, kKeyStepFields, button + kButtonFields);
    }
    if (takePrefix(key, kModePrefixSpelled)) {
        const int iMode = takeIndex(key, kLedModeCount);
        return inBlock(columnNamed(key, kMode), iMode, kModeFields, kModesBase);
    }
    if (const int c = columnNamed(key, kHead); c >= 0)
        return c;
    if (const int c = columnNamed(key, kPointer); c >= 0)
        return kPointerBase + c;
    if (const int c = columnNamed(key, kTail); c >= 0)
        return kTailBase + c;
    return -1;
}

namespace {

// Built at the first save: the keys are views into one text, with no text per field and no formatting through
// the locale.
struct ProfileFieldTable
{
    std::string keyText;
    std::vector<ProfileField> fields;
};

ProfileFieldTable buildProfileFields()
{
    ProfileFieldTable table;
    table.fields.reserve(size_t(kProfileKeyCount));
    std::vector<size_t> keyEnds;
    for (int n = 0; n < kProfileKeyCount; ++n) {
        appendKeyOf(table.keyText, placeOf(n));
        keyEnds.push_back(table.keyText.size());
        table.fields.push_back(profileFieldAt(n));
    }
    // The text no longer grows: the views can point into it.
    for (size_t i = 0; i < table.fields.size(); ++i) {
        const size_t begin = i == 0 ? 0 : keyEnds[i - 1];
        table.fields[i].key = QLatin1String(table.keyText.data() + begin, int(keyEnds[i] - begin));
    }
    return table;
}

// The fields by their key as a file spells it (with '\' for '/'), in the order a file lists them.
struct FieldIndex
{
    std::string spelled;                // every key as the file spells it, one after the other
    std::vector<std::string_view> keys; // field by field, into `spelled`
    std::vector<int> sorted;            // the order a file lists them in
};

const FieldIndex& fieldIndex()
{
    static const FieldIndex index = [] {
        FieldIndex built;
        const std::vector<ProfileField>& fields = profileFields();
        std::vector<size_t> ends;
        QByteArray escaped;
        for (const ProfileField& field : fields) {
            escaped.resize(0); // keeps its room
            ini::appendEscapedKey(escaped, field.key);
            built.spelled.append(escaped.constData(), size_t(escaped.size()));
            ends.push_back(built.spelled.size());
        }
        for (size_t i = 0; i < fields.size(); ++i) {
            const size_t begin = i == 0 ? 0 : ends[i - 1];
            built.keys.emplace_back(built.spelled.data() + begin, ends[i] - begin);
            built.sorted.push_back(int(i));
        }
        const auto text = [&fields](int i) {
            const QLatin1String key = fields[size_t(i)].key;
            return std::string_view(key.data(), size_t(key.size()));
        };
        std::sort(built.sorted.begin(), built.sorted.end(), [&text](int a, int b) { return text(a) < text(b); });
        return built;
    }();
    return index;
}

// The keys in the order a file lists them, as texts: what a save merges with the lines of the file.
const std::vector<QString>& sortedFieldNames()
{
    static const std::vector<QString> names = [] {
        std::vector<QString> built;
        for (const int i : fieldIndex().sorted)
            built.push_back(QString(profileFields()[size_t(i)].key));
        return built;
    }();
    return names;
}

// Keys a file can only spell one way: letters, digits, '_', '-', '.' and '\' for '/'.
bool isPlainKey(const char* begin, const char* end)
{
    for (const char* p = begin; p < end; ++p) {
        const char c = *p;
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
              c == '.' || c == '\\'))
            return false;
    }
    return true;
}

void appendNumber(QByteArray& out, qint64 number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, int(end - digits));
}

void storeValue(const ProfileField& field, ProfileData& record, const ini::Scanner& line)
{
    void* where = field.in(record);
    const char* begin = line.valueBegin();
    const char* end = line.valueEnd();
    const auto value = [&] { return ini::unescapedValue(begin, end, line.isUtf8()); };
    qint64 number = 0;
    switch (field.width) {
    case FieldWidth::Text:
        *static_cast<QString*>(where) = textOfValue(value());
        return;
    case FieldWidth::Colour:
        *static_cast<RgbColor*>(where) = colourOfValue(value());
        return;
    default:
        if (!plainNumber(begin, end, number))
            number = numberOfValue(value());
    }
    // Cut to the field's width, like a store into it.
    if (field.width == FieldWidth::U8)
        *static_cast<quint8*>(where) = static_cast<quint8>(number);
    else if (field.width == FieldWidth::U32)
        *static_cast<quint32*>(where) = static_cast<quint32>(number);
    else
        *static_cast<qint32*>(where) = static_cast<qint32>(number);
}

template <typename T> bool equalAt(const void* a, const void* b)
{
    return *static_cast<const T*>(a) == *static_cast<const T*>(b);
}

bool equalValues(FieldWidth width, const void* a, const void* b)
{
    switch (width) {
    case FieldWidth::U8:
        return equalAt<quint8>(a, b);
    case FieldWidth::U32:
        return equalAt<quint32>(a, b);
    case FieldWidth::I32:
        return equalAt<qint32>(a, b);
    case FieldWidth::Text:
        return equalAt<QString>(a, b);
    case FieldWidth::Colour:
        return equalAt<RgbColor>(a, b);
    }
    return false;
}

template <typename Part, typename Columns> bool equalColumns(const Part& a, const Part& b, const Columns& columns)
{
    for (const Column& c : columns) {
        if (!equalValues(c.width, c.member(const_cast<Part*>(&a)), c.member(const_cast<Part*>(&b))))
            return false;
    }
    return true;
}

} // namespace

const std::vector<ProfileField>& profileFields()
{
    static const ProfileFieldTable table = buildProfileFields();
    Q_ASSERT(table.fields.size() == size_t(kProfileKeyCount));
    return table.fields;
}

void writeProfileFields(const ProfileData& record, IniFile& file, const QString& group)
{
    const FieldIndex& index = fieldIndex();
    const std::vector<ProfileField>& fields = profileFields();
    IniFile::Block block;
    block.section = group;
    block.names = &sortedFieldNames();
    QByteArray& out = block.lines;
    out.reserve(int(fields.size()) * 36);
    block.lineEnds.reserve(fields.size());
    for (const int i : index.sorted) {
        const ProfileField& field = fields[size_t(i)];
        const std::string_view key = index.keys[size_t(i)];
        out.append(key.data(), int(key.size()));
        out += '=';
        const void* where = field.in(record);
        switch (field.width) {
        case FieldWidth::U8:
            appendNumber(out, *static_cast<const quint8*>(where));
            break;
        case FieldWidth::U32:
            appendNumber(out, *static_cast<const quint32*>(where));
            break;
        case FieldWidth::I32:
            appendNumber(out, *static_cast<const qint32*>(where));
            break;
        case FieldWidth::Text:
            ini::appendEscapedText(out, ini::storedTextForm(*static_cast<const QString*>(where)), file.isUtf8());
            break;
        case FieldWidth::Colour:
            ini::appendEscapedText(out, colourVariantText(*static_cast<const RgbColor*>(where)), file.isUtf8());
            break;
        }
        out += '\n';
        block.lineEnds.push_back(out.size());
    }
    file.addBlock(std::move(block));
}

IniFile::LineFilter profileFieldLines(const QStringList& groups)
{
    return [matcher = RecordLineMatcher(groups)](const ini::Scanner& line) mutable {
        int iRecord = -1;
        int iField = -1;
        return matcher.match(line, iRecord, iField);
    };
}

RecordLineMatcher::RecordLineMatcher(const QStringList& groups)
{
    for (const QString& group : groups)
        m_prefixes.append(group + QLatin1Char('/'));
}

bool RecordLineMatcher::match(const ini::Scanner& line, int& iRecord, int& iField)
{
    const QString& section = line.sectionPrefix();
    if (line.sectionNumber() != m_sectionNumber) {
        m_sectionNumber = line.sectionNumber();
        m_sectionRecord = int(m_prefixes.indexOf(section));
        m_bOtherSpelling = false;
        for (const QString& prefix : qAsConst(m_prefixes))
            m_bOtherSpelling = m_bOtherSpelling || prefix.startsWith(section) || section.startsWith(prefix);
    }
    const char* keyBegin = line.keyBegin();
    const char* keyEnd = line.keyEnd();
    if (m_sectionRecord >= 0 && isPlainKey(keyBegin, keyEnd)) {
        iRecord = m_sectionRecord;
        iField = profileFieldNumber(std::string_view(keyBegin, size_t(keyEnd - keyBegin)));
        return iField >= 0;
    }
    // Escaped keys, and records spread over sections ([PROFILE\LedMode], keys of [General]).
    if (!m_bOtherSpelling)
        return false;
    const QString key = section + ini::unescapedKey(keyBegin, keyEnd);
    for (int i = 0; i < m_prefixes.size(); ++i) {
        if (!key.startsWith(m_prefixes[i]))
            continue;
        QByteArray escaped;
        ini::appendEscapedKey(escaped, key.mid(m_prefixes[i].size()));
        iRecord = i;
        iField = profileFieldNumber(std::string_view(escaped.constData(), size_t(escaped.size())));
        return iField >= 0;
    }
    return false;
}

ProfileLineReader::ProfileLineReader(std::vector<Target> targets)
    : m_targets(std::move(targets)), m_matcher([this] {
          QStringList groups;
          for (const Target& target : m_targets)
              groups.append(target.group);
          return groups;
      }())
{
    for (const Target& target : m_targets) {
        *target.record = ProfileData{};
        m_seen.emplace_back(size_t(kProfileKeyCount), false);
        m_seenCount.push_back(0);
    }
}

bool ProfileLineReader::take(const ini::Scanner& line)
{
    int iRecord = -1;
    int iField = -1;
    if (!m_matcher.match(line, iRecord, iField))
        return false;
    storeValue(profileFieldAt(iField), *m_targets[size_t(iRecord)].record, line);
    if (!m_seen[size_t(iRecord)][size_t(iField)]) {
        m_seen[size_t(iRecord)][size_t(iField)] = true;
        ++m_seenCount[size_t(iRecord)];
    }
    return true;
}

bool ProfileLineReader::isComplete() const
{
    for (const int count : m_seenCount) {
        if (count != kProfileKeyCount)
            return false;
    }
    return true;
}

bool sameButtonNumbers(const ButtonInfo& a, const ButtonInfo& b)
{
    for (const Column& c : kButton) {
        if (c.width != FieldWidth::Text &&
            !equalValues(c.width, c.member(const_cast<ButtonInfo*>(&a)), c.member(const_cast<ButtonInfo*>(&b))))
            return false;
    }
    return true;
}

bool operator==(const DpiInfo& a, const DpiInfo& b)
{
    return equalColumns(a, b, kStage);
}

bool operator==(const KeyInfo& a, const KeyInfo& b)
{
    return equalColumns(a, b, kKeyStep);
}

bool operator==(const ButtonInfo& a, const ButtonInfo& b)
{
    return equalColumns(a, b, kButton) && a.keys == b.keys;
}

bool operator==(const LedModeInfo& a, const LedModeInfo& b)
{
    return equalColumns(a, b, kMode);
}

bool operator==(const ProfileData& a, const ProfileData& b)
{
    return equalColumns(a, b, kHead) && equalColumns(a, b, kPointer) && equalColumns(a, b, kTail) &&
           a.stages == b.stages && a.buttons == b.buttons && a.modes == b.modes;
}

bool operator==(const ConfigData& a, const ConfigData& b)
{
    for (const ConfigField& field : kConfigFields) {
        if (field.number ? a.*field.number != b.*field.number
                         : a.slotProfileNames[size_t(field.slot)] != b.slotProfileNames[size_t(field.slot)])
            return false;
    }
    return a.slots == b.slots;
}
