#include "StandinDsm.h"

#include <cfenv>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

using namespace tessell::twain;

namespace standin {

namespace {
struct State {
    Script script;
    std::vector<std::string> calls;
    int outstanding = 0;
    void *owner = nullptr;
    std::string opened;
    int showUi = -1, modalUi = -1;
    bool alwaysMasked = true;
    size_t next = 0;
    int polls = 0;
    Entry callback = nullptr;
    std::thread caller;
    std::mutex mutex;
};

State &state()
{
    static State s;
    return s;
}

void record(const std::string &call)
{
    std::lock_guard lock(state().mutex);
    state().calls.push_back(call);
}

std::string name(Uint16 dat, Uint16 msg)
{
    auto datName = [&]() -> std::string {
        switch (dat) {
        case DAT_EVENT:
            return "EVENT";
        case DAT_IDENTITY:
            return "IDENTITY";
        case DAT_PARENT:
            return "PARENT";
        case DAT_PENDINGXFERS:
            return "PENDINGXFERS";
        case DAT_STATUS:
            return "STATUS";
        case DAT_USERINTERFACE:
            return "USERINTERFACE";
        case DAT_CALLBACK:
            return "CALLBACK";
        case DAT_IMAGENATIVEXFER:
            return "IMAGENATIVEXFER";
        case DAT_ENTRYPOINT:
            return "ENTRYPOINT";
        }
        return "DAT_" + std::to_string(dat);
    };
    auto msgName = [&]() -> std::string {
        switch (msg) {
        case MSG_GET:
            return "GET";
        case MSG_GETFIRST:
            return "GETFIRST";
        case MSG_GETNEXT:
            return "GETNEXT";
        case MSG_RESET:
            return "RESET";
        case MSG_OPENDSM:
            return "OPENDSM";
        case MSG_CLOSEDSM:
            return "CLOSEDSM";
        case MSG_OPENDS:
            return "OPENDS";
        case MSG_CLOSEDS:
            return "CLOSEDS";
        case MSG_USERSELECT:
            return "USERSELECT";
        case MSG_DISABLEDS:
            return "DISABLEDS";
        case MSG_ENABLEDS:
            return "ENABLEDS";
        case MSG_PROCESSEVENT:
            return "PROCESSEVENT";
        case MSG_ENDXFER:
            return "ENDXFER";
        case MSG_REGISTER_CALLBACK:
            return "REGISTER_CALLBACK";
        }
        return "MSG_" + std::to_string(msg);
    };
    return datName() + "/" + msgName();
}

void fill(Identity &id, const Source &source, Uint32 number)
{
    id = {};
    id.Id = number;
    std::strncpy(id.Manufacturer, source.manufacturer.c_str(), sizeof id.Manufacturer - 1);
    std::strncpy(id.ProductName, source.product.c_str(), sizeof id.ProductName - 1);
}

void joinCaller()
{
    if (state().caller.joinable())
        state().caller.join();
}

void *TESSELL_TWAIN_CALL memAllocate(Uint32 size)
{
    ++state().outstanding;
    return std::malloc(size ? size : 1);
}
void TESSELL_TWAIN_CALL memFree(void *handle)
{
    record("Free");
    --state().outstanding;
    std::free(handle);
}
void *TESSELL_TWAIN_CALL memLock(void *handle)
{
    record("Lock");
    return state().script.lockFails ? nullptr : handle;
}
void TESSELL_TWAIN_CALL memUnlock(void *)
{
    record("Unlock");
}

Uint16 answer(Identity *origin, Identity *dest, Uint32 dg, Uint16 dat, Uint16 msg, void *data)
{
    State &s = state();
    const Script &script = s.script;
    switch (dat) {
    case DAT_PARENT:
        if (msg == MSG_OPENDSM) {
            s.owner = *static_cast<void **>(data);
            origin->Id = 1;
            if (script.memoryFunctions)
                origin->SupportedGroups |= DF_DSM2;
        }
        return TWRC_SUCCESS;
    case DAT_ENTRYPOINT: {
        auto *entry = static_cast<EntryPoint *>(data);
        if (!script.memoryFunctions || entry->Size != sizeof(EntryPoint))
            return TWRC_FAILURE;
        entry->DSM_MemAllocate = memAllocate;
        entry->DSM_MemFree = memFree;
        entry->DSM_MemLock = memLock;
        entry->DSM_MemUnlock = memUnlock;
        return TWRC_SUCCESS;
    }
    case DAT_IDENTITY: {
        auto *id = static_cast<Identity *>(data);
        if (msg == MSG_GETFIRST)
            s.next = 0;
        if (msg == MSG_GETFIRST || msg == MSG_GETNEXT) {
            if (s.next >= script.sources.size())
                return TWRC_ENDOFLIST;
            fill(*id, script.sources[s.next], Uint32(s.next + 10));
            ++s.next;
            return TWRC_SUCCESS;
        }
        if (msg == MSG_USERSELECT) {
            if (script.userSelects < 0 || size_t(script.userSelects) >= script.sources.size())
                return TWRC_CANCEL;
            fill(*id, script.sources[size_t(script.userSelects)], Uint32(script.userSelects + 10));
            return TWRC_SUCCESS;
        }
        if (msg == MSG_OPENDS)
            s.opened = id->ProductName;
        return TWRC_SUCCESS;
    }
    case DAT_CALLBACK:
        if (!script.byCallback)
            return TWRC_FAILURE; // a source of the first TWAIN generation
        s.callback = reinterpret_cast<Entry>(static_cast<Callback *>(data)->CallBackProc);
        return TWRC_SUCCESS;
    case DAT_USERINTERFACE:
        if (msg == MSG_ENABLEDS) {
            s.polls = 0;
            if (script.byCallback && s.callback) {
                joinCaller();
                const Entry callback = s.callback;
                const Uint16 message = script.message;
                Identity app = *origin, source = *dest;
                s.caller = std::thread([=]() mutable {
                    std::this_thread::sleep_for(std::chrono::milliseconds(30));
                    callback(&source, &app, DG_CONTROL, 0, message, nullptr);
                });
            }
        }
        return TWRC_SUCCESS;
    case DAT_EVENT: {
        auto *event = static_cast<Event *>(data);
        event->TWMessage = MSG_NULL;
        if (script.byCallback || ++s.polls < script.pollsBeforeMessage)
            return TWRC_NOTDSEVENT;
        event->TWMessage = script.message;
        return TWRC_DSEVENT;
    }
    case DAT_IMAGENATIVEXFER:
        if (dg != DG_IMAGE)
            return TWRC_FAILURE;
        if (script.transferCode == TWRC_XFERDONE) {
            void *memory = memAllocate(Uint32(script.picture.size()));
            std::memcpy(memory, script.picture.data(), script.picture.size());
            *static_cast<void **>(data) = memory;
        }
        return script.transferCode;
    case DAT_PENDINGXFERS:
        static_cast<PendingXfers *>(data)->Count = msg == MSG_ENDXFER ? script.pendingAfterEnd : 0;
        return TWRC_SUCCESS;
    case DAT_STATUS:
        static_cast<Status *>(data)->ConditionCode = script.condition;
        return TWRC_SUCCESS;
    }
    return TWRC_FAILURE;
}
} // namespace

void reset(const Script &script)
{
    joinCaller();
    State &s = state();
    s.script = script;
    s.calls.clear();
    s.outstanding = 0;
    s.owner = nullptr;
    s.opened.clear();
    s.showUi = s.modalUi = -1;
    s.alwaysMasked = true;
    s.next = 0;
    s.polls = 0;
    s.callback = nullptr;
}

std::vector<std::string> calls()
{
    joinCaller();
    std::lock_guard lock(state().mutex);
    return state().calls;
}

int outstanding()
{
    return state().outstanding;
}

void *owner()
{
    return state().owner;
}

std::string opened()
{
    return state().opened;
}

int showUi()
{
    return state().showUi;
}

int modalUi()
{
    return state().modalUi;
}

bool alwaysMasked()
{
    return state().alwaysMasked;
}

} // namespace standin

extern "C" __attribute__((visibility("default"))) Uint16
DSM_Entry(Identity *origin, Identity *dest, Uint32 dg, Uint16 dat, Uint16 msg, void *data)
{
    using namespace standin;
    State &s = state();
    if (fegetexcept() != 0)
        s.alwaysMasked = false;
    const std::string call = (dest ? "ds " : "") + name(dat, msg);
    if (msg != MSG_PROCESSEVENT)
        record(call);
    if (!origin || !data)
        return TWRC_FAILURE;
    if (msg == MSG_ENABLEDS) {
        s.showUi = static_cast<UserInterface *>(data)->ShowUI;
        s.modalUi = static_cast<UserInterface *>(data)->ModalUI;
    }
    if (!s.script.failing.empty() && call == s.script.failing)
        return TWRC_FAILURE;
    return answer(origin, dest, dg, dat, msg, data);
}
