#pragma once

#include "scanner/ScannerService.h"
#include "scanner/TwainMemory.h"
#include "scanner/TwainTypes.h"

#include <QStringList>
#include <qwindowdefs.h>

namespace tessell {

// Scanners through the TWAIN data source manager, loaded at run time. The
// library is shared by all live service objects: loaded with the first and
// unloaded with the last. Between acquisitions the manager and the source
// stay open; close() shuts them at program end.
class TwainService : public ScannerService {
public:
    // libraries: the manager's file names, tried in turn. managerSelects: the
    // manager shows its own selection dialog (Windows); otherwise its sources
    // are listed and the user picks one through ScanUi::chooseDevice.
    explicit TwainService(const QStringList &libraries = defaultLibraries(),
                          bool managerSelects = managerHasDialog());
    ~TwainService() override;
    TwainService(const TwainService &) = delete;
    TwainService &operator=(const TwainService &) = delete;

    bool selectSource(ScanUi &ui) override;
    bool acquire(QImage &image, bool showUi, ScanUi &ui) override;
    void close() override;

    static QStringList defaultLibraries();
    static constexpr bool managerHasDialog()
    {
#if defined(_WIN32)
        return true;
#else
        return false;
#endif
    }

private:
    twain::Uint16 call(twain::Identity *dest, twain::Uint32 dg, twain::Uint16 dat, twain::Uint16 msg,
                       void *data);
    void strict(twain::Identity *dest, twain::Uint32 dg, twain::Uint16 dat, twain::Uint16 msg, void *data);
    [[noreturn]] void failWithStatus(twain::Identity *dest);
    void openManager(WId owner);
    void adopt(const twain::Identity &chosen);
    bool runLoop(QImage &image);
    bool transfer(QImage &image);
    void endTransfer(bool strictly);

    twain::Entry m_entry = nullptr;
    twain::Identity m_app{};
    twain::Identity m_source{};
    twain::Handle m_owner = nullptr;
    twain::UserInterface m_ui{};
    TwainMemory m_memory;
    bool m_managerSelects;
    bool m_managerOpen = false;
    bool m_sourceOpen = false;
    bool m_sourceEnabled = false;
    bool m_closed = false;
};

} // namespace tessell
