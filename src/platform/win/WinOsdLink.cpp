#include "log/Log.h"
#include "platform/OsdLink.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

namespace platform {

namespace {

constexpr int kMaxLaunches = 5;
constexpr int kLaunchWaitMs = 500;

// Finds the companion's window by its title and hands it the message with WM_COPYDATA.
class WinOsdLink : public OsdLink
{
public:
    WinOsdLink(QString programPath, QStringList arguments)
        : m_programPath(std::move(programPath)), m_arguments(std::move(arguments))
    {
    }

    bool send(const OsdMessage& message) override
    {
        const std::wstring title = osdWindowTitle().toStdWString();
        HWND window = FindWindowW(nullptr, title.c_str());
        for (int launches = 0; !IsWindow(window) && launches < kMaxLaunches; ++launches) {
            // A companion that is not there cannot appear by waiting for it.
            if (!QFileInfo(m_programPath).isFile() ||
                !QProcess::startDetached(m_programPath, m_arguments, QFileInfo(m_programPath).absolutePath())) {
                qCDebug(lcPlatform) << "OSD program cannot be started:" << m_programPath;
                break;
            }
            QThread::msleep(kLaunchWaitMs);
            window = FindWindowW(nullptr, title.c_str());
        }
        if (!IsWindow(window))
            return false;

        QByteArray data = buildOsdMessage(message);
        COPYDATASTRUCT copyData;
        copyData.dwData = 0;
        copyData.cbData = static_cast<DWORD>(data.size());
        copyData.lpData = data.data();
        if (SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copyData)) == 0) {
            qCDebug(lcPlatform, "SendMessage failed\n");
            return false;
        }
        return true;
    }

private:
    QString m_programPath;
    QStringList m_arguments;
};

} // namespace

QString osdServerName()
{
    return osdWindowTitle();
}

std::unique_ptr<OsdLink> makeOsdLink(const QString& programDirectory, const QStringList& arguments)
{
    return std::make_unique<WinOsdLink>(QDir(programDirectory).filePath(QStringLiteral("OSD.exe")), arguments);
}

std::unique_ptr<OsdLink> makeNotificationLink()
{
    return nullptr; // the on-screen display is always placed on top here
}

} // namespace platform
