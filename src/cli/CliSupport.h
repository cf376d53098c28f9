#pragma once

#include <QString>
#include <QStringList>

namespace tessell {
class Design;
}

// Shared by the commands of tessell-cli; each command lives in a file of its own
// and is listed once in main.cpp.
namespace tessell::cli {

enum Exit { Ok = 0, InvalidCell = 1, Failure = 2 };

void printError(const QString &text);
// Prints the usage text to stderr and answers Failure.
int usage();
const char *usageText();
// Takes "-o OUT" out of the arguments.
bool takeOutput(QStringList &args, QString *out);
// Takes "NAME VALUE" out of the arguments; false when NAME is absent or has no value.
bool takeOption(QStringList &args, const QString &name, QString *value);
// Takes a flag out of the arguments and answers whether it was there.
bool takeFlag(QStringList &args, const QString &name);
// The cell check, then the save; exit status as the editor would report it.
int checkAndSave(Design &design, const QString &out);

} // namespace tessell::cli
