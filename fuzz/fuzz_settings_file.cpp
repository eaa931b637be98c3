// Arbitrary text as a profile file and as a configuration file to import.
#include "FuzzHome.h"
#include "store/ConfigFiles.h"
#include "store/DataPaths.h"
#include "store/ProfileFiles.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzHome().path() + QStringLiteral("/input.ini");
    if (!writeFuzzFile(path, data, size))
        return 0;
    ProfileData profile;
    loadProfile(profile, path, profileGroup());
    ConfigData config;
    ConfigData untouched;
    if (importConfig(config, path, QStringLiteral("OSKEN R5")) != ProfileFileResult::Done) {
        // A refused import leaves the state as it was.
        if (config.slotProfileNames != untouched.slotProfileNames || config.ProfileID != untouched.ProfileID)
            __builtin_trap();
    } else if (config.ProfileID >= kSlotCount) {
        __builtin_trap();
    }
    return 0;
}
