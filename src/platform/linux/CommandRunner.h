#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// Runs a program to its end and collects its standard output; true when it ran and exited with 0.
using CommandRunner = std::function<bool(const QString& program, const QStringList& arguments, QByteArray* output)>;

// The real runner: the program is looked up in PATH and given at most a few seconds.
CommandRunner processRunner();

} // namespace platform
