#include "FrameListing.h"

#include "device/protocol/WriteProfileSet.h"

#include <QStringList>

std::vector<Frame> writeOutFrames(const ConfigData& config, const QString& productName, int sensorModel,
                                  ChangeMask sections)
{
    std::vector<Frame> frames;
    WriteProfileContext context;
    context.productName = productName;
    context.sensorModel = sensorModel;
    context.send = [&frames](const Frame& frame) -> quint8 {
        Frame sent = frame;
        fillChecksum(sent); // as the verified write does
        frames.push_back(sent);
        return DeviceResult::Done;
    };
    // The recording sender never fails: every frame of the write-out is listed.
    (void)WriteProfileSet(context, config, sections);
    return frames;
}

QString frameLine(const Frame& frame)
{
    QStringList bytes;
    for (quint8 b : frame)
        bytes << QString::asprintf("%02x", b);
    return bytes.join(QLatin1Char(' '));
}
