#include "store/IniFile.h"

#include "store/ColorValue.h"
#include "store/StoredValue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>

IniFile::IniFile(QByteArray data) : m_read(std::move(data))
{
    ini::Scanner scanner(m_read);
    m_bUtf8 = scanner.isUtf8();
    while (scanner.next()) {
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString IniFile::readText(const QString& path, const QString& key)
{
    const QByteArray data = readBytes(path);
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

IniFile IniFile::read(const QString& path)
{
    return IniFile(readBytes(path));
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

QByteArray IniFile::bytes() const
{
    struct Line
    {
        QString section;
        QString name;
        const Entry* entry;
    };
    std::vector<Line> lines;
    lines.reserve(m_entries.size());
    for (const Entry& entry : m_entries) {
        const int slash = entry.key.indexOf(QLatin1Char('/'));
        lines.push_back(slash < 0 ? Line{QString(), entry.key, &entry}
                                  : Line{entry.key.left(slash), entry.key.mid(slash + 1), &entry});
    }
    // Sections by name, keys by name inside each: the order the settings layer writes.
    std::sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        return a.section != b.section ? a.section < b.section : a.name < b.name;
    });

    QByteArray out;
    out.reserve(m_read.size() + 64);
    for (size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        if (i == 0 || line.section != lines[i - 1].section) {
            QByteArray header;
            ini::appendEscapedKey(header, line.section);
            if (header.isEmpty())
                header = "[General]";
            else if (qstricmp(header.constData(), "general") == 0)
                header = "[%General]";
            else
                header = '[' + header + ']';
            if (i != 0)
                out += '\n';
            out += header + '\n';
        }
        ini::appendEscapedKey(out, line.name);
        out += '=';
        const QByteArray& value = line.entry->value;
        if (line.entry->bWritten) {
            out += value;
        } else {
            // A value read from the file comes back in the form the settings layer writes it.
            const ini::ValueText read = ini::unescapedValue(value.constBegin(), value.constEnd(), m_bUtf8);
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
    return out;
}

bool IniFile::save(const QString& path) const
{
    const QByteArray content = bytes();
    if (QFileInfo::exists(path) && readBytes(path) == content)
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.lock())
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}
