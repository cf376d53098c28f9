#pragma once

#include "cli/CommandLine.h"

// The commands of tessell-cli, each defined with its options in the file that
// runs it and listed once in main.cpp.
namespace tessell::cli {

extern const Command newCommand;
extern const Command infoCommand;
extern const Command resaveCommand;
extern const Command importCommand;
extern const Command convertCommand;
extern const Command printCommand;
extern const Command planCommand;

} // namespace tessell::cli
