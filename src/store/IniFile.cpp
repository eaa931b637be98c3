#include "store/IniFile.h"

#include "store/ColorValue.h"
#include "store/StoredValue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>

IniFile::IniFile(QByteArray data, const LineFilter& leaveOut) : m_read(std::move(data))
{
    ini::Scanner scanner(m_read);
    m_bUtf8 = scanner.isUtf8();
    while (scanner.next()) {
        if (leaveOut && leaveOut(scanner))
            continue;
        const QString key = scanner.sectionPrefix() + ini::unescapedKey(scanner.keyBegin(), scanner.keyEnd());
        QByteArray value(scanner.valueBegin(), int(scanner.valueEnd() - scanner.valueBegin()));
        // A key given twice holds its last value.
        const auto found = m_index.constFind(key);
        if (found != m_index.constEnd()) {
            m_entries[size_t(*found)].value = std::move(value);
            continue;
        }
        m_index.insert(key, int(m_entries.size()));
        m_entries.push_back(Entry{key, std::move(value), false});
    }
}

QByteArray IniFile::readBytes(const QString& path)
{
    // A FIFO or device node would block its reader for good, a folder holds no text: both read as missing.
    if (!QFileInfo(path).isFile())
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString IniFile::readText(const QString& path, const QString& key)
{
    return textIn(readBytes(path), key);
}

QString IniFile::textIn(const QByteArray& data, const QString& key)
{
    ini::Scanner scanner(data);
    ini::ValueText value;
    bool bFound = false;
    while (scanner.next()) {
        const QString& section = scanner.sectionPrefix();
        if (!key.startsWith(section) ||
            ini::unescapedKey(scanner.keyBegin(), scanner.keyEnd()) != key.midRef(section.size()))
            continue;
        value = ini::unescapedValue(scanner.valueBegin(), scanner.valueEnd(), scanner.isUtf8());
        bFound = true;
    }
    return bFound ? textOfValue(value) : QString();
}

IniFile IniFile::read(const QString& path, const LineFilter& leaveOut)
{
    IniFile file(readBytes(path), leaveOut);
    file.m_path = path;
    return file;
}

ini::ValueText IniFile::valueText(const QString& key, bool& bFound) const
{
    const auto found = m_index.constFind(key);
    bFound = found != m_index.constEnd();
    if (!bFound)
        return {};
    const QByteArray& value = m_entries[size_t(*found)].value;
    return ini::unescapedValue(value.constBegin(), value.constEnd(), m_bUtf8);
}

qint64 IniFile::number(const QString& key) const
{
    bool bFound = false;
    const ini::ValueText value = valueText(key, bFound);
    return bFound ? numberOfValue(value) : 0;
}

QString IniFile::text(const QString& key) const
{
    bool bFound = false;
    const ini::ValueText value = valueText(key, bFound);
    return bFound ? textOfValue(value) : QString();
}

RgbColor IniFile::colour(const QString& key) const
{
    bool bFound = false;
    const ini::ValueText value = valueText(key, bFound);
    return bFound ? colourOfValue(value) : RgbColor{};
}

void IniFile::setStored(const QString& key, QByteArray value)
{
    const auto found = m_index.constFind(key);
    if (found != m_index.constEnd()) {
        Entry& entry = m_entries[size_t(*found)];
        entry.value = std::move(value);
        entry.bWritten = true;
        return;
    }
    m_index.insert(key, int(m_entries.size()));
    m_entries.push_back(Entry{key, std::move(value), true});
}

void IniFile::addBlock(Block block)
{
    for (Block& existing : m_blocks) {
        if (existing.section == block.section) {
            existing = std::move(block);
            return;
        }
    }
    m_blocks.push_back(std::move(block));
}

void IniFile::setNumber(const QString& key, qint64 iValue)
{
    setStored(key, QByteArray::number(iValue));
}

void IniFile::setText(const QString& key, const QString& text)
{
    QByteArray value;
    ini::appendEscapedText(value, ini::storedTextForm(text), m_bUtf8);
    setStored(key, std::move(value));
}

void IniFile::setColour(const QString& key, const RgbColor& color)
{
    QByteArray value;
    ini::appendEscapedText(value, colourVariantText(color), m_bUtf8);
    setStored(key, std::move(value));
}

namespace {

// A key of the file's own with its section and its name below the section.
struct Line
{
    QString section;
    QString name;
    int entry;
};

QByteArray sectionHeader(const QString& section)
{
    QByteArray header;
    ini::appendEscapedKey(header, section);
    if (header.isEmpty())
        return "[General]";
    if (qstricmp(header.constData(), "general") == 0)
        return "[%General]";
    return '[' + header + ']';
}

} // namespace

void IniFile::appendEntry(QByteArray& out, const QString& name, const Entry& entry) const
{
    ini::appendEscapedKey(out, name);
    out += '=';
    if (entry.bWritten) {
        out += entry.value;
    } else {
        // A value read from the file comes back in the form the settings layer writes it.
        const ini::ValueText read = ini::unescapedValue(entry.value.constBegin(), entry.value.constEnd(), m_bUtf8);
        if (read.bList) {
            QStringList list;
            for (const QString& item : read.list)
                list.append(ini::rewrittenText(item));
            ini::appendEscapedList(out, list, m_bUtf8);
        } else {
            ini::appendEscapedText(out, ini::rewrittenText(read.text), m_bUtf8);
        }
    }
    out += '\n';
}

QByteArray IniFile::bytes() const
{
    std::vector<const Block*> blocks;
    for (const Block& block : m_blocks)
        blocks.push_back(&block);
    std::sort(blocks.begin(), blocks.end(), [](const Block* a, const Block* b) { return a->section < b->section; });
    const auto blockOf = [&blocks](const QString& section) -> const Block* {
        const auto found = std::lower_bound(blocks.begin(), blocks.end(), section,
                                            [](const Block* block, const QString& s) { return block->section < s; });
        return found != blocks.end() && (*found)->section == section ? *found : nullptr;
    };
    std::vector<Line> lines;
    lines.reserve(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const QString& key = m_entries[i].key;
        const int slash = key.indexOf(QLatin1Char('/'));
        Line line{slash < 0 ? QString() : key.left(slash), slash < 0 ? key : key.mid(slash + 1), int(i)};
        // A block's lines replace keys of the same names.
        const Block* block = blockOf(line.section);
        if (!block || !std::binary_search(block->names->begin(), block->names->end(), line.name))
            lines.push_back(std::move(line));
    }
    // Sections by name, keys by name inside each: the order the settings layer writes.
    std::sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        return a.section != b.section ? a.section < b.section : a.name < b.name;
    });

    QByteArray out;
    out.reserve(m_read.size() + 64);
    size_t g = 0;
    size_t b = 0;
    while (g < lines.size() || b < blocks.size()) {
        const bool bBlockFirst = b < blocks.size() && (g == lines.size() || blocks[b]->section <= lines[g].section);
        const QString section = bBlockFirst ? blocks[b]->section : lines[g].section;
        const Block* block = bBlockFirst ? blocks[b++] : nullptr;
        if (!out.isEmpty())
            out += '\n';
        out += sectionHeader(section) + '\n';
        // The block's lines and the section's own keys, merged by name.
        size_t j = 0;
        const size_t blockLines = block ? block->lineEnds.size() : 0;
        for (;;) {
            const bool bOwn = g < lines.size() && lines[g].section == section;
            if (j < blockLines && (!bOwn || (*block->names)[j] < lines[g].name)) {
                const int begin = j == 0 ? 0 : block->lineEnds[j - 1];
                out.append(block->lines.constData() + begin, block->lineEnds[j] - begin);
                ++j;
            } else if (bOwn) {
                appendEntry(out, lines[g].name, m_entries[size_t(lines[g].entry)]);
                ++g;
            } else {
                break;
            }
        }
    }
    return out;
}

bool IniFile::save(const QString& path) const
{
    const QByteArray content = bytes();
    if (QFileInfo::exists(path) && (path == m_path ? m_read : readBytes(path)) == content)
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.lock())
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}
