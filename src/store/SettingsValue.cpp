#include "store/SettingsValue.h"

qint64 storedNumber(const QVariant& value)
{
    if (!value.isValid())
        return 0;
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (ok)
        return number;
    // Values above the signed range, written by the u32 fields of a foreign writer.
    const quint64 unsignedNumber = value.toULongLong(&ok);
    return ok ? static_cast<qint64>(unsignedNumber) : 0;
}

QString readText(const QSettings& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return QString();
    // An unquoted text with commas, written by hand, comes back as a list: give back the text itself.
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool syncSettings(QSettings& settings)
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}
