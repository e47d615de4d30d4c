// The pool the grid's small objects come from: blocks that do not overlap, pages that go back,
// freed blocks that are marked, and several threads at once.
#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

#include "model/ZNPropertyGridBlockPool.h"

#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Pool = CZNPropertyGridBlockPool;

struct Block
{
    unsigned char* p;
    size_t nBytes;
};

unsigned char FillOf(size_t nIndex)
{
    return static_cast<unsigned char>(nIndex * 7 + 1);
}

// nCount blocks of every size up to the largest pooled one, each filled with its own byte.
std::vector<Block> AllocateFilled(size_t nCount)
{
    std::vector<Block> blocks;
    for (size_t i = 0; i < nCount; ++i) {
        size_t nBytes = 1 + i % Pool::kLargestBlock;
        auto* p = static_cast<unsigned char*>(Pool::Allocate(nBytes));
        std::memset(p, FillOf(i), nBytes);
        blocks.push_back({p, nBytes});
    }
    return blocks;
}

bool HoldsFill(const Block& block, unsigned char fill)
{
    for (size_t i = 0; i < block.nBytes; ++i) {
        if (block.p[i] != fill)
            return false;
    }
    return true;
}

void FreeAll(const std::vector<Block>& blocks)
{
    for (const Block& block : blocks)
        Pool::Free(block.p, block.nBytes);
}

TEST(BlockPool, BlocksOfEverySizeKeepTheirContentAndAlignment)
{
    size_t nBlocksBefore = Pool::BlockCount();
    std::vector<Block> blocks = AllocateFilled(5000);
    EXPECT_EQ(Pool::BlockCount(), nBlocksBefore + blocks.size());
    for (size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(reinterpret_cast<uintptr_t>(blocks[i].p) % 16, 0u) << i;
        ASSERT_TRUE(HoldsFill(blocks[i], FillOf(i))) << "block " << i << " was overwritten";
    }
    FreeAll(blocks);
    EXPECT_EQ(Pool::BlockCount(), nBlocksBefore);
}

TEST(BlockPool, EmptyPagesGoBackToTheSystem)
{
    size_t nPagesBefore = Pool::PageCount();
    std::vector<Block> blocks;
    for (int i = 0; i < 20000; ++i)
        blocks.push_back({static_cast<unsigned char*>(Pool::Allocate(96)), 96});
    EXPECT_GE(Pool::PageCount(), nPagesBefore + 20000 * 96 / Pool::kPageBytes);
    FreeAll(blocks);
    // One empty page of the size stays for the next block.
    EXPECT_LE(Pool::PageCount(), nPagesBefore + 1);
}

TEST(BlockPool, AFreedBlockIsMarkedAndServesAgain)
{
    void* pNeighbour = Pool::Allocate(64); // keeps the page while the other block is free
    auto* p = static_cast<unsigned char*>(Pool::Allocate(64));
    std::memset(p, 0x11, 64);
    Pool::Free(p, 64);
    // The first word links the free blocks; the rest shows the mark.
    for (size_t i = sizeof(void*); i < 64; ++i)
        ASSERT_EQ(p[i], Pool::kFreedFill) << i;
    EXPECT_EQ(Pool::Allocate(64), p);
    Pool::Free(p, 64);
    Pool::Free(pNeighbour, 64);
}

TEST(BlockPool, LargerBlocksComeFromTheHeap)
{
    size_t nPagesBefore = Pool::PageCount();
    size_t nBlocksBefore = Pool::BlockCount();
    void* p = Pool::Allocate(Pool::kLargestBlock + 1);
    void* q = Pool::Allocate(100000, std::nothrow);
    ASSERT_NE(p, nullptr);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(Pool::PageCount(), nPagesBefore);
    EXPECT_EQ(Pool::BlockCount(), nBlocksBefore);
    Pool::Free(p, Pool::kLargestBlock + 1);
    Pool::Free(q, 100000);
    Pool::Free(nullptr, 16);
}

TEST(BlockPool, ThreadsAllocateAndFreeAtOnce)
{
    size_t nBlocksBefore = Pool::BlockCount();
    auto work = [](unsigned char fill, bool* pIntact) {
        for (int nRound = 0; nRound < 20; ++nRound) {
            std::vector<Block> blocks;
            for (size_t i = 0; i < 1000; ++i) {
                size_t nBytes = 16 + i % 200;
                auto* p = static_cast<unsigned char*>(Pool::Allocate(nBytes));
                std::memset(p, fill, nBytes);
                blocks.push_back({p, nBytes});
            }
            for (const Block& block : blocks)
                *pIntact = *pIntact && HoldsFill(block, fill);
            FreeAll(blocks);
        }
    };
    bool bIntactA = true;
    bool bIntactB = true;
    std::thread a(work, 0xA5, &bIntactA);
    std::thread b(work, 0x5A, &bIntactB);
    a.join();
    b.join();
    EXPECT_TRUE(bIntactA);
    EXPECT_TRUE(bIntactB);
    EXPECT_EQ(Pool::BlockCount(), nBlocksBefore);
}

} // namespace
