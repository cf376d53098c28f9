#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs tessell-cli (TESSELL_CLI_PATH, set for every test program) and keeps
// what it printed; exitCode stays -1 when it did not end normally.
namespace tessell::test {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

inline Run cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(TESSELL_CLI_PATH), args);
    Run r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace tessell::test
