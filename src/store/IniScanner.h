#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace ini {

// Reads key lines one by one, the way the settings layer splits a file: comments, quoted values that span
// lines, backslash continuations, [sections].
class Scanner
{
public:
    static constexpr int kPieceSize = 64 * 1024;

    // Over a text held whole by the caller, for as long as the scanner lives.
    explicit Scanner(const QByteArray& data);
    // Over an open file read piece by piece: a large import never holds (nor first touches) the whole file.
    explicit Scanner(QIODevice& source, int pieceSize = kPieceSize);

    bool isUtf8() const { return m_bUtf8; }
    // A section header without its closing bracket was met: the settings layer calls such a file damaged.
    bool hadFormatError() const { return m_bFormatError; }
    // The source failed before its end: the lines met are not the whole file.
    bool hadReadError() const { return m_bReadError; }
    // Moves to the next key line; false at the end of the data.
    bool next();
    // Section of the current line with its trailing slash, "" for the [General] part.
    const QString& sectionPrefix() const { return m_section; }
    // Changes with every section header: lines with the same number lie in the same section.
    int sectionNumber() const { return m_sectionNumber; }
    // The current line's key and value, valid until the next call of next().
    const char* keyBegin() const { return m_key; }
    const char* keyEnd() const { return m_keyEnd; }
    const char* valueBegin() const { return m_value; }
    const char* valueEnd() const { return m_valueEnd; }

private:
    bool readLine(int& lineStart, int& lineLength, int& equalsPos);
    // Scans the line at m_pos; false when the text ran out before the line's end.
    bool scanLine(int& lineStart, int& lineLength, int& equalsPos);
    // Keeps the unread part and appends the next piece; false at the end of the source.
    bool readPiece();
    void enterSection(int lineStart, int lineLength);

    QByteArray m_pieces; // what is held of a source read piece by piece
    QIODevice* m_source = nullptr;
    int m_pieceSize = 0;
    bool m_bReadError = false;
    const char* m_text = nullptr;
    int m_size = 0;
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
