#pragma once

#include "scanner/ScannerService.h"

#include <memory>

namespace tessell {

// The program's one scanner service.
//
// The backend: TESSELL_SCANNER=sane, twain or none forces one; otherwise SANE
// where it is built in and its library answers, else TWAIN.
std::unique_ptr<ScannerService> createScannerService();

// The program's service, created at the first call. A creation that fails
// throws tessell::Error and is tried again at the next call.
ScannerService &scannerService();

// Puts service in place of the program's one (tests); the one before is
// destroyed, closing what it had open without telling anyone.
void installScannerService(std::unique_ptr<ScannerService> service);

// At program end: closes the devices and destroys the service. A failed close
// call throws tessell::Error after the service is gone, for the error box.
void releaseScannerService();

} // namespace tessell
