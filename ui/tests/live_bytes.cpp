#include "ui/tests/live_bytes.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

std::atomic<long long> liveBytes{0};
// Each block carries its size in front, in room that keeps the alignment new promises.
constexpr std::size_t Header = alignof(std::max_align_t);

}  // namespace

long long LiveCppBytes()
{
    return liveBytes;
}

// The array, nothrow and sized forms of the standard library call these two.
void* operator new(std::size_t size)
{
    auto* block = static_cast<unsigned char*>(std::malloc(size + Header));
    if (!block)
        throw std::bad_alloc();
    std::memcpy(block, &size, sizeof size);
    liveBytes += static_cast<long long>(size);
    return block + Header;
}

void operator delete(void* pointer) noexcept
{
    if (!pointer)
        return;
    unsigned char* block = static_cast<unsigned char*>(pointer) - Header;
    std::size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    liveBytes -= static_cast<long long>(size);
    std::free(block);
}

void operator delete(void* pointer, std::size_t) noexcept
{
    operator delete(pointer);
}
