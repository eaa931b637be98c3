// loadConfig of five full profile files against one plain QSettings read of the same files (every key of the
// product Config.ini and of the five profile files read once, colours decoded as the program's QtGui does),
// both measured in the same run, from files changed since the last read.
#include "BenchSummary.h"
#include "FullConfig.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/DataPaths.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A new modification time makes the settings layer read a file again instead of answering from memory.
void touch(const QStringList& files, int iRun)
{
    const QDateTime time = QDateTime::currentDateTime().addSecs(-3600).addMSecs(iRun * 7);
    for (const QString& path : files) {
        QFile file(path);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(time, QFileDevice::FileModificationTime);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    // The program has QtGui loaded, so its settings layer decodes colours: the baseline does the same.
    const QColor loadsGui(Qt::red);
    const ConfigData config = fullConfig();
    if (!loadsGui.isValid() || !writeCurrentProductName(QStringLiteral("OSKEN R5")) || !saveConfig(config))
        return 1;
    QStringList files{productConfigPath()};
    for (const QString& name : config.slotProfileNames)
        files.append(profileFilePath(name));

    const int runs = bench::runCount();
    std::vector<double> plain, load, ratio;
    int keys = 0;
    for (int run = 0; run < runs; ++run) {
        touch(files, 2 * run);
        QElapsedTimer clock;
        clock.start();
        keys = 0;
        for (const QString& path : files) {
            const QSettings settings(path, QSettings::IniFormat);
            for (const QString& key : settings.allKeys())
                keys += settings.value(key).isValid() ? 1 : 0;
        }
        const double plainMs = double(clock.nsecsElapsed()) / 1e6;

        touch(files, 2 * run + 1);
        ConfigData loaded;
        clock.restart();
        loadConfig(loaded);
        const double loadMs = double(clock.nsecsElapsed()) / 1e6;
        if (loaded.slots[4].buttons[41].keys[62].high != 4)
            return 1;
        plain.push_back(plainMs);
        load.push_back(loadMs);
        ratio.push_back(loadMs / plainMs);
    }
    std::printf("loadConfig of 5 profile files (%d keys in all), %d runs\n", keys, runs);
    bench::printRow(52, "plain QSettings read of the same files", plain, " ms");
    bench::printRow(52, "loadConfig", load, " ms");
    bench::printRow(52, "ratio loadConfig / plain read", ratio, "x ");
    return 0;
}
