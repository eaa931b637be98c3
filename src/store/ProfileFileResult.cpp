#include "store/ProfileFileResult.h"

#include <QtGlobal>

const char* profileFileMessage(ProfileFileResult result, bool bConfiguration)
{
    switch (result) {
    case ProfileFileResult::Done:
        return "";
    case ProfileFileResult::InvalidName:
        return QT_TRANSLATE_NOOP("Osken", "This name cannot be used for a profile.");
    case ProfileFileResult::DefaultName:
        return QT_TRANSLATE_NOOP("Osken", "The default Profile cannot be deleted or renamed.");
    case ProfileFileResult::Exists:
        return QT_TRANSLATE_NOOP("Osken", "Profile Exist!");
    case ProfileFileResult::NotThisMouse:
        return QT_TRANSLATE_NOOP("Osken", "The file is not match current mouse!");
    case ProfileFileResult::FileError:
        return QT_TRANSLATE_NOOP("Osken", "The profile file could not be written.");
    case ProfileFileResult::NotRegularFile:
        return QT_TRANSLATE_NOOP("Osken", "This is not a regular file, so it was not opened.");
    case ProfileFileResult::Unreadable:
        return QT_TRANSLATE_NOOP("Osken", "The file cannot be read.");
    case ProfileFileResult::Damaged:
        return bConfiguration ? QT_TRANSLATE_NOOP("Osken", "The configuration file is damaged.")
                              : QT_TRANSLATE_NOOP("Osken", "The profile file is damaged.");
    case ProfileFileResult::SharedName:
        return QT_TRANSLATE_NOOP("Osken", "The configuration file names one profile for two slots.");
    }
    return "";
}
