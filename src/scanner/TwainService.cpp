#include "scanner/TwainService.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/scan/DibReader.h"
#include "scanner/ScanUi.h"
#include "scanner/ScannerTexts.h"
#include "scanner/TwainMemory.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QLibrary>
#include <QTimer>

#include <atomic>
#include <cfenv>
#include <cstring>
#include <exception>
#include <functional>
#include <optional>

#if defined(_WIN32)
#include <QAbstractNativeEventFilter>
#include <windows.h>
#endif

namespace tessell {

using namespace twain;

namespace {

// The manager library and its entry, shared by every live service object.
struct Library {
    QLibrary library;
    Entry entry = nullptr;
    int live = 0;
};

Library &library()
{
    static Library shared;
    return shared;
}

// Sources and managers may trap on floating-point exceptions; every call runs
// with all of them masked and the program's own mode comes back afterwards.
class FpuMask {
public:
    FpuMask() { std::feholdexcept(&m_env); }
    ~FpuMask() { std::fesetenv(&m_env); }
    FpuMask(const FpuMask &) = delete;
    FpuMask &operator=(const FpuMask &) = delete;

private:
    std::fenv_t m_env;
};

// A TWAIN 2 source may call back from a thread of its own; the loop picks the
// message up at its next poll.
std::atomic<Uint16> g_pendingMessage{MSG_NULL};

Uint16 TESSELL_TWAIN_CALL sourceCallback(Identity *, Identity *, Uint32, Uint16, Uint16 msg, MemRef)
{
    if (msg == MSG_XFERREADY || msg == MSG_CLOSEDSREQ || msg == MSG_CLOSEDSOK)
        g_pendingMessage.store(msg);
    return TWRC_SUCCESS;
}

constexpr int kPollMs = 20;
constexpr int kMaxSources = 100;

void setText(Str32 &field, const char *text)
{
    std::memset(field, 0, sizeof field);
    std::strncpy(field, text, sizeof field - 1);
}

QString textOf(const Str32 &field)
{
    return QString::fromLocal8Bit(field, qstrnlen(field, sizeof field));
}

bool sameSource(const Identity &a, const Identity &b)
{
    return std::strncmp(a.Manufacturer, b.Manufacturer, sizeof(Str32)) == 0 &&
           std::strncmp(a.ProductFamily, b.ProductFamily, sizeof(Str32)) == 0 &&
           std::strncmp(a.ProductName, b.ProductName, sizeof(Str32)) == 0;
}

QString assertionFailure(int line)
{
    return QStringLiteral("Assertion failure (%1, line %2)")
        .arg(QFileInfo(QStringLiteral(__FILE__)).fileName())
        .arg(line);
}

#if defined(_WIN32)
// Hands every message of the thread to the source first.
class SourceEventFilter : public QAbstractNativeEventFilter {
public:
    explicit SourceEventFilter(std::function<bool(void *)> handle) : m_handle(std::move(handle)) {}
    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        return m_handle(message);
    }

private:
    std::function<bool(void *)> m_handle;
};
#endif

} // namespace

TwainService::TwainService(const QStringList &libraries, bool managerSelects)
    : m_managerSelects(managerSelects)
{
    Library &shared = library();
    if (shared.live == 0) {
        bool loaded = false;
        for (const QString &name : libraries) {
            shared.library.setFileName(name);
            if ((loaded = shared.library.load()))
                break;
        }
        if (!loaded)
            throw Error(texts::twainMissing());
        shared.entry = reinterpret_cast<Entry>(shared.library.resolve("DSM_Entry"));
        if (!shared.entry) {
            shared.library.unload();
            throw Error(assertionFailure(__LINE__));
        }
    }
    ++shared.live;
    m_entry = shared.entry;

    m_app.Id = 0;
    m_app.Version.MajorNum = 0;
    m_app.Version.MinorNum = 0;
    m_app.Version.Language = Uint16(TWLG_USERLOCALE);
    m_app.Version.Country = TWCY_JAPAN;
    setText(m_app.Version.Info, "VERSION INFO");
    m_app.ProtocolMajor = 1;
    m_app.ProtocolMinor = 8;
    m_app.SupportedGroups = DG_CONTROL | DG_IMAGE;
#if !defined(_WIN32)
    // Managers elsewhere are TWAIN 2: callbacks and memory functions only
    // reach applications that say they know them.
    m_app.SupportedGroups |= DF_APP2;
#endif
    setText(m_app.Manufacturer, "MANUFACTURER");
    setText(m_app.ProductFamily, "PRODUCT FAMILY");
    setText(m_app.ProductName, "PRODUCT NAME");
}

TwainService::~TwainService()
{
    if (!m_closed) {
        try {
            close();
        } catch (const Error &) {
            // Nobody is left to tell; close() is the way to hear of it.
        }
    }
    Library &shared = library();
    if (--shared.live == 0) {
        shared.entry = nullptr;
        shared.library.unload();
    }
}

QStringList TwainService::defaultLibraries()
{
#if defined(_WIN32)
    return {QStringLiteral("TWAIN_32.DLL")};
#elif defined(__APPLE__)
    return {QStringLiteral("/Library/Frameworks/TWAIN.framework/TWAIN")};
#else
    return {QStringLiteral("libtwaindsm.so.2"), QStringLiteral("libtwaindsm.so")};
#endif
}

Uint16 TwainService::call(Identity *dest, Uint32 dg, Uint16 dat, Uint16 msg, void *data)
{
    FpuMask mask;
    return m_entry(&m_app, dest, dg, dat, msg, data);
}

void TwainService::strict(Identity *dest, Uint32 dg, Uint16 dat, Uint16 msg, void *data)
{
    if (call(dest, dg, dat, msg, data) != TWRC_SUCCESS)
        failWithStatus(dest);
}

void TwainService::failWithStatus(Identity *dest)
{
    Status status{TWCC_BUMMER, 0};
    // Without an answer there is no condition to look up; say so plainly.
    if (call(dest, DG_CONTROL, DAT_STATUS, MSG_GET, &status) != TWRC_SUCCESS)
        status.ConditionCode = TWCC_BUMMER;
    throw Error(QStringLiteral("TWAIN: ") + QString::fromLatin1(conditionText(status.ConditionCode)));
}

void TwainService::openManager(WId owner)
{
    m_owner = reinterpret_cast<Handle>(owner);
    strict(nullptr, DG_CONTROL, DAT_PARENT, MSG_OPENDSM, &m_owner);
    m_managerOpen = true;
    m_memory = TwainMemory();
    if (m_app.SupportedGroups & DF_DSM2) {
        EntryPoint entry{};
        entry.Size = sizeof entry;
        if (call(nullptr, DG_CONTROL, DAT_ENTRYPOINT, MSG_GET, &entry) == TWRC_SUCCESS)
            m_memory = TwainMemory(entry);
    }
}

bool TwainService::selectSource(ScanUi &ui)
{
    if (!m_managerOpen)
        openManager(ui.ownerWindow());
    Identity chosen = m_source;
    if (m_managerSelects) {
        if (call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_USERSELECT, &chosen) != TWRC_SUCCESS)
            return false;
    } else {
        QList<Identity> sources;
        Identity id{};
        for (Uint16 rc = call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETFIRST, &id);
             rc == TWRC_SUCCESS && sources.size() < kMaxSources;
             rc = call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETNEXT, &id)) {
            sources.append(id);
            id = {};
        }
        if (sources.isEmpty())
            return false;
        QStringList names;
        for (const Identity &s : sources)
            names.append((textOf(s.Manufacturer) + QLatin1Char(' ') + textOf(s.ProductName)).trimmed());
        const std::optional<int> index = ui.chooseDevice(names);
        if (!index || *index < 0 || *index >= sources.size())
            return false;
        chosen = sources[*index];
    }
    adopt(chosen);
    return true;
}

void TwainService::adopt(const Identity &chosen)
{
    // Another source than the open one: close it, or it would go on answering.
    if (m_sourceOpen && !sameSource(chosen, m_source)) {
        strict(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &m_source);
        m_sourceOpen = false;
    }
    if (!m_sourceOpen)
        m_source = chosen;
}

bool TwainService::acquire(QImage &image, bool showUi, ScanUi &ui)
{
    if (!m_managerOpen)
        openManager(ui.ownerWindow());
    if (!m_sourceOpen) {
        strict(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &m_source);
        m_sourceOpen = true;
#if !defined(_WIN32)
        Callback callback{reinterpret_cast<MemRef>(&sourceCallback), 0, 0};
        call(&m_source, DG_CONTROL, DAT_CALLBACK, MSG_REGISTER_CALLBACK, &callback);
#endif
    }
    if (!m_sourceEnabled) {
        g_pendingMessage.store(MSG_NULL);
        m_ui = {Bool(showUi ? 1 : 0), Bool(showUi ? 1 : 0), m_owner};
        strict(&m_source, DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &m_ui);
        m_sourceEnabled = true;
    }

    bool delivered = false;
    QImage picture;
    std::exception_ptr failure;
    try {
        delivered = runLoop(picture);
    } catch (...) {
        failure = std::current_exception();
    }
    // Disabled whatever happened; the first failure is the one the user reads.
    try {
        strict(&m_source, DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &m_ui);
        m_sourceEnabled = false;
    } catch (const Error &) {
        if (!failure)
            failure = std::current_exception();
    }
    if (failure)
        std::rethrow_exception(failure);
    if (delivered)
        image = picture;
    return delivered;
}

bool TwainService::runLoop(QImage &image)
{
    FpuMask mask;
    QEventLoop loop;
    std::optional<bool> result;
    std::exception_ptr failure;
    // Exceptions must not cross Qt's event loop: keep them for after it.
    auto handle = [&](Uint16 message) {
        if (result || failure)
            return;
        if (message == MSG_XFERREADY) {
            try {
                result = transfer(image);
            } catch (...) {
                failure = std::current_exception();
            }
        } else if (message == MSG_CLOSEDSREQ || message == MSG_CLOSEDSOK) {
            result = false;
        } else {
            return;
        }
        loop.quit();
    };
#if defined(_WIN32)
    SourceEventFilter filter([&](void *message) {
        Event event{message, MSG_NULL};
        if (call(&m_source, DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event) != TWRC_DSEVENT)
            return false;
        handle(event.TWMessage);
        return true;
    });
    QCoreApplication::instance()->installNativeEventFilter(&filter);
#else
    // The manager delivers through the callback or, to applications without
    // one, through an event handed to it; poll both.
    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (const Uint16 message = g_pendingMessage.exchange(MSG_NULL)) {
            handle(message);
            return;
        }
        Event event{nullptr, MSG_NULL};
        if (call(&m_source, DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event) == TWRC_DSEVENT)
            handle(event.TWMessage);
    });
    poll.start();
#endif
    // Returns early, without a result, when the program is quitting.
    loop.exec();
    if (failure)
        std::rethrow_exception(failure);
    return result.value_or(false);
}

bool TwainService::transfer(QImage &image)
{
    Handle handle = nullptr;
    const Uint16 rc = call(&m_source, DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &handle);
    if (rc == TWRC_FAILURE || rc == TWRC_CANCEL) {
        // The source waits for the end of the transfer before it can be disabled.
        endTransfer(false);
        throw Error(rc == TWRC_FAILURE ? texts::transferFailed() : texts::scanCancelled());
    }

    // Unlocked and freed on every way out, after the end of the transfer.
    TwainMemory::Held memory(m_memory, handle);

    if (rc != TWRC_XFERDONE) {
        // No picture came; nothing is reported as delivered.
        endTransfer(false);
        return false;
    }
    QImage picture;
    try {
        const void *locked = memory.lock();
        if (!locked)
            failWithStatus(&m_source);
        picture = DibReader::read(static_cast<const uchar *>(locked), TwainMemory::size(handle, locked));
    } catch (const Error &) {
        endTransfer(false);
        throw;
    }
    endTransfer(true);
    image = picture;
    return true;
}

void TwainService::endTransfer(bool strictly)
{
    PendingXfers pending{0, 0};
    if (strictly)
        strict(&m_source, DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending);
    else if (call(&m_source, DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending) != TWRC_SUCCESS)
        return;
    // Further pictures are not fetched; dropping them lets the source be disabled.
    if (pending.Count != 0)
        call(&m_source, DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending);
}

void TwainService::close()
{
    m_closed = true;
    if (m_sourceEnabled) {
        strict(&m_source, DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &m_ui);
        m_sourceEnabled = false;
    }
    if (m_sourceOpen) {
        strict(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &m_source);
        m_sourceOpen = false;
    }
    if (m_managerOpen) {
        strict(nullptr, DG_CONTROL, DAT_PARENT, MSG_CLOSEDSM, &m_owner);
        m_managerOpen = false;
    }
}

} // namespace tessell
