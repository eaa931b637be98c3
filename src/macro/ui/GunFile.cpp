#include "macro/ui/GunFile.h"

#include "macro/core/MacroFiles.h"
#include "macro/ui/MacroRowEdit.h"
#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/SettingsValue.h"

#include <QDir>
#include <QSettings>

std::vector<MacroEvent> gunEvents(const std::vector<GunBullet>& bullets)
{
    std::vector<MacroEvent> events;
    for (const GunBullet& bullet : bullets) {
        events.push_back(mouseButtonEvent(MacroMouseButton::Left, true));
        events.push_back(mouseButtonEvent(MacroMouseButton::Left, false));
        if (bullet.iMoveX != 0)
            events.push_back(MacroEvent{MacroEventType::Movement, 0, static_cast<quint8>(bullet.iMoveX & 0xFF)});
        if (bullet.iMoveY != 0)
            events.push_back(MacroEvent{MacroEventType::Movement, static_cast<quint8>(bullet.iMoveY & 0xFF), 0});
        if (bullet.iDelayMs != 0)
            events.push_back(macroedit::delayRow(bullet.iDelayMs));
    }
    return events;
}

bool writeGunFile(const QString& name, const std::vector<MacroEvent>& events)
{
    if (!isSafeFileName(name) || !QDir().mkpath(macroDirectory()))
        return false;
    const QString path = macroFilePath(name);
    QSettings settings(path, QSettings::IniFormat);
    const QString group = QStringLiteral("Setting/");
    settings.setValue(group + QStringLiteral("MacroFilePath"), path);
    settings.setValue(group + QStringLiteral("DefaultDelay"), 10);
    settings.setValue(group + QStringLiteral("DelayType"), 1);
    settings.setValue(group + QStringLiteral("LoopType"), 0);
    settings.setValue(group + QStringLiteral("LoopTime"), 1);
    settings.setValue(group + QStringLiteral("Count"), static_cast<int>(events.size()));
    for (size_t i = 0; i < events.size(); ++i) {
        const QString n = QString::number(i);
        settings.setValue(group + QStringLiteral("Map_") + n, static_cast<int>(events[i].Map));
        settings.setValue(group + QStringLiteral("DataH_") + n, static_cast<int>(events[i].DataH));
        settings.setValue(group + QStringLiteral("DataL_") + n, static_cast<int>(events[i].DataL));
    }
    // Marked like a saved macro, so that a button bound to this gun file sends it at the next write-out.
    settings.setValue(group + QStringLiteral("WriteSign"), 1);
    return syncSettings(settings);
}
