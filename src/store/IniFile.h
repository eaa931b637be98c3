#pragma once

#include "store/ConfigData.h"
#include "store/IniScanner.h"
#include "store/IniText.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>
#include <vector>

// One INI file in the form the settings layer (QSettings, IniFormat) gives it, for the files that hold
// colours: profile and configuration files. Reads and writes them the way QSettings does (the same bytes
// for the same keys and values) but needs no GUI library for the colours. Keys are "Section/name"; a key
// without a slash lies in [General].
class IniFile
{
public:
    // Which key lines to leave out: those a block is about to replace (see setBlock).
    using LineFilter = std::function<bool(const ini::Scanner& line)>;

    IniFile() = default;
    explicit IniFile(QByteArray data, const LineFilter& leaveOut = {});
    // A missing or unreadable file reads as an empty one.
    static IniFile read(const QString& path, const LineFilter& leaveOut = {});
    // The bytes of a file; empty when it is missing, unreadable or not a regular file.
    static QByteArray readBytes(const QString& path);
    // One text of a file without keeping the rest (the last line of the key counts).
    static QString readText(const QString& path, const QString& key);
    static QString textIn(const QByteArray& data, const QString& key);

    bool contains(const QString& key) const { return m_index.contains(key); }
    // The reading rule: a missing key or a value that is none reads as 0, "" or the invalid colour.
    qint64 number(const QString& key) const;
    QString text(const QString& key) const;
    RgbColor colour(const QString& key) const;

    void setNumber(const QString& key, qint64 iValue);
    void setText(const QString& key, const QString& text);
    void setColour(const QString& key, const RgbColor& color);

    // Lines of one section written together (a whole record): "escaped key=value\n" each, in the order of
    // `names` (the keys below the section, sorted). They replace the section's keys of the same names, and
    // an earlier block of the section.
    struct Block
    {
        QString section;
        const std::vector<QString>* names = nullptr;
        QByteArray lines;
        std::vector<int> lineEnds;
    };
    void addBlock(Block block);
    bool isUtf8() const { return m_bUtf8; }

    // The file's bytes: sections and, inside each, keys in the settings layer's order.
    QByteArray bytes() const;
    // Stores the file the way the settings layer does: folders made, one writer at a time (a lock file),
    // the new content in place at once or not at all. A file already holding these bytes is left alone.
    // False when the file could not be stored.
    [[nodiscard]] bool save(const QString& path) const;

private:
    struct Entry
    {
        QString key;
        QByteArray value; // as the file holds it
        bool bWritten = false;
    };
    ini::ValueText valueText(const QString& key, bool& bFound) const;
    void setStored(const QString& key, QByteArray value);
    void appendEntry(QByteArray& out, const QString& name, const Entry& entry) const;

    std::vector<Entry> m_entries;
    QHash<QString, int> m_index;
    std::vector<Block> m_blocks;
    QString m_path;    // the file it was read from, if any
    QByteArray m_read; // and its bytes
    bool m_bUtf8 = false;
};
