#pragma once

// Header only: runs tessell-cli for the command-line tests.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tessell::test {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

using Run = CliRun;

inline CliRun runProgram(const QString &program, const QStringList &args, int timeoutMs = 60000)
{
    QProcess p;
    p.start(program, args);
    CliRun r;
    if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

#ifdef TESSELL_CLI_PATH
inline CliRun cli(const QStringList &args, int timeoutMs = 60000)
{
    return runProgram(QStringLiteral(TESSELL_CLI_PATH), args, timeoutMs);
}
#endif

} // namespace tessell::test
