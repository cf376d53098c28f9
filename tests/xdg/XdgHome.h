#pragma once

// A scratch freedesktop home and the real tools that read it, for the tests
// of the file association.

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace tessell::test {

// Fails the test when a tool is missing: these tests never skip.
inline void verifyXdgTools()
{
    for (const char *tool :
         {"gio", "xdg-mime", "update-mime-database", "update-desktop-database", "desktop-file-validate"})
        QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
                 qPrintable(QStringLiteral("%1 is not installed (scripts/install-deps)").arg(tool)));
}

struct ToolRun {
    int exitCode = -1;
    QString out;
};

inline ToolRun runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    ToolRun r;
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    return r;
}

// The content type the desktop gives the file.
inline QString contentType(const QString &file)
{
    const ToolRun r = runTool("gio", {"info", "-a", "standard::content-type", file});
    for (const QString &line : r.out.split('\n'))
        if (line.trimmed().startsWith("standard::content-type:"))
            return line.section(':', 3).trimmed();
    return {};
}

// The desktop entry that opens designs by default.
inline QString defaultApp()
{
    return runTool("xdg-mime", {"query", "default", "application/x-tessell"}).out;
}

inline void writeText(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// HOME and the freedesktop folders inside the scratch folder's "home".
inline void useScratchHome(const Scratch &scratch)
{
    qputenv("HOME", scratch.file("home").toUtf8());
    qputenv("XDG_DATA_HOME", scratch.file("home/.local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", scratch.file("home/.config").toUtf8());
    qunsetenv("XDG_CURRENT_DESKTOP");
    QDir().mkpath(scratch.file("home"));
}

// A stand-in program in the scratch folder that writes its own path and its
// arguments, one a line, into $TESSELL_TEST_OPENED.
inline QString standIn(const Scratch &scratch, const QString &folder)
{
    const QString path = QDir(scratch.file(folder)).filePath("tessell");
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$TESSELL_TEST_OPENED\"\n");
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return path;
}

} // namespace tessell::test
