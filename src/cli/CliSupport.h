#pragma once

#include "core/plan/CollectionPlan.h"
#include "core/print/Distribution.h"

#include <QString>

#include <optional>

namespace tessell {
class Design;
}

// Shared by the commands of tessell-cli.
namespace tessell::cli {

enum Exit { Ok = 0, InvalidCell = 1, Failure = 2 };

void printError(const QString &text);
// The cell check, then the save; exit status as the editor would report it.
int checkAndSave(Design &design, const QString &out);

class Invocation;

// --classes CxW[,CxW[,CxW]] or --classes-fair N, as the print dialog divides
// the columns; nothing when neither is given. A split that gives away more
// columns than the design has fails with the dialog's total line.
std::optional<Distribution> distributionOption(const Invocation &call, int designColumns);
// "0=500,1=300,A=40": the entries named, the others without a limit (stock)
// or at one piece a carton (per carton); UsageError for any other text.
Stock stockOption(const Invocation &call, const QString &option);
std::array<int, 16> perCartonOption(const Invocation &call, const QString &option);

} // namespace tessell::cli
