#include "StandinDsm.h"

#include <cfenv>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

using namespace tessell::twain;

namespace standin {

namespace {
struct State {
    Script script;
    Seen seen;
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
    state().seen.calls.push_back(call);
}

std::string name(Uint16 dat, Uint16 msg)
{
    static const std::map<Uint16, const char *> dats = {
        {DAT_EVENT, "EVENT"},          {DAT_IDENTITY, "IDENTITY"},
        {DAT_PARENT, "PARENT"},        {DAT_PENDINGXFERS, "PENDINGXFERS"},
        {DAT_STATUS, "STATUS"},        {DAT_USERINTERFACE, "USERINTERFACE"},
        {DAT_CALLBACK, "CALLBACK"},    {DAT_IMAGENATIVEXFER, "IMAGENATIVEXFER"},
        {DAT_ENTRYPOINT, "ENTRYPOINT"}};
    static const std::map<Uint16, const char *> msgs = {{MSG_GET, "GET"},
                                                        {MSG_GETFIRST, "GETFIRST"},
                                                        {MSG_GETNEXT, "GETNEXT"},
                                                        {MSG_RESET, "RESET"},
                                                        {MSG_OPENDSM, "OPENDSM"},
                                                        {MSG_CLOSEDSM, "CLOSEDSM"},
                                                        {MSG_OPENDS, "OPENDS"},
                                                        {MSG_CLOSEDS, "CLOSEDS"},
                                                        {MSG_USERSELECT, "USERSELECT"},
                                                        {MSG_DISABLEDS, "DISABLEDS"},
                                                        {MSG_ENABLEDS, "ENABLEDS"},
                                                        {MSG_PROCESSEVENT, "PROCESSEVENT"},
                                                        {MSG_ENDXFER, "ENDXFER"},
                                                        {MSG_REGISTER_CALLBACK, "REGISTER_CALLBACK"}};
    auto named = [](const std::map<Uint16, const char *> &names, Uint16 v, const char *prefix) {
        const auto i = names.find(v);
        return i != names.end() ? std::string(i->second) : prefix + std::to_string(v);
    };
    return named(dats, dat, "DAT_") + "/" + named(msgs, msg, "MSG_");
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
    ++state().seen.outstanding;
    return std::malloc(size ? size : 1);
}
void TESSELL_TWAIN_CALL memFree(void *handle)
{
    record("Free");
    --state().seen.outstanding;
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
            s.seen.owner = *static_cast<void **>(data);
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
            s.seen.opened = id->ProductName;
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
        // The message comes with the second event, so that the loop must go round.
        if (script.byCallback || ++s.polls < 2)
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
    s.seen = {};
    s.next = 0;
    s.polls = 0;
    s.callback = nullptr;
}

Seen seen()
{
    joinCaller();
    std::lock_guard lock(state().mutex);
    return state().seen;
}

} // namespace standin

extern "C" __attribute__((visibility("default"))) Uint16
DSM_Entry(Identity *origin, Identity *dest, Uint32 dg, Uint16 dat, Uint16 msg, void *data)
{
    using namespace standin;
    State &s = state();
    if (fegetexcept() != 0)
        s.seen.alwaysMasked = false;
    const std::string call = (dest ? "ds " : "") + name(dat, msg);
    if (msg != MSG_PROCESSEVENT)
        record(call);
    if (!origin || !data)
        return TWRC_FAILURE;
    if (msg == MSG_ENABLEDS) {
        s.seen.showUi = static_cast<UserInterface *>(data)->ShowUI;
        s.seen.modalUi = static_cast<UserInterface *>(data)->ModalUI;
    }
    if (!s.script.failing.empty() && call == s.script.failing)
        return TWRC_FAILURE;
    return answer(origin, dest, dg, dat, msg, data);
}
