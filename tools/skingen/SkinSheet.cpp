#include "SkinSheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace skingen {

SkinSheet::SkinSheet(const QString& folder) : m_Folder(folder) {}

QString SkinSheet::prepare(const QString& relativePath)
{
    const QString full = m_Folder + QLatin1Char('/') + relativePath;
    if (!QDir().mkpath(QFileInfo(full).absolutePath())) {
        m_Failures << relativePath;
        return QString();
    }
    return full;
}

void SkinSheet::save(const QString& relativePath, const QImage& image)
{
    const QString full = prepare(relativePath);
    if (full.isEmpty())
        return;
    // Through a temporary file, so an interrupted build never leaves a truncated picture.
    QSaveFile file(full);
    if (image.isNull() || !file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        m_Failures << relativePath;
        return;
    }
    ++m_iWritten;
}

void SkinSheet::saveBytes(const QString& relativePath, const QByteArray& bytes)
{
    const QString full = prepare(relativePath);
    if (full.isEmpty())
        return;
    QSaveFile file(full);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_Failures << relativePath;
        return;
    }
    ++m_iWritten;
}

QImage canvas(int iWidth, int iHeight)
{
    QImage image(iWidth, iHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace skingen
