#pragma once

#include <QString>

// The whole --help text, laid out for help2man.
QString ctlUsage();
QString ctlVersion();
