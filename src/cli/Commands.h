#pragma once

#include <QStringList>

// The commands of tessell-cli; each takes the arguments after its name and
// answers the exit status.
namespace tessell::cli {

int cmdNew(QStringList args);
int cmdInfo(QStringList args);
int cmdResave(QStringList args);
int cmdImport(QStringList args);
int cmdConvert(QStringList args);
int cmdPrint(QStringList args);

} // namespace tessell::cli
