#include "store/IniScanner.h"

#include "store/IniText.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace ini {

namespace {

// Characters that can end a line, start a comment or a quote, or stand before the value or an escape.
constexpr std::array<bool, 256> specialCharacters()
{
    std::array<bool, 256> special{};
    for (const char c : {'\n', '\r', '"', ';', '=', '\\'})
        special[uchar(c)] = true;
    return special;
}
constexpr std::array<bool, 256> kSpecial = specialCharacters();

} // namespace

Scanner::Scanner(const QByteArray& data) : m_text(data.constData()), m_size(data.size())
{
    if (data.startsWith("\xEF\xBB\xBF")) {
        m_bUtf8 = true;
        m_pos = 3;
    }
}

Scanner::Scanner(QIODevice& source, int pieceSize) : m_source(&source), m_pieceSize(std::max(pieceSize, 1))
{
    while (m_size < 3 && readPiece()) {
    }
    if (m_size >= 3 && std::memcmp(m_text, "\xEF\xBB\xBF", 3) == 0) {
        m_bUtf8 = true;
        m_pos = 3;
    }
}

bool Scanner::readPiece()
{
    if (!m_source)
        return false;
    // The first line stays whole: a key on the byte order mark's line is named from the file's first byte.
    const int discard = m_bUtf8 && !m_bPastFirstLine ? 0 : m_pos;
    m_pieces.remove(0, discard);
    m_pos -= discard;
    const int held = m_pieces.size();
    m_pieces.resize(held + m_pieceSize);
    const qint64 got = m_source->read(m_pieces.data() + held, m_pieceSize);
    m_pieces.resize(held + int(std::max<qint64>(got, 0)));
    m_text = m_pieces.constData();
    m_size = m_pieces.size();
    if (got > 0)
        return true;
    m_bReadError = got < 0;
    m_source = nullptr;
    return false;
}

bool Scanner::readLine(int& lineStart, int& lineLength, int& equalsPos)
{
    // A line that runs past what is held is scanned again once the next piece is in.
    while (!scanLine(lineStart, lineLength, equalsPos))
        readPiece();
    return lineLength > 0;
}

bool Scanner::scanLine(int& lineStart, int& lineLength, int& equalsPos)
{
    const char* d = m_text;
    const int size = m_size;
    const auto isBlank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r'; };
    bool bInQuotes = false;
    equalsPos = -1;
    lineStart = m_pos;
    while (lineStart < size && isBlank(d[lineStart]))
        ++lineStart;
    int i = lineStart;
    bool bLineEnd = false;
    while (i < size && !bLineEnd) {
        while (i < size && !kSpecial[uchar(d[i])])
            ++i;
        if (i == size)
            break;
        const char ch = d[i++];
        switch (ch) {
        case '=':
            if (!bInQuotes && equalsPos == -1)
                equalsPos = i - 1;
            break;
        case '\n':
        case '\r':
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!bInQuotes) {
                --i;
                bLineEnd = true;
            }
            break;
        case '\\':
            if (i < size) {
                const char escaped = d[i++];
                if (i < size && ((escaped == '\n' && d[i] == '\r') || (escaped == '\r' && d[i] == '\n')))
                    ++i;
            }
            break;
        case '"':
            bInQuotes = !bInQuotes;
            break;
        default: // ';'
            if (i == lineStart + 1) {
                while (i < size && d[i] != '\n' && d[i] != '\r')
                    ++i;
                lineStart = i;
            } else if (!bInQuotes) {
                --i;
                bLineEnd = true;
            }
        }
    }
    if (!bLineEnd && m_source)
        return false;
    m_pos = i;
    lineLength = i - lineStart;
    return true;
}

void Scanner::enterSection(int lineStart, int lineLength)
{
    ++m_sectionNumber;
    const char* line = m_text + lineStart;
    const auto* close = static_cast<const char*>(std::memchr(line, ']', size_t(lineLength)));
    m_bFormatError = m_bFormatError || !close;
    const QByteArray name = QByteArray(line + 1, int(close ? close - line - 1 : lineLength - 1)).trimmed();
    if (qstricmp(name.constData(), "general") == 0) {
        m_section.clear();
        return;
    }
    if (qstricmp(name.constData(), "%general") == 0)
        m_section = QLatin1String(name.constData() + 1);
    else
        m_section = unescapedKey(name.constBegin(), name.constEnd());
    m_section += QLatin1Char('/');
}

bool Scanner::next()
{
    int lineStart = 0;
    int lineLength = 0;
    int equalsPos = -1;
    while (readLine(lineStart, lineLength, equalsPos)) {
        const char* d = m_text;
        const bool bFirstAfterMark = m_bUtf8 && !m_bPastFirstLine;
        m_bPastFirstLine = true;
        if (d[lineStart] == '[') {
            enterSection(lineStart, lineLength);
            continue;
        }
        if (equalsPos < 0)
            continue;
        int keyEnd = equalsPos;
        while (keyEnd > lineStart && (d[keyEnd - 1] == ' ' || d[keyEnd - 1] == '\t'))
            --keyEnd;
        // The settings layer reads the part before the first section from the file's first byte: a key on
        // the byte order mark's line carries the mark (and the blanks after it) in its name.
        bool bKeyAfterMark = bFirstAfterMark;
        for (int i = 3; bKeyAfterMark && i < lineStart; ++i)
            bKeyAfterMark = d[i] == ' ' || d[i] == '\t';
        m_key = d + (bKeyAfterMark ? 0 : lineStart);
        m_keyEnd = d + keyEnd;
        m_value = d + equalsPos + 1;
        m_valueEnd = d + lineStart + lineLength;
        return true;
    }
    return false;
}

} // namespace ini
