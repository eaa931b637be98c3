#pragma once

#include <QStringList>

// The English source texts known to the translations, whether or not a window uses them yet.
QStringList uiTextCatalogue();
