#include "ui/tests/live_bytes.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> liveBytes{0};

}  // namespace

long long LiveCppBytes()
{
    return liveBytes;
}

// The array, nothrow and sized forms of the standard library call these two; the
// C runtime knows each block's size.
void* operator new(std::size_t size)
{
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    liveBytes += static_cast<long long>(_msize(block));
    return block;
}

void operator delete(void* block) noexcept
{
    if (block)
        liveBytes -= static_cast<long long>(_msize(block));
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}
