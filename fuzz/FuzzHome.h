#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

// The file targets write each input into a settings tree inside a temporary folder, never the user's.
inline QTemporaryDir& fuzzHome()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static QTemporaryDir home;
    static const bool bSet = [] {
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
        return true;
    }();
    Q_UNUSED(bSet);
    return home;
}

inline bool writeFuzzFile(const QString& path, const uint8_t* data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return true;
}
