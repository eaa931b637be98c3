// loadConfig of five full profile files against one plain QSettings read of the same files (every key of the
// product Config.ini and of the five profile files read once, colours decoded as the program's QtGui does),
// both measured in the same run, from files changed since the last read.
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

ConfigData fullConfig()
{
    ConfigData config;
    for (int i = 0; i < kSlotCount; ++i) {
        ProfileData& p = config.slots[i];
        setProfileDefaults(p, QStringLiteral("OSKEN R5"));
        for (int b = 0; b < kButtonSlotCount; ++b) {
            p.buttons[b].Fun = 200;
            p.buttons[b].macroname = QStringLiteral("macro %1").arg(b);
            for (int k = 0; k < kKeyStepCount; ++k)
                p.buttons[b].keys[k] = KeyInfo{quint8(k), quint8(b), quint8(i)};
        }
        config.slotProfileNames[i] = QStringLiteral("Bench %1").arg(i + 1);
    }
    return config;
}

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

struct Summary
{
    double min;
    double median;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return {values.front(), values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2};
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

    const int runs = std::max(5, qEnvironmentVariableIntValue("OSKEN_BENCH_RUNS"));
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
    const auto row = [](const char* what, const std::vector<double>& values, const char* unit) {
        const Summary s = summarise(values);
        std::printf("%-52s min %8.2f%s  median %8.2f%s\n", what, s.min, unit, s.median, unit);
    };
    std::printf("loadConfig of 5 profile files (%d keys in all), %d runs\n", keys, runs);
    row("plain QSettings read of the same files", plain, " ms");
    row("loadConfig", load, " ms");
    row("ratio loadConfig / plain read", ratio, "x ");
    return 0;
}
