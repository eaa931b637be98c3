#include "OfflineCommands.h"

#include "FrameListing.h"
#include "SettingsSource.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"

#include <QFile>

int runFrames(const CtlRequest& request, QTextStream& out, QTextStream& err)
{
    const QString product = chosenProduct(request.product);
    ConfigData config;
    QString error;
    const int loaded = loadSettingsFile(request.file, product, config, error);
    if (loaded != CtlExit::Done) {
        err << "osken-ctl: " << error << "\n";
        return loaded;
    }
    const int sensor = chosenSensor(product, request.sensor);
    for (const Frame& frame : writeOutFrames(config, product, sensor, request.sections))
        out << frameLine(frame) << "\n";
    return CtlExit::Done;
}

int runDefaults(const CtlRequest& request, QTextStream& err)
{
    const QString product = chosenProduct(request.product);
    ProfileData profile;
    setProfileDefaults(profile, product);
    // Built beside the target and moved over it, so no key of an older file survives and a failed write
    // leaves the older file whole. Tagged like an exported profile, so that apply and the import accept it.
    const QString staging = request.file + QStringLiteral(".new");
    QFile::remove(staging);
    const bool written = saveProfile(profile, staging, profileGroup()) && writeMouseName(staging, product);
    if (!written || (QFile::exists(request.file) && !QFile::remove(request.file)) ||
        !QFile::rename(staging, request.file)) {
        QFile::remove(staging);
        err << "osken-ctl: cannot write " << request.file << "\n";
        return CtlExit::CantCreate;
    }
    return CtlExit::Done;
}
