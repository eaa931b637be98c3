#pragma once

#include "store/ConfigData.h"
#include "store/IniFile.h"
#include "store/IniScanner.h"

#include <QString>
#include <QStringList>

#include <array>
#include <string_view>
#include <vector>

// The stored fields of the settings state, each listed once: its key text, its width and where it lives.
// Reading, writing and comparing records all walk these tables, so the three cannot drift apart.

enum class FieldWidth : quint8
{
    U8,
    U32,
    I32,
    Text,
    Colour
};

// One field of a profile record. Its key is the text after "<group>/" ("DPI_INFO_3_x",
// "BUTTON_INFO_12_KeyInfo_40_H", "LedMode/LED_MODE_13_breath").
struct ProfileField
{
    QLatin1String key; // into a table that lives as long as the program
    FieldWidth width;
    void* (*part)(ProfileData& record, int iIndex, int iStep); // the stage, button, key step or entry
    void* (*member)(void* part);                               // the field inside it
    quint8 index;
    quint8 step;

    void* in(ProfileData& record) const { return member(part(record, index, step)); }
    const void* in(const ProfileData& record) const { return in(const_cast<ProfileData&>(record)); }
};

// The 8441 fields in the order of the record: the head, the DPI stages, the pointer values, the button
// slots each with its key steps, the names and the lighting entries. (A file lists them sorted by key.)
const std::vector<ProfileField>& profileFields();

// Writes every field of the record under "<group>/".
void writeProfileFields(const ProfileData& record, IniFile& file, const QString& group);
// The lines of a file that are fields of records under these groups (a save replaces them all).
IniFile::LineFilter profileFieldLines(const QStringList& groups);

// The place in profileFields() of the field whose key a file spells so ('\' for '/'), -1 for none; and the
// field at a place, its key left empty. Neither builds the table.
int profileFieldNumber(std::string_view escapedKey);
ProfileField profileFieldAt(int number);

// Tells which of some records a key line belongs to, and which field of it the line is.
class RecordLineMatcher
{
public:
    explicit RecordLineMatcher(const QStringList& groups);
    // False for a line that is no field of these records.
    bool match(const ini::Scanner& line, int& iRecord, int& iField);

private:
    QStringList m_prefixes; // "<group>/"
    int m_sectionNumber = -1;
    int m_sectionRecord = -1;      // the record whose group is the line's section
    bool m_bOtherSpelling = false; // the section may hold a record's keys under another spelling
};

// Fills records from the key lines of a file in one pass. The records are emptied first: a missing key
// reads as 0, "" or the invalid colour; numbers are cut to their field's width.
class ProfileLineReader
{
public:
    struct Target
    {
        QString group;
        ProfileData* record;
    };
    explicit ProfileLineReader(std::vector<Target> targets);
    // Takes the scanner's current line when it is a field of one of the records; false otherwise.
    bool take(const ini::Scanner& line);
    // Every record met every one of its keys: a file cut short, or holding only its tag, would load as
    // zeros (no button, no DPI stage, no light).
    bool isComplete() const;

private:
    std::vector<Target> m_targets;
    RecordLineMatcher m_matcher;
    std::vector<std::vector<bool>> m_seen;
    std::vector<int> m_seenCount;
};

// The Config group of a configuration: active slot, angle, lift, Count and the five slot names.
struct ConfigField
{
    const char* key;
    quint8 ConfigData::*number; // null for a slot name
    int slot;                   // the slot of a name
    bool bSlotAssignment;       // also rewritten alone when a profile is renamed
};
constexpr std::array<ConfigField, 9> kConfigFields{{
    {"Config/ProfileID", &ConfigData::ProfileID, -1, true},
    {"Config/AngleValue", &ConfigData::AngleValue, -1, false},
    {"Config/LiftHigh", &ConfigData::LiftHigh, -1, false},
    {"Config/Count", &ConfigData::Count, -1, true},
    {"Config/Profile1", nullptr, 0, true},
    {"Config/Profile2", nullptr, 1, true},
    {"Config/Profile3", nullptr, 2, true},
    {"Config/Profile4", nullptr, 3, true},
    {"Config/Profile5", nullptr, 4, true},
}};

// Source: number(key) and text(key) by the reading rule. Sink: setNumber(key, n) and setText(key, text).
template <typename Source> void readConfigFields(ConfigData& config, const Source& source)
{
    for (const ConfigField& field : kConfigFields) {
        const QString key = QLatin1String(field.key);
        if (field.number)
            config.*field.number = static_cast<quint8>(source.number(key));
        else
            config.slotProfileNames[size_t(field.slot)] = source.text(key);
    }
}

template <typename Sink> void writeConfigFields(const ConfigData& config, Sink& sink, bool bSlotAssignmentOnly)
{
    for (const ConfigField& field : kConfigFields) {
        if (bSlotAssignmentOnly && !field.bSlotAssignment)
            continue;
        const QString key = QLatin1String(field.key);
        if (field.number)
            sink.setNumber(key, config.*field.number);
        else
            sink.setText(key, config.slotProfileNames[size_t(field.slot)]);
    }
}

// The button slot's numbers (all but the macro name), as the write-out compares them.
bool sameButtonNumbers(const ButtonInfo& a, const ButtonInfo& b);
