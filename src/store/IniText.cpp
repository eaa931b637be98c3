#include "store/IniText.h"

#include "store/ColorValue.h"

#include <QDataStream>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace ini {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool isHexDigit(uint ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return ch - 'A' + 10;
}

// The characters a backslash stands in front of, and what they mean.
bool simpleEscape(char ch, char& meaning)
{
    static constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                           {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                           {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    for (const auto& escape : kEscapes) {
        if (escape[0] == ch) {
            meaning = escape[1];
            return true;
        }
    }
    return false;
}

void chopTrailingBlanks(QString& text, int limit)
{
    int n = text.size();
    while (n > limit && (text.at(n - 1) == QLatin1Char(' ') || text.at(n - 1) == QLatin1Char('\t')))
        --n;
    text.truncate(n);
}

// The data-stream type number at the start of a "@Variant(...)" text, 0 when it is too short.
quint32 streamedType(const QString& text, int prefixSize)
{
    const QString bytes = text.mid(prefixSize, 4);
    if (bytes.size() < 4)
        return 0;
    quint32 type = 0;
    for (const QChar c : bytes)
        type = (type << 8) | (c.unicode() & 0xFF);
    return type;
}

// Type numbers of the GUI types (a colour is 67) and of user types: they need libraries the store does not
// load and mean nothing as a number or a text here.
bool isGuiOrUserType(quint32 type)
{
    return type >= 64 && type <= 127;
}

QVariant streamedVariant(const QString& text, int prefixSize, QDataStream::Version version)
{
    if (isGuiOrUserType(streamedType(text, prefixSize)))
        return QVariant();
    QByteArray bytes = text.mid(prefixSize).toLatin1();
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(version);
    QVariant value;
    stream >> value;
    return value;
}

QVariant geometryVariant(const QString& text, bool& bMatched)
{
    bMatched = false;
    if (text.startsWith(QLatin1String("@Rect("))) {
        const QStringList a = splitArguments(text, 5);
        bMatched = a.size() == 4;
        return bMatched ? QVariant(QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt())) : QVariant();
    }
    for (const char* prefix : {"@Size(", "@Point("}) {
        if (!text.startsWith(QLatin1String(prefix)))
            continue;
        const QStringList a = splitArguments(text, int(qstrlen(prefix)) - 1);
        bMatched = a.size() == 2;
        if (!bMatched)
            return QVariant();
        return prefix[1] == 'S' ? QVariant(QSize(a[0].toInt(), a[1].toInt()))
                                : QVariant(QPoint(a[0].toInt(), a[1].toInt()));
    }
    return QVariant();
}

} // namespace

QStringList splitArguments(const QString& text, int open)
{
    QStringList arguments;
    QString item;
    for (int i = open + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(')')) {
            arguments.append(item);
        } else if (c == QLatin1Char(' ')) {
            arguments.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return arguments;
}

namespace {

uint codeOf(QChar c)
{
    return c.unicode();
}
uint codeOf(char c)
{
    return uchar(c);
}

template <typename Text> void appendEscapedKeyOf(QByteArray& out, const Text& key)
{
    for (const auto c : key) {
        uint ch = codeOf(c);
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
                   ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += kHexDigits[ch / 16];
            out += kHexDigits[ch % 16];
        } else {
            out += "%U";
            char digits[4];
            for (int i = 3; i >= 0; --i, ch >>= 4)
                digits[i] = kHexDigits[ch % 16];
            out.append(digits, 4);
        }
    }
}

} // namespace

void appendEscapedKey(QByteArray& out, const QString& key)
{
    appendEscapedKeyOf(out, key);
}

// The store's own field keys are Latin-1 views: escaped without a text per key.
void appendEscapedKey(QByteArray& out, QLatin1String key)
{
    appendEscapedKeyOf(out, key);
}

QString unescapedKey(const char* begin, const char* end)
{
    QString key;
    key.reserve(int(end - begin));
    for (const char* p = begin; p < end;) {
        const uchar ch = uchar(*p);
        if (ch == '\\') {
            key += QLatin1Char('/');
            ++p;
            continue;
        }
        if (ch != '%' || p == end - 1) {
            key += QLatin1Char(char(ch));
            ++p;
            continue;
        }
        const char* digits = p + 1;
        int count = 2;
        if (*digits == 'U') {
            ++digits;
            count = 4;
        }
        bool ok = false;
        const int code = digits + count > end ? 0 : QByteArray(digits, count).toInt(&ok, 16);
        if (!ok) {
            key += QLatin1Char('%');
            ++p;
            continue;
        }
        key += QChar(code);
        p = digits + count;
    }
    return key;
}

ValueText unescapedValue(const char* begin, const char* end, bool bUtf8)
{
    enum class State
    {
        SkipBlanks,
        Normal,
        HexEscape,
        OctalEscape
    };
    ValueText value;
    QString& text = value.text;
    State state = State::SkipBlanks;
    bool bInQuotes = false;
    bool bQuotedValue = false;
    uint escaped = 0;
    int chopLimit = 0;
    const char* p = begin;
    // Escapes end with their own character: trailing blanks before them stay.
    const auto toNormal = [&] {
        state = State::Normal;
        chopLimit = text.size();
    };
    bool bDone = false;
    while (!bDone) {
        switch (state) {
        case State::SkipBlanks:
            while (p < end && (*p == ' ' || *p == '\t'))
                ++p;
            toNormal();
            break;
        case State::HexEscape:
        case State::OctalEscape: {
            const bool bHex = state == State::HexEscape;
            if (p < end && (bHex ? isHexDigit(uchar(*p)) : (*p >= '0' && *p <= '7'))) {
                escaped = bHex ? (escaped << 4) + uint(hexValue(*p)) : (escaped << 3) + uint(*p - '0');
                ++p;
                break;
            }
            text += QChar(ushort(escaped));
            if (p >= end)
                bDone = true;
            else
                toNormal();
            break;
        }
        case State::Normal:
            if (p >= end) {
                if (!bQuotedValue)
                    chopTrailingBlanks(text, chopLimit);
                bDone = true;
                break;
            }
            switch (*p) {
            case '\\': {
                if (++p >= end) {
                    bDone = true;
                    break;
                }
                const char ch = *p++;
                char meaning = 0;
                if (simpleEscape(ch, meaning)) {
                    text += QLatin1Char(meaning);
                    toNormal();
                    break;
                }
                if (ch == 'x') {
                    escaped = 0;
                    if (p >= end) {
                        bDone = true;
                        break;
                    }
                    if (isHexDigit(uchar(*p))) {
                        state = State::HexEscape;
                        break;
                    }
                } else if (ch >= '0' && ch <= '7') {
                    escaped = uint(ch - '0');
                    state = State::OctalEscape;
                    break;
                } else if (ch == '\n' || ch == '\r') {
                    // A continued line: \n, \r, \r\n and \n\r all end a line.
                    if (p < end && (*p == '\n' || *p == '\r') && *p != ch)
                        ++p;
                }
                chopLimit = text.size();
                break;
            }
            case '"':
                ++p;
                bQuotedValue = true;
                bInQuotes = !bInQuotes;
                if (!bInQuotes)
                    state = State::SkipBlanks;
                break;
            case ',':
                if (!bInQuotes) {
                    if (!bQuotedValue)
                        chopTrailingBlanks(text, chopLimit);
                    value.bList = true;
                    value.list.append(text);
                    text.clear();
                    bQuotedValue = false;
                    ++p;
                    state = State::SkipBlanks;
                    break;
                }
                Q_FALLTHROUGH();
            default: {
                const char* run = p + 1;
                while (run < end && *run != '\\' && *run != '"' && *run != ',')
                    ++run;
                text += bUtf8 ? QString::fromUtf8(p, int(run - p)) : QString::fromLatin1(p, int(run - p));
                p = run;
            }
            }
            break;
        }
    }
    if (value.bList)
        value.list.append(text);
    return value;
}

void appendEscapedText(QByteArray& out, const QString& text, bool bUtf8)
{
    const int start = out.size();
    const bool bRawUtf8 =
        bUtf8 && !text.startsWith(QLatin1String("@ByteArray(")) && !text.startsWith(QLatin1String("@Variant("));
    bool bNeedsQuotes = false;
    // After a numeric escape a following hex digit would read as part of it.
    bool bEscapeHexDigit = false;
    for (const QChar c : text) {
        const uint ch = c.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            bNeedsQuotes = true;
        if (bEscapeHexDigit && isHexDigit(ch)) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        bEscapeHexDigit = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            bEscapeHexDigit = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !bRawUtf8)) {
                out += "\\x" + QByteArray::number(ch, 16);
                bEscapeHexDigit = true;
            } else if (bRawUtf8) {
                out += QString(c).toUtf8();
            } else {
                out += char(ch);
            }
        }
    }
    if (bNeedsQuotes || (out.size() > start && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

void appendEscapedList(QByteArray& out, const QStringList& list, bool bUtf8)
{
    if (list.isEmpty()) {
        out += "@Invalid()";
        return;
    }
    for (int i = 0; i < list.size(); ++i) {
        if (i != 0)
            out += ", ";
        appendEscapedText(out, list.at(i), bUtf8);
    }
}

QString storedTextForm(const QString& text)
{
    if (text.contains(QChar::Null))
        return QStringLiteral("@String(") + text + QLatin1Char(')');
    if (text.startsWith(QLatin1Char('@')))
        return QLatin1Char('@') + text;
    return text;
}

QVariant variantOfText(const QString& text)
{
    if (text.startsWith(QLatin1Char('@')) && text.endsWith(QLatin1Char(')'))) {
        if (text.startsWith(QLatin1String("@ByteArray(")))
            return QVariant(text.mid(11, text.size() - 12).toLatin1());
        if (text.startsWith(QLatin1String("@String(")))
            return QVariant(text.mid(8, text.size() - 9));
        if (text.startsWith(QLatin1String("@Variant(")))
            return streamedVariant(text, 9, QDataStream::Qt_4_0);
        if (text.startsWith(QLatin1String("@DateTime(")))
            return streamedVariant(text, 10, QDataStream::Qt_5_6);
        bool bGeometry = false;
        const QVariant geometry = geometryVariant(text, bGeometry);
        if (bGeometry)
            return geometry;
        if (text == QLatin1String("@Invalid()"))
            return QVariant();
    }
    if (text.startsWith(QLatin1String("@@")))
        return QVariant(text.mid(1));
    return QVariant(text);
}

QString textOfVariant(const QVariant& value)
{
    switch (int(value.type())) {
    case QVariant::Invalid:
        return QStringLiteral("@Invalid()");
    case QVariant::ByteArray: {
        const QByteArray bytes = value.toByteArray();
        return QStringLiteral("@ByteArray(") + QString::fromLatin1(bytes.constData(), bytes.size()) + QLatin1Char(')');
    }
    case QVariant::String:
    case QVariant::LongLong:
    case QVariant::ULongLong:
    case QVariant::Int:
    case QVariant::UInt:
    case QVariant::Bool:
    case QVariant::Double:
        return storedTextForm(value.toString());
    case QVariant::Rect: {
        const QRect r = value.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QVariant::Size:
        return QString::asprintf("@Size(%d %d)", value.toSize().width(), value.toSize().height());
    case QVariant::Point:
        return QString::asprintf("@Point(%d %d)", value.toPoint().x(), value.toPoint().y());
    default: {
        const bool bDateTime = value.type() == QVariant::DateTime;
        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream.setVersion(bDateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            stream << value;
        }
        return (bDateTime ? QStringLiteral("@DateTime(") : QStringLiteral("@Variant(")) +
               QString::fromLatin1(bytes.constData(), bytes.size()) + QLatin1Char(')');
    }
    }
}

QString rewrittenText(const QString& text)
{
    if (!text.startsWith(QLatin1Char('@')))
        return storedTextForm(text);
    if (text.startsWith(QLatin1String("@Variant(")) && text.endsWith(QLatin1Char(')'))) {
        QString colour;
        if (rewrittenColourVariant(text, colour))
            return colour;
        // Other GUI values are not read by the store; they stay as they are.
        if (isGuiOrUserType(streamedType(text, 9)))
            return text;
    }
    return textOfVariant(variantOfText(text));
}

} // namespace ini
