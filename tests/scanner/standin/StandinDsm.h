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

// What the manager saw since the last reset.
struct Seen {
    // "PARENT/OPENDSM", "ds USERINTERFACE/ENABLEDS", "Lock", ... in order; events
    // handed to the source are left out.
    std::vector<std::string> calls;
    int outstanding = 0; // memory handed over and not freed
    // The owner handle given at MSG_OPENDSM and the ShowUI/ModalUI of MSG_ENABLEDS.
    void *owner = nullptr;
    int showUi = -1, modalUi = -1;
    std::string opened;       // the product name of the source last opened
    bool alwaysMasked = true; // every call came with the floating-point exceptions masked
};

void reset(const Script &script);
Seen seen();

} // namespace standin
