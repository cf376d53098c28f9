#pragma once

// The few structures and codes of the TWAIN standard that the scanner service
// uses, laid out as the standard says: two-byte packing (natural alignment on
// macOS), 32-bit integers, pointer-sized handles.

#include <cstdint>

#if defined(_WIN32)
#define TESSELL_TWAIN_CALL __stdcall
#else
#define TESSELL_TWAIN_CALL
#endif

namespace tessell::twain {

using Uint16 = std::uint16_t;
using Uint32 = std::uint32_t;
using Int16 = std::int16_t;
using Bool = std::uint16_t;
using Handle = void *;
using MemRef = void *;
using Str32 = char[34];

#if !defined(__APPLE__)
#pragma pack(push, 2)
#endif

struct VersionInfo {
    Uint16 MajorNum;
    Uint16 MinorNum;
    Uint16 Language;
    Uint16 Country;
    Str32 Info;
};

struct Identity {
#if defined(__APPLE__)
    MemRef Id;
#else
    Uint32 Id;
#endif
    VersionInfo Version;
    Uint16 ProtocolMajor;
    Uint16 ProtocolMinor;
    Uint32 SupportedGroups;
    Str32 Manufacturer;
    Str32 ProductFamily;
    Str32 ProductName;
};

struct UserInterface {
    Bool ShowUI;
    Bool ModalUI;
    Handle hParent;
};

struct Event {
    MemRef pEvent;
    Uint16 TWMessage;
};

struct PendingXfers {
    Uint16 Count;
    Uint32 EOJ;
};

struct Status {
    Uint16 ConditionCode;
    Uint16 Data;
};

struct Callback {
    MemRef CallBackProc;
#if defined(__APPLE__)
    MemRef RefCon;
#else
    Uint32 RefCon;
#endif
    Int16 Message;
};

// The manager's memory functions (TWAIN 2): handles of transferred images are
// locked, unlocked and freed through these.
struct EntryPoint {
    Uint32 Size;
    MemRef DSM_Entry;
    Handle(TESSELL_TWAIN_CALL *DSM_MemAllocate)(Uint32);
    void(TESSELL_TWAIN_CALL *DSM_MemFree)(Handle);
    MemRef(TESSELL_TWAIN_CALL *DSM_MemLock)(Handle);
    void(TESSELL_TWAIN_CALL *DSM_MemUnlock)(Handle);
};

#if !defined(__APPLE__)
#pragma pack(pop)
static_assert(sizeof(VersionInfo) == 42);
static_assert(sizeof(Identity) == 156);
static_assert(sizeof(UserInterface) == 4 + sizeof(void *));
static_assert(sizeof(Event) == sizeof(void *) + 2);
static_assert(sizeof(PendingXfers) == 6);
static_assert(sizeof(Status) == 4);
static_assert(sizeof(Callback) == sizeof(void *) + 6);
static_assert(sizeof(EntryPoint) == 4 + 5 * sizeof(void *));
#endif

using Entry = Uint16(TESSELL_TWAIN_CALL *)(Identity *origin, Identity *dest, Uint32 dg, Uint16 dat,
                                           Uint16 msg, MemRef data);

// Data groups and flags of SupportedGroups.
constexpr Uint32 DG_CONTROL = 0x0001;
constexpr Uint32 DG_IMAGE = 0x0002;
constexpr Uint32 DF_DSM2 = 0x10000000;
constexpr Uint32 DF_APP2 = 0x20000000;

// Data argument types.
constexpr Uint16 DAT_EVENT = 0x0002;
constexpr Uint16 DAT_IDENTITY = 0x0003;
constexpr Uint16 DAT_PARENT = 0x0004;
constexpr Uint16 DAT_PENDINGXFERS = 0x0005;
constexpr Uint16 DAT_STATUS = 0x0008;
constexpr Uint16 DAT_USERINTERFACE = 0x0009;
constexpr Uint16 DAT_CALLBACK = 0x0010;
constexpr Uint16 DAT_IMAGENATIVEXFER = 0x0104;
constexpr Uint16 DAT_ENTRYPOINT = 0x0403;

// Messages.
constexpr Uint16 MSG_NULL = 0x0000;
constexpr Uint16 MSG_GET = 0x0001;
constexpr Uint16 MSG_GETFIRST = 0x0004;
constexpr Uint16 MSG_GETNEXT = 0x0005;
constexpr Uint16 MSG_RESET = 0x0007;
constexpr Uint16 MSG_XFERREADY = 0x0101;
constexpr Uint16 MSG_CLOSEDSREQ = 0x0102;
constexpr Uint16 MSG_CLOSEDSOK = 0x0103;
constexpr Uint16 MSG_OPENDSM = 0x0301;
constexpr Uint16 MSG_CLOSEDSM = 0x0302;
constexpr Uint16 MSG_OPENDS = 0x0401;
constexpr Uint16 MSG_CLOSEDS = 0x0402;
constexpr Uint16 MSG_USERSELECT = 0x0403;
constexpr Uint16 MSG_DISABLEDS = 0x0501;
constexpr Uint16 MSG_ENABLEDS = 0x0502;
constexpr Uint16 MSG_PROCESSEVENT = 0x0601;
constexpr Uint16 MSG_ENDXFER = 0x0701;
constexpr Uint16 MSG_REGISTER_CALLBACK = 0x0902;

// Return codes.
constexpr Uint16 TWRC_SUCCESS = 0;
constexpr Uint16 TWRC_FAILURE = 1;
constexpr Uint16 TWRC_CANCEL = 3;
constexpr Uint16 TWRC_DSEVENT = 4;
constexpr Uint16 TWRC_NOTDSEVENT = 5;
constexpr Uint16 TWRC_XFERDONE = 6;
constexpr Uint16 TWRC_ENDOFLIST = 7;

constexpr Uint16 TWCC_BUMMER = 1;
constexpr Int16 TWLG_USERLOCALE = -1;
constexpr Uint16 TWCY_JAPAN = 81;

// The standard's text of a condition code (TWCC_...), null for codes without one.
inline const char *conditionText(int code)
{
    static const char *const texts[] = {
        "It worked!",
        "Failure due to unknown causes",
        "Not enough memory to perform operation",
        "No Data Source",
        "DS is connected to max possible applications",
        "DS or DSM reported error, application shouldn't",
        "Unknown capability",
        nullptr,
        nullptr,
        "Unrecognized MSG DG DAT combination",
        "Data parameter out of range",
        "DG DAT MSG out of expected sequence",
        "Unknown destination Application/Source in DSM_Entry",
        "Capability not supported by source",
        "Operation not supported by capability",
        "Capability has dependancy on other capability",
        "File System operation is denied (file is protected)",
        "Operation failed because file already exists.",
        "File not found",
        "Operation failed because directory is not empty",
        "The feeder is jammed",
        "The feeder detected multiple pages",
        "Error writing the file (meant for things like disk full conditions)",
        "The device went offline prior to or during this operation",
    };
    if (code < 0 || code >= int(sizeof texts / sizeof *texts))
        return nullptr;
    return texts[code];
}

} // namespace tessell::twain
