#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

// Solid test pictures in a temporary folder; the first may have a transparent top-left quadrant
// so the button's mask has something to follow.
class TestPictures
{
public:
    QStringList make(const QVector<QColor>& colors, bool bCutCorner = false, int iSize = 20)
    {
        QStringList paths;
        for (int i = 0; i < colors.size(); ++i) {
            QImage image(iSize, iSize, QImage::Format_ARGB32);
            image.fill(colors.at(i));
            if (bCutCorner && i == 0) {
                for (int y = 0; y < iSize / 2; ++y)
                    for (int x = 0; x < iSize / 2; ++x)
                        image.setPixelColor(x, y, Qt::transparent);
            }
            const QString path = m_Dir.path() + QStringLiteral("/pic%1_%2.png").arg(m_iNext++).arg(i);
            image.save(path);
            paths << path;
        }
        return paths;
    }
    QString missing() const { return m_Dir.path() + QStringLiteral("/does-not-exist.png"); }

private:
    QTemporaryDir m_Dir;
    int m_iNext = 0;
};
