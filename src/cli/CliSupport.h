#pragma once

#include <QString>

namespace tessell {
class Design;
}

// Shared by the commands of tessell-cli.
namespace tessell::cli {

enum Exit { Ok = 0, InvalidCell = 1, Failure = 2 };

void printError(const QString &text);
// The cell check, then the save; exit status as the editor would report it.
int checkAndSave(Design &design, const QString &out);

} // namespace tessell::cli
