#pragma once

// Why a profile or configuration file operation refused or failed. Messages are the caller's; each value
// names one reason, so the user learns the real one.
enum class ProfileFileResult
{
    Done,
    InvalidName,    // empty, with "/" or "\", "." / "..", or "DefaultProfile": refused before any file access
    DefaultName,    // "Profile 1".."Profile 5" cannot be deleted or renamed
    Exists,         // a profile file of the target name exists already
    NotThisMouse,   // the file's MouseName/Name is not the product's
    FileError,      // the file system refused the copy, rename, remove or save
    NotRegularFile, // a FIFO, device node, directory or nothing at all: never opened (it could block for good)
    Unreadable,     // a regular file that cannot be opened for reading
    Damaged,        // the file lacks keys every record is written with (only its tag, or cut short)
    SharedName,     // a configuration names one profile for two slots
};

// The message (English source text of the "Osken" catalogue, for uiText) that names a refusal to the user;
// empty for Done. `bConfiguration`: the file was a whole configuration (.conf) rather than one profile.
const char* profileFileMessage(ProfileFileResult result, bool bConfiguration = false);
