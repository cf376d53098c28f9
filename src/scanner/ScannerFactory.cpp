#include "scanner/ScannerFactory.h"

#include "scanner/TwainService.h"
#if defined(TESSELL_HAVE_SANE)
#include "scanner/SaneService.h"
#endif

#include "core/Error.h"

#include <QByteArray>

namespace tessell {

namespace {
std::unique_ptr<ScannerService> &holder()
{
    static std::unique_ptr<ScannerService> service;
    return service;
}
} // namespace

std::unique_ptr<ScannerService> createScannerService()
{
    const QByteArray forced = qgetenv("TESSELL_SCANNER").trimmed().toLower();
    if (forced == "none")
        return std::make_unique<NoScannerService>();
    if (forced != "twain") {
#if defined(TESSELL_HAVE_SANE)
        if (auto sane = SaneService::open())
            return sane;
#endif
        if (forced == "sane")
            return std::make_unique<NoScannerService>();
    }
    return std::make_unique<TwainService>();
}

ScannerService &scannerService()
{
    auto &service = holder();
    if (!service)
        service = createScannerService();
    return *service;
}

void installScannerService(std::unique_ptr<ScannerService> service)
{
    holder() = std::move(service);
}

void releaseScannerService()
{
    std::unique_ptr<ScannerService> service = std::move(holder());
    if (!service)
        return;
    try {
        service->close();
    } catch (const Error &) {
        service.reset();
        throw;
    }
}

} // namespace tessell
