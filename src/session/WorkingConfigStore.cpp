#include "session/WorkingConfigStore.h"

#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/ProfileFiles.h"
#include "store/RecordEquality.h"
#include "store/SettingsValue.h"

#include <QFileInfo>
#include <QSettings>

WorkingConfigStore::~WorkingConfigStore()
{
    if (m_Pending.valid())
        m_Pending.wait();
}

bool WorkingConfigStore::isCurrent(const QString& path, const ProfileData& record) const
{
    const auto it = m_Stored.find(path);
    if (it == m_Stored.end())
        return false;
    const QFileInfo info(path);
    // Another writer (a DPI stage the mouse reported, a copy, a delete and a new file of the same name)
    // changes the file's time or size.
    return info.exists() && info.lastModified() == it->second.modified && info.size() == it->second.size &&
           it->second.record == record;
}

void WorkingConfigStore::remember(const ConfigData& loaded)
{
    finish();
    m_Stored.clear();
    for (int i = 0; i < kSlotCount; ++i) {
        const QString& name = loaded.slotProfileNames[i];
        if (!isValidProfileName(name))
            continue;
        const QString path = profileFilePath(name);
        const QFileInfo info(path);
        if (info.exists())
            m_Stored[path] = Stored{loaded.slot(i), info.lastModified(), info.size()};
    }
}

bool WorkingConfigStore::save(const ConfigData& config)
{
    begin(config);
    return finish();
}

void WorkingConfigStore::begin(const ConfigData& config)
{
    finish();
    {
        // The same Config keys saveConfig writes.
        QSettings settings(productConfigPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Config/ProfileID"), int(config.ProfileID));
        settings.setValue(QStringLiteral("Config/AngleValue"), int(config.AngleValue));
        settings.setValue(QStringLiteral("Config/LiftHigh"), int(config.LiftHigh));
        settings.setValue(QStringLiteral("Config/Count"), int(config.Count));
        for (int i = 0; i < kSlotCount; ++i)
            settings.setValue(QStringLiteral("Config/Profile") + QString::number(i + 1), config.slotProfileNames[i]);
        m_bConfigOk = syncSettings(settings);
    }
    std::vector<Job> jobs;
    for (int i = 0; i < kSlotCount; ++i) {
        const QString& name = config.slotProfileNames[i];
        if (!isValidProfileName(name)) {
            m_bConfigOk = false;
            continue;
        }
        const QString path = profileFilePath(name);
        if (!isCurrent(path, config.slot(i)))
            jobs.push_back(Job{path, config.slot(i), false, {}});
    }
    m_iWritten += int(jobs.size());
    m_Pending = std::async(std::launch::async, [jobs = std::move(jobs)]() mutable {
        for (Job& job : jobs) {
            job.ok = saveProfile(job.record, job.path, profileGroup());
            const QFileInfo info(job.path);
            job.stored = Stored{job.record, info.lastModified(), info.size()};
        }
        return jobs;
    });
}

bool WorkingConfigStore::finish()
{
    if (!m_Pending.valid())
        return m_bConfigOk;
    bool ok = m_bConfigOk;
    for (Job& job : m_Pending.get()) {
        if (job.ok)
            m_Stored[job.path] = std::move(job.stored);
        else
            m_Stored.erase(job.path);
        ok = ok && job.ok;
    }
    m_bConfigOk = true;
    return ok;
}
