#pragma once

#include "scanner/TwainTypes.h"

#include <QtGlobal>

namespace tessell {

// The memory a TWAIN source hands a picture over in: through the manager's
// own functions where a TWAIN 2 manager offers them, otherwise the platform's.
class TwainMemory {
public:
    TwainMemory() = default;
    explicit TwainMemory(const twain::EntryPoint &functions) : m_functions(functions) {}

    void *lock(twain::Handle handle) const;
    void unlock(twain::Handle handle) const;
    void free(twain::Handle handle) const;
    // How many bytes the memory holds, as far as the platform can tell.
    static qsizetype size(twain::Handle handle, const void *locked);

    // Unlocks and frees a handle on every way out of a scope.
    class Held {
    public:
        Held(const TwainMemory &memory, twain::Handle handle) : m_memory(memory), m_handle(handle) {}
        ~Held();
        Held(const Held &) = delete;
        Held &operator=(const Held &) = delete;
        // Locks the memory; null when it cannot be.
        const void *lock();

    private:
        const TwainMemory &m_memory;
        twain::Handle m_handle;
        const void *m_locked = nullptr;
    };

private:
    twain::EntryPoint m_functions{};
};

} // namespace tessell
