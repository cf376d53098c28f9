#pragma once

#include <QString>

namespace tessell {

// Where Tessell keeps its files: beside the program when that folder is
// writable and the program is not installed, otherwise in the user's
// application-data folder.
namespace AppPaths {
// The folder that holds data.dat and the history folder "log".
QString baseDir();
// Overrides the folder (tests, and anything that must not touch the real one).
void setBaseDir(const QString &dir);
QString dataFile();
QString historyDir();
} // namespace AppPaths

} // namespace tessell
