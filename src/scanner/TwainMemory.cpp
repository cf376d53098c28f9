#include "scanner/TwainMemory.h"

#include <cstdlib>
#include <limits>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tessell {

using namespace twain;

void *TwainMemory::lock(Handle handle) const
{
    if (m_functions.DSM_MemLock)
        return m_functions.DSM_MemLock(handle);
#if defined(_WIN32)
    return GlobalLock(handle);
#else
    return handle;
#endif
}

void TwainMemory::unlock(Handle handle) const
{
    if (m_functions.DSM_MemUnlock)
        m_functions.DSM_MemUnlock(handle);
#if defined(_WIN32)
    else
        GlobalUnlock(handle);
#endif
}

void TwainMemory::free(Handle handle) const
{
    if (m_functions.DSM_MemFree)
        m_functions.DSM_MemFree(handle);
    else
#if defined(_WIN32)
        GlobalFree(handle);
#else
        std::free(handle);
#endif
}

qsizetype TwainMemory::size([[maybe_unused]] Handle handle, [[maybe_unused]] const void *locked)
{
#if defined(_WIN32)
    return qsizetype(GlobalSize(handle));
#elif defined(__GLIBC__)
    // The TWAIN 2 manager on Linux allocates with the C library and its handle
    // is the memory itself.
    if (locked == handle)
        return qsizetype(malloc_usable_size(handle));
    return std::numeric_limits<qsizetype>::max();
#else
    return std::numeric_limits<qsizetype>::max();
#endif
}

TwainMemory::Held::~Held()
{
    if (m_locked)
        m_memory.unlock(m_handle);
    if (m_handle)
        m_memory.free(m_handle);
}

const void *TwainMemory::Held::lock()
{
    m_locked = m_memory.lock(m_handle);
    return m_locked;
}

} // namespace tessell
