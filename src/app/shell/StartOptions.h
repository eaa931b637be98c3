#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of a start. Read before the application object exists, so --help and
// --version work without a display (the man page is made from them at build time).
struct StartOptions
{
    bool bHelp = false;
    bool bVersion = false;
    bool bHidden = false;  // start in the tray, or minimised where there is no tray
    bool bVerbose = false; // every debug line of the program
    QString error;         // set when the command line cannot be used
};

StartOptions parseStartOptions(const QStringList& arguments);
QString startHelpText();
QString startVersionText();
