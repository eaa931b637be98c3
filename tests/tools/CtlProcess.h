#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>

// The built osken-ctl with extra "NAME=value" environment (the virtual mouse only when asked for), the event
// loop turning while it runs, so that a window in this process can answer it.
struct Ctl
{
    explicit Ctl(const QStringList& args, const QStringList& extraEnv = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("OSKEN_VIRTUAL_MOUSE");
        for (const QString& pair : extraEnv)
            env.insert(pair.section('=', 0, 0), pair.section('=', 1));
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("OSKEN_RUNTIME_DIR") + "/osken-ctl", args);
    }
    template <typename Done> static bool turnUntil(Done done, int iTimeoutMs)
    {
        const QDeadlineTimer deadline(iTimeoutMs);
        while (!done() && !deadline.hasExpired())
            QTest::qWait(10);
        return done();
    }
    bool finish()
    {
        return turnUntil([this] { return process.state() == QProcess::NotRunning; }, 60000);
    }
    QString nextLine()
    {
        (void)turnUntil([this] { return process.canReadLine(); }, 10000);
        return QString::fromUtf8(process.readLine()).trimmed();
    }

    QProcess process;
};

struct CtlRun
{
    int exitCode = -1;
    QString out;
    QString err;
    QStringList lines() const { return out.split('\n', Qt::SkipEmptyParts); }
};

inline CtlRun runCtl(const QStringList& args, const QStringList& extraEnv = {})
{
    Ctl ctl(args, extraEnv);
    if (!ctl.finish())
        return {};
    return {ctl.process.exitCode(), QString::fromUtf8(ctl.process.readAllStandardOutput()),
            QString::fromUtf8(ctl.process.readAllStandardError())};
}
