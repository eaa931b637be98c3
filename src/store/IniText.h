#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

// The text rules of the INI files the settings layer (QSettings, IniFormat) writes and reads: line and
// section structure, key and value escaping, the "@..." value forms. The store keeps its files in exactly
// this form without a QSettings object, so that files stay byte for byte what they always were.
namespace ini {

// '/' is written as '\'; letters, digits, '_', '-' and '.' as they are; anything else as %XX or %UXXXX.
void appendEscapedKey(QByteArray& out, const QString& key);
void appendEscapedKey(QByteArray& out, QLatin1String key);
QString unescapedKey(const char* begin, const char* end);

// One value as a line holds it: one text, or a list when an unquoted comma split it.
struct ValueText
{
    QString text;
    QStringList list;
    bool bList = false;
};
// bUtf8: the file began with a UTF-8 byte order mark (its plain bytes are UTF-8, not Latin-1).
ValueText unescapedValue(const char* begin, const char* end, bool bUtf8);

// The value bytes of a text: control and non-ASCII characters as escapes, in quotes when it holds ';', ','
// or '=' or starts or ends with a space.
void appendEscapedText(QByteArray& out, const QString& text, bool bUtf8);
// A list: its texts joined by ", "; an empty list is "@Invalid()".
void appendEscapedList(QByteArray& out, const QStringList& list, bool bUtf8);

// The form a text value is stored in: "@String(...)" around a text with a NUL, a leading '@' doubled.
QString storedTextForm(const QString& text);
// The value a stored single text reads as ("@Invalid()", "@ByteArray(...)", "@Variant(...)", "@Rect(...)"
// and the like, or the text itself). Values of GUI and user types read as invalid: the store reads its
// colours itself.
QVariant variantOfText(const QString& text);
// The text a value is stored as.
QString textOfVariant(const QVariant& value);
// What a stored single text becomes when it is read as a value and written back: "@String(x)" becomes x, a
// number in a "@Variant(...)" becomes its digits, an unknown "@..." gets its '@' doubled.
QString rewrittenText(const QString& text);

// The space-separated arguments of "@Rect(1 2 3 4)", "@Size(1 2)", "@Point(1 2)" after the parenthesis at
// `open`, split as the settings layer splits them.
QStringList splitArguments(const QString& text, int open);

} // namespace ini
