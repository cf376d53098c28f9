#pragma once

// A stand-in TWAIN data source manager with one scripted source, built as a
// shared library that exports DSM_Entry. Each test sets a script; the manager
// records the calls it gets.

#include "scanner/TwainTypes.h"

#include <string>
#include <vector>

namespace standin {

struct Source {
    std::string manufacturer;
    std::string product;
};

struct Script {
    std::vector<Source> sources{{"Maker", "Flatbed"}};
    // The manager's own selection dialog: the source picked, or -1 for cancel.
    int userSelects = 0;
    // How the source tells of its message: the registered callback (from a
    // thread of its own) or the answer to an event handed to it.
    bool byCallback = false;
    int pollsBeforeMessage = 2;
    tessell::twain::Uint16 message = tessell::twain::MSG_XFERREADY;
    tessell::twain::Uint16 transferCode = tessell::twain::TWRC_XFERDONE;
    std::string picture; // the bitmap handed over
    bool lockFails = false;
    tessell::twain::Uint16 pendingAfterEnd = 0;
    bool memoryFunctions = true; // answers as a TWAIN 2 manager
    // The call ("DAT/MSG", with "ds " for the source) that fails, and its condition.
    std::string failing;
    tessell::twain::Uint16 condition = 0;
};

void reset(const Script &script);
// "PARENT/OPENDSM", "ds USERINTERFACE/ENABLEDS", "Lock", ... in order; events
// handed to the source are left out.
std::vector<std::string> calls();
// Memory handed over and not freed.
int outstanding();
// The owner handle given at MSG_OPENDSM and the ShowUI/ModalUI of MSG_ENABLEDS.
void *owner();
int showUi();
int modalUi();
// The product name of the source last opened.
std::string opened();
// Whether every call came with the floating-point exceptions masked.
bool alwaysMasked();

} // namespace standin
