// Where the grid's small objects live: properties, categories, row records and per-column arrays.
#pragma once

#include <afxwin.h>

#include <cstddef>
#include <new>

// Blocks of up to kLargestBlock bytes, in size classes of 16 bytes, carved from pages of 64 KB
// that are returned to the system as soon as they are empty. A host adds properties by the
// hundred thousand: the process heap costs a call, a lock and a search per block, and at least
// 48 bytes for the smallest, where a pool block costs a few instructions and its size rounded up
// to 16 bytes. Larger blocks come from operator new. Every function may be called from any
// thread. A freed block is filled with a pattern, so that a stale call through an object that
// was freed fails at once instead of reading what the next object left there.
class AFX_EXT_CLASS CZNPropertyGridBlockPool
{
public:
    static constexpr size_t kLargestBlock = 256;
    // The system's allocation granularity: a page allocated on its own starts at a multiple of
    // it, so the page of any block is found by masking the block's address.
    static constexpr size_t kPageBytes = 64 * 1024;
    static constexpr unsigned char kFreedFill = 0xFE;

    // Throws std::bad_alloc as operator new does.
    static void* Allocate(size_t nBytes);
    // Null when memory runs out.
    static void* Allocate(size_t nBytes, const std::nothrow_t&) noexcept;
    // nBytes is the size the block was allocated with.
    static void Free(void* pBlock, size_t nBytes) noexcept;

    // The pages the pool holds now, for measurements of what it takes.
    static size_t PageCount() noexcept;
    // The blocks handed out and not given back, for tests that look for what was not freed.
    static size_t BlockCount() noexcept;
};

// Gives a class and everything derived from it pool blocks for their objects: with a virtual
// destructor, the sized delete receives the size of the object's own class.
#define DECLARE_PROPERTYGRID_POOLED()                                                              \
    static void* operator new(size_t nBytes)                                                       \
    {                                                                                              \
        return CZNPropertyGridBlockPool::Allocate(nBytes);                                         \
    }                                                                                              \
    static void* operator new(size_t nBytes, const std::nothrow_t& tag) noexcept                   \
    {                                                                                              \
        return CZNPropertyGridBlockPool::Allocate(nBytes, tag);                                    \
    }                                                                                              \
    static void operator delete(void* pBlock, size_t nBytes) noexcept                              \
    {                                                                                              \
        CZNPropertyGridBlockPool::Free(pBlock, nBytes);                                            \
    }

// The standard allocator interface over the pool, for containers of per-property arrays.
template <class T> class CZNPropertyGridPoolAllocator
{
public:
    using value_type = T;

    CZNPropertyGridPoolAllocator() noexcept = default;
    template <class U> CZNPropertyGridPoolAllocator(const CZNPropertyGridPoolAllocator<U>&) noexcept
    {
    }

    T* allocate(size_t nCount)
    {
        return static_cast<T*>(CZNPropertyGridBlockPool::Allocate(nCount * sizeof(T)));
    }
    void deallocate(T* pBlock, size_t nCount) noexcept
    {
        CZNPropertyGridBlockPool::Free(pBlock, nCount * sizeof(T));
    }

    template <class U> bool operator==(const CZNPropertyGridPoolAllocator<U>&) const noexcept
    {
        return true;
    }
    template <class U> bool operator!=(const CZNPropertyGridPoolAllocator<U>&) const noexcept
    {
        return false;
    }
};
