#pragma once

#include "store/ConfigData.h"

#include <QString>

#include <future>
#include <optional>

// The product named on the command line, else Config/CurrentProductName, else "OSKEN R5".
QString chosenProduct(const std::optional<QString>& product);

// Makes the settings what the program makes them at its start before anything is changed: the keys of the
// installed defaults merged in (the sensors among them) and a current product chosen when there is none. False
// when the program-wide file could not be stored.
bool prepareSettings();

// The sensor named on the command line, else MouseSenSor/<product> of the program-wide settings, else of
// the defaults installed beside the program (which the program merges in at its first start).
int chosenSensor(const QString& product, const std::optional<int>& sensor);

// Reads a .conf (the whole configuration) or a .prof (into the active slot of the stored configuration)
// tagged for `product`. CtlExit::Done, or CtlExit::NoInput with a one-line message.
int loadSettingsFile(const QString& path, const QString& product, ConfigData& config, QString& error);

// apply's file, tagged for `product`, read on a worker from the moment its name is known: the read overlaps the
// tool's start, the check for a running window and the opening of the mouse.
class PendingSettingsFile
{
public:
    struct Loaded
    {
        int exit = 0; // as loadSettingsFile returns it
        ConfigData config;
        QString error;
    };
    PendingSettingsFile(const QString& path, const QString& product);
    const QString& product() const { return m_product; }
    // Waits for the read.
    const Loaded& get() const { return m_loaded.get(); }

private:
    QString m_product;
    std::shared_future<Loaded> m_loaded;
};
