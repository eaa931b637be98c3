#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace skingen {

// The program icon at iSize x iSize; small sizes drop the detail that would turn to noise.
QImage paintIcon(int iSize);
// A Windows .ico holding each image as a PNG entry (images of at most 256 x 256).
QByteArray icoFile(const QList<QImage>& images);

} // namespace skingen
