#pragma once

#include <QByteArray>
#include <QString>

namespace ini {

// Reads key lines one by one, the way the settings layer splits a file: comments, quoted values that span
// lines, backslash continuations, [sections].
class Scanner
{
public:
    explicit Scanner(const QByteArray& data);

    bool isUtf8() const { return m_bUtf8; }
    // A section header without its closing bracket was met: the settings layer calls such a file damaged.
    bool hadFormatError() const { return m_bFormatError; }
    // Moves to the next key line; false at the end of the data.
    bool next();
    // Section of the current line with its trailing slash, "" for the [General] part.
    const QString& sectionPrefix() const { return m_section; }
    // Changes with every section header: lines with the same number lie in the same section.
    int sectionNumber() const { return m_sectionNumber; }
    const char* keyBegin() const { return m_key; }
    const char* keyEnd() const { return m_keyEnd; }
    const char* valueBegin() const { return m_value; }
    const char* valueEnd() const { return m_valueEnd; }

private:
    bool readLine(int& lineStart, int& lineLength, int& equalsPos);
    void enterSection(int lineStart, int lineLength);

    const QByteArray& m_data;
    int m_pos = 0;
    bool m_bUtf8 = false;
    bool m_bPastFirstLine = false;
    bool m_bFormatError = false;
    QString m_section;
    int m_sectionNumber = 0;
    const char* m_key = nullptr;
    const char* m_keyEnd = nullptr;
    const char* m_value = nullptr;
    const char* m_valueEnd = nullptr;
};

} // namespace ini
