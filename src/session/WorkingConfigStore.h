#pragma once

#include "store/ConfigData.h"

#include <QDateTime>
#include <QString>

#include <future>
#include <map>
#include <vector>

// Stores the settings state as saveConfig does, but leaves a profile file alone when this store wrote it
// with the same record and the file has not changed since: a write-out then spends its time on the
// mouse, not on rewriting unchanged files of several thousand keys each.
class WorkingConfigStore
{
public:
    ~WorkingConfigStore();

    // begin() and finish() in one; false if any file could not be stored.
    bool save(const ConfigData& config);
    // Writes the Config keys now and the changed profile files on a worker thread, so that they can be
    // stored while the mouse is written; nothing else may touch those profile files until finish().
    void begin(const ConfigData& config);
    // Waits for the profile files; false if any file could not be stored or a slot name cannot be one.
    bool finish();
    // The settings were just read from the files (loadConfig): each slot's file holds its record.
    void remember(const ConfigData& loaded);
    // Profile files written since the store was created.
    int profileFilesWritten() const { return m_iWritten; }

private:
    struct Stored
    {
        ProfileData record;
        QDateTime modified;
        qint64 size = -1;
    };
    struct Job
    {
        QString path;
        ProfileData record;
        bool ok = false;
        Stored stored;
    };
    bool isCurrent(const QString& path, const ProfileData& record) const;

    std::map<QString, Stored> m_Stored;
    std::future<std::vector<Job>> m_Pending;
    bool m_bConfigOk = true;
    int m_iWritten = 0;
};
