#include "store/IniScanner.h"

#include "store/IniText.h"

#include <array>

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

Scanner::Scanner(const QByteArray& data) : m_data(data)
{
    if (data.startsWith("\xEF\xBB\xBF")) {
        m_bUtf8 = true;
        m_pos = 3;
    }
}

bool Scanner::readLine(int& lineStart, int& lineLength, int& equalsPos)
{
    const char* d = m_data.constData();
    const int size = m_data.size();
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
    m_pos = i;
    lineLength = i - lineStart;
    return lineLength > 0;
}

void Scanner::enterSection(int lineStart, int lineLength)
{
    ++m_sectionNumber;
    const int close = m_data.indexOf(']', lineStart);
    const bool bClosed = close != -1 && close < lineStart + lineLength;
    m_bFormatError = m_bFormatError || !bClosed;
    const QByteArray name = m_data.mid(lineStart + 1, bClosed ? close - lineStart - 1 : lineLength - 1).trimmed();
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
        const char* d = m_data.constData();
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
