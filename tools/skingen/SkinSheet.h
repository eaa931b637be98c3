#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace skingen {

// The output folder: saves each picture under its skin path and remembers what failed.
class SkinSheet
{
public:
    explicit SkinSheet(const QString& folder);
    // relativePath below skin/, e.g. "dlg.png" or "mouse/OSKEN_R5/Mouse.png".
    void save(const QString& relativePath, const QImage& image);
    void saveBytes(const QString& relativePath, const QByteArray& bytes);
    int written() const { return m_iWritten; }
    const QStringList& failures() const { return m_Failures; }

private:
    QString prepare(const QString& relativePath);

    QString m_Folder;
    int m_iWritten = 0;
    QStringList m_Failures;
};

// A transparent ARGB canvas of the given size.
QImage canvas(int iWidth, int iHeight);

} // namespace skingen
