#include "AllocCount.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> g_nAllocs{0};

void* CountedAlloc(std::size_t n) noexcept
{
    g_nAllocs.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(n != 0 ? n : 1);
}

}  // namespace

long long AllocCount()
{
    return g_nAllocs.load(std::memory_order_relaxed);
}

// malloc and free behind every form of new and delete, so the pairs match.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n)
{
    if (void* p = CountedAlloc(n)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t n)
{
    return operator new(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    return CountedAlloc(n);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept
{
    return CountedAlloc(n);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
