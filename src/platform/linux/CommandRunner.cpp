#include "platform/linux/CommandRunner.h"

#include <QProcess>
#include <QStandardPaths>

namespace platform {

namespace {
constexpr int kCommandTimeoutMs = 3000; // these run on the GUI thread
} // namespace

CommandRunner processRunner()
{
    return [](const QString& program, const QStringList& arguments, QByteArray* output) {
        const QString path = QStandardPaths::findExecutable(program);
        if (path.isEmpty())
            return false;
        QProcess process;
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(path, arguments, QIODevice::ReadOnly);
        if (!process.waitForStarted(kCommandTimeoutMs))
            return false;
        if (!process.waitForFinished(kCommandTimeoutMs)) {
            process.kill();
            process.waitForFinished(kCommandTimeoutMs);
            return false;
        }
        if (output)
            *output = process.readAllStandardOutput();
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    };
}

} // namespace platform
