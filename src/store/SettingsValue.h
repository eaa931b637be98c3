#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

// The reading rule of every settings file: a missing key or a value that is not a number reads as 0, and
// the number is then cut to the width of the field that receives it (300 read into a u8 gives 44).

// The whole number a stored value holds, 0 when it holds none.
qint64 storedNumber(const QVariant& value);

template <typename T> T narrowedValue(const QVariant& value)
{
    // Conversion to the unsigned/fixed-width field keeps the low bits, like a store into that field.
    return static_cast<T>(storedNumber(value));
}

template <typename T> T readNumber(const QSettings& settings, const QString& key)
{
    return narrowedValue<T>(settings.value(key));
}

// A missing key reads as an empty string.
QString readText(const QSettings& settings, const QString& key);

// Writes the pending changes and tells whether the file now holds them (QSettings saves through a
// temporary file, so a failed save leaves the previous file whole).
bool syncSettings(QSettings& settings);
