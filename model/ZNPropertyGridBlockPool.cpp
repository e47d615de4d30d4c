#include "model/ZNPropertyGridBlockPool.h"

#include <atomic>
#include <cstdint>
#include <cstring>

namespace {

constexpr size_t kPageBytes = CZNPropertyGridBlockPool::kPageBytes;
constexpr size_t kGranule = 16;
constexpr size_t kClassCount = CZNPropertyGridBlockPool::kLargestBlock / kGranule;

struct FreeBlock
{
    FreeBlock* pNext;
};

// The head of a page; its blocks follow it. A page is in its class's list of pages with room
// exactly while it is not full.
struct Page
{
    Page* pPrev;      // the neighbours in that list
    Page* pNext;      //
    FreeBlock* pFree; // blocks given back, the last first
    char* pFresh;     // the first block never handed out
    char* pEnd;       // the end of the page
    size_t nUsed;     // blocks handed out and not given back
};
constexpr size_t kHeaderBytes = (sizeof(Page) + kGranule - 1) / kGranule * kGranule;

// The pages of one block size that have room, the one freed into last first.
struct SizeClass
{
    Page* pRoomy;
};

struct PoolState
{
    std::atomic<bool> bLocked;
    SizeClass classes[kClassCount];
    size_t nPages;
    size_t nBlocks;
};

// Constant-initialised: usable by any module's static objects, whatever their order.
PoolState g_pool = {{false}, {}, 0, 0};

// The lock is held for a few instructions and nearly always by the one thread that runs the
// grids, so a spin on an atomic flag serves; Wine's slim reader/writer lock wakes waiters
// through a hash table on every release, which cost more than the blocks themselves.
class CPoolLock
{
public:
    CPoolLock()
    {
        while (g_pool.bLocked.exchange(true, std::memory_order_acquire))
            ::SwitchToThread();
    }
    ~CPoolLock() { g_pool.bLocked.store(false, std::memory_order_release); }
    CPoolLock(const CPoolLock&) = delete;
    CPoolLock& operator=(const CPoolLock&) = delete;
};

size_t ClassOf(size_t nBytes)
{
    return (nBytes == 0 ? 0 : (nBytes - 1) / kGranule);
}

size_t BlockBytes(size_t nClass)
{
    return (nClass + 1) * kGranule;
}

Page* PageOf(void* pBlock)
{
    return reinterpret_cast<Page*>(reinterpret_cast<uintptr_t>(pBlock) &
                                   ~uintptr_t(kPageBytes - 1));
}

void Link(SizeClass& sizeClass, Page* pPage)
{
    pPage->pPrev = nullptr;
    pPage->pNext = sizeClass.pRoomy;
    if (sizeClass.pRoomy != nullptr)
        sizeClass.pRoomy->pPrev = pPage;
    sizeClass.pRoomy = pPage;
}

void Unlink(SizeClass& sizeClass, Page* pPage)
{
    if (pPage->pPrev != nullptr)
        pPage->pPrev->pNext = pPage->pNext;
    else
        sizeClass.pRoomy = pPage->pNext;
    if (pPage->pNext != nullptr)
        pPage->pNext->pPrev = pPage->pPrev;
}

Page* NewPage()
{
    void* pMemory = ::VirtualAlloc(nullptr, kPageBytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (pMemory == nullptr)
        return nullptr;
    auto* pPage = static_cast<Page*>(pMemory);
    pPage->pFree = nullptr;
    pPage->pFresh = static_cast<char*>(pMemory) + kHeaderBytes;
    pPage->pEnd = static_cast<char*>(pMemory) + kPageBytes;
    pPage->nUsed = 0;
    ++g_pool.nPages;
    return pPage;
}

bool IsFull(const Page* pPage, size_t nBlockBytes)
{
    return pPage->pFree == nullptr && size_t(pPage->pEnd - pPage->pFresh) < nBlockBytes;
}

void* AllocateBlock(size_t nBytes)
{
    size_t nClass = ClassOf(nBytes);
    size_t nBlockBytes = BlockBytes(nClass);
    SizeClass& sizeClass = g_pool.classes[nClass];
    CPoolLock lock;
    Page* pPage = sizeClass.pRoomy;
    if (pPage == nullptr) {
        pPage = NewPage();
        if (pPage == nullptr)
            return nullptr;
        Link(sizeClass, pPage);
    }
    void* pBlock = pPage->pFree;
    if (pBlock != nullptr) {
        pPage->pFree = pPage->pFree->pNext;
    } else {
        pBlock = pPage->pFresh;
        pPage->pFresh += nBlockBytes;
    }
    ++pPage->nUsed;
    ++g_pool.nBlocks;
    if (IsFull(pPage, nBlockBytes))
        Unlink(sizeClass, pPage);
    return pBlock;
}

// An empty page goes back to the system unless it is the only room its class has left, so that
// a host adding and removing one property at a time does not allocate a page each time.
void FreeBlockInPage(void* pBlock, size_t nClass)
{
    SizeClass& sizeClass = g_pool.classes[nClass];
    CPoolLock lock;
    Page* pPage = PageOf(pBlock);
    bool bWasFull = IsFull(pPage, BlockBytes(nClass));
    auto* pFreed = static_cast<FreeBlock*>(pBlock);
    pFreed->pNext = pPage->pFree;
    pPage->pFree = pFreed;
    if (bWasFull)
        Link(sizeClass, pPage);
    --g_pool.nBlocks;
    if (--pPage->nUsed > 0 || (sizeClass.pRoomy == pPage && pPage->pNext == nullptr))
        return;
    Unlink(sizeClass, pPage);
    ::VirtualFree(pPage, 0, MEM_RELEASE);
    --g_pool.nPages;
}

} // namespace

void* CZNPropertyGridBlockPool::Allocate(size_t nBytes)
{
    void* pBlock = Allocate(nBytes, std::nothrow);
    if (pBlock == nullptr)
        throw std::bad_alloc();
    return pBlock;
}

void* CZNPropertyGridBlockPool::Allocate(size_t nBytes, const std::nothrow_t& tag) noexcept
{
    if (nBytes > kLargestBlock)
        return ::operator new(nBytes, tag);
    return AllocateBlock(nBytes);
}

void CZNPropertyGridBlockPool::Free(void* pBlock, size_t nBytes) noexcept
{
    if (pBlock == nullptr)
        return;
    if (nBytes > kLargestBlock) {
        ::operator delete(pBlock);
        return;
    }
    size_t nClass = ClassOf(nBytes);
    std::memset(pBlock, kFreedFill, BlockBytes(nClass));
    FreeBlockInPage(pBlock, nClass);
}

size_t CZNPropertyGridBlockPool::PageCount() noexcept
{
    CPoolLock lock;
    return g_pool.nPages;
}

size_t CZNPropertyGridBlockPool::BlockCount() noexcept
{
    CPoolLock lock;
    return g_pool.nBlocks;
}
