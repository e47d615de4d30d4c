// What the process holds stays flat over many cycles of everything a grid does again and again:
// editing with every type's editor, the enumeration's list, filling and emptying the tree, tool
// tips and repaints. Counted are GDI objects (Wine answers GetGuiResources with 0, so they are
// counted in the process's GDI handle table), the thread's windows, the heaps' busy blocks and
// the blocks of the grid's own pool.
#include "GridChecks.h"
#include "ModalTestSupport.h"
#include "model/ZNPropertyGridBlockPool.h"
#include "resources/resource.h"

#include <winternl.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace {

// An entry of the GDI handle table that the PEB points to (GdiSharedHandleTable): a type of 0
// is a free entry.
struct GdiHandleEntry
{
    std::uint64_t nObject;
    std::uint32_t nOwner;
    std::uint16_t nUnique;
    std::uint8_t nType;
    std::uint8_t nFlags;
    std::uint64_t nUserPointer;
};
constexpr size_t kGdiHandles = 0x10000;
constexpr size_t kPebGdiTableOffset = 0xF8;

const GdiHandleEntry* GdiHandleTable()
{
    using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    auto pfnQuery = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION info = {};
    if (pfnQuery == nullptr ||
        pfnQuery(::GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info), nullptr) != 0)
        return nullptr;
    auto* pPeb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    return *reinterpret_cast<const GdiHandleEntry* const*>(pPeb + kPebGdiTableOffset);
}

int CountGdiObjects()
{
    const GdiHandleEntry* pTable = GdiHandleTable();
    if (pTable == nullptr)
        return -1;
    int nCount = 0;
    for (size_t i = 0; i < kGdiHandles; ++i)
        nCount += pTable[i].nType != 0 ? 1 : 0;
    return nCount;
}

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, CountWindow, lParam);
    return TRUE;
}

// The thread's windows with their children, and the popups of the thread's windows.
int CountWindows()
{
    int nCount = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

int CountHeapBlocks()
{
    HANDLE heaps[64];
    DWORD nHeaps = ::GetProcessHeaps(64, heaps);
    int nCount = 0;
    for (DWORD i = 0; i < nHeaps && i < 64; ++i) {
        ::HeapLock(heaps[i]);
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0)
                ++nCount;
        }
        ::HeapUnlock(heaps[i]);
    }
    return nCount;
}

struct Counts
{
    int nGdi;
    int nWindows;
    int nHeapBlocks;
    size_t nPoolBlocks; // the grid's own small objects
};

Counts Count()
{
    return {CountGdiObjects(), CountWindows(), CountHeapBlocks(),
            CZNPropertyGridBlockPool::BlockCount()};
}

// Once the queue is empty and two counts in a row agree: a dialog just closed may still have
// objects on their way out.
Counts Measure()
{
    pgtest::PumpMessages();
    Counts last = Count();
    for (int nTry = 0; nTry < 10; ++nTry) {
        pgtest::PumpMessages();
        Counts now = Count();
        if (now.nGdi == last.nGdi && now.nWindows == last.nWindows &&
            now.nHeapBlocks == last.nHeapBlocks && now.nPoolBlocks == last.nPoolBlocks)
            break;
        last = now;
    }
    return last;
}

class Leaks : public pgtest::EditTest
{
protected:
    // Runs the cycle twice to fill what is made once (caches, shared editors), then nCycles
    // times, and expects no GDI object and no window more than before; heap blocks may vary
    // by a few that the system's caches keep, far fewer than one per cycle. The system's own
    // dialogs now and then make a cache object of theirs late, once: a round that grew is run
    // again, and the second round must not grow, as a leak in every cycle would.
    void ExpectFlat(const char* pszWhat, int nCycles, const std::function<void()>& cycle)
    {
        cycle();
        cycle();
        Counts before = Measure();
        Counts after = RunCycles(nCycles, cycle);
        if (after.nGdi != before.nGdi || after.nWindows != before.nWindows) {
            std::printf("%s: the first round grew by GDI %d, windows %d; once more\n", pszWhat,
                        after.nGdi - before.nGdi, after.nWindows - before.nWindows);
            before = after;
            after = RunCycles(nCycles, cycle);
        }
        EXPECT_EQ(after.nGdi - before.nGdi, 0) << pszWhat;
        EXPECT_EQ(after.nWindows - before.nWindows, 0) << pszWhat;
        EXPECT_LE(after.nHeapBlocks - before.nHeapBlocks, kHeapSlack) << pszWhat;
        EXPECT_EQ(after.nPoolBlocks, before.nPoolBlocks) << pszWhat;
        std::printf("%s: %d cycles, growth GDI %d, windows %d, heap blocks %d\n", pszWhat, nCycles,
                    after.nGdi - before.nGdi, after.nWindows - before.nWindows,
                    after.nHeapBlocks - before.nHeapBlocks);
    }

    static Counts RunCycles(int nCycles, const std::function<void()>& cycle)
    {
        for (int i = 0; i < nCycles; ++i)
            cycle();
        return Measure();
    }

    static constexpr int kHeapSlack = 16;
};

TEST_F(Leaks, TheGdiCountSeesObjectsComeAndGo)
{
    int nBefore = CountGdiObjects();
    ASSERT_GT(nBefore, 0);
    HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(CountGdiObjects(), nBefore + 1);
    ::DeleteObject(hBrush);
    EXPECT_EQ(CountGdiObjects(), nBefore);
}

TEST_F(Leaks, EditingWithEveryTypesEditor)
{
    const struct
    {
        const char* pszName;
        eZNPropertyGridType eType;
        const wchar_t* pszOptions;
        const wchar_t* pszTexts[2];
    } types[] = {
        {"text", PGT_TEXT, L"", {L"one", L"two"}},
        {"integer", PGT_INTEGER, L"", {L"1", L"2"}},
        {"float", PGT_FLOAT, L"", {L"1.5", L"2.5"}},
        {"file", PGT_FILE, L"", {L"C:\\one.txt", L"C:\\two.txt"}},
        {"enumeration", PGT_ENUM, L"Low|Medium|High", {L"Low", L"High"}},
        {"vector3", PGT_VECTOR3, L"", {L"1, 2, 3", L"3, 2, 1"}},
        {"vector4", PGT_VECTOR4, L"", {L"1, 2, 3, 4", L"4, 3, 2, 1"}},
        {"colour", PGT_COLORVECTOR4, L"", {L"1, 0, 0, 1", L"0, 1, 0, 1"}},
        {"memo", PGT_MEMO, L"", {L"one", L"two"}},
    };
    pgtest::ValueStorage values;
    for (const auto& type : types) {
        IZNPropertyGridProperty* pProperty =
            m_Grid.AddProperty(m_pCategory, L"Edited", L"", 1, type.eType, type.pszOptions);
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 0, values.For(type.eType));
        int nTurn = 0;
        ExpectFlat(type.pszName, 100, [&] {
            WORD endKey = type.eType == PGT_MEMO ? 0 : VK_RETURN;
            ASSERT_TRUE(Edit(pProperty, 1, type.pszTexts[nTurn++ % 2], endKey));
            if (type.eType == PGT_MEMO) {
                ASSERT_TRUE(pgtest::PressKeyWith(VK_CONTROL, VK_RETURN));
            }
        });
        if (type.eType == PGT_ENUM) {
            ExpectFlat("enumeration's list", 100, [&] {
                ASSERT_TRUE(ClickCell(pProperty, 1) && pgtest::PressKey(VK_DOWN) &&
                            pgtest::PressKey(VK_ESCAPE) && pgtest::PressKey(VK_ESCAPE));
            });
        }
        m_Grid.RemoveProperty(m_pCategory, pProperty);
    }
}

// The dialogs behind the editors' buttons, each opened and cancelled.
TEST_F(Leaks, TheEditorsDialogs)
{
    pgtest::MainWindowScope mainWindow(&m_Host);
    CString strFile = L"C:\\none.txt";
    CString strMemo = L"memo";
    std::array<float, 4> vColor = {0.5f, 0.5f, 0.5f, 1};
    const struct
    {
        const char* pszName;
        eZNPropertyGridType eType;
        const wchar_t* pszOptions;
        void* pValue;
        const wchar_t* pszCaption;
    } dialogs[] = {
        {"Open dialog", PGT_FILE, L"", &strFile, L"Open"},
        {"colour chooser", PGT_COLORVECTOR4, L"", vColor.data(), L"Color"},
        {"external memo editor", PGT_MEMO, L"Expand=true", &strMemo, L"Edited"},
    };
    for (const auto& dialog : dialogs) {
        IZNPropertyGridProperty* pProperty =
            m_Grid.AddProperty(m_pCategory, L"Edited", L"", 1, dialog.eType, dialog.pszOptions);
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 0, dialog.pValue);
        ExpectFlat(dialog.pszName, 40, [&] {
            pgtest::ModalWatcher watcher;
            watcher.Expect(pgtest::DialogCaptioned(dialog.pszCaption),
                           [](HWND hDialog) { ::PostMessageW(hDialog, WM_COMMAND, IDCANCEL, 0); });
            ASSERT_TRUE(ClickCell(pProperty, 1));
            HWND hEditor = ::GetParent(::GetFocus());
            ASSERT_TRUE(pgtest::ClickDlgItem(hEditor, IDC_PROPERTYGRID_BROWSE));
            EXPECT_TRUE(watcher.WaitUntilHandled());
            ASSERT_TRUE(pgtest::PressKey(VK_ESCAPE));
        });
        m_Grid.RemoveProperty(m_pCategory, pProperty);
    }
}

TEST_F(Leaks, FillingAndEmptyingTheTree)
{
    CString strValue = L"value";
    int nValue = 1;
    ExpectFlat("populate and remove", 30, [&] {
        CZNPropertyGridCategory* pCategory = Category(m_pRoot, L"Filled");
        for (unsigned i = 0; i < 200; ++i) {
            auto eType = eZNPropertyGridType(i % 9);
            IZNPropertyGridProperty* pProperty =
                m_Grid.AddProperty(pCategory, L"Name", L"Help", i, eType, L"a|b");
            if (eType == PGT_INTEGER)
                m_Grid.SetPropertyValue(pCategory, pProperty, 0, &nValue);
            else if (eType == PGT_TEXT || eType == PGT_MEMO || eType == PGT_FILE)
                m_Grid.SetPropertyValue(pCategory, pProperty, 0, &strValue);
        }
        pgtest::PumpMessages();
        m_Grid.UpdateWindow();
        m_Grid.RemoveCategory(m_pRoot, pCategory);
    });
}

TEST_F(Leaks, ToolTipsAndRepaints)
{
    CString strFirst = L"a long value that the tip shows";
    CString strSecond = L"another";
    IZNPropertyGridProperty* pProperty = Add(PGT_TEXT, 1, &strFirst, &strSecond);
    m_Grid.SetPropertyCheckBoxState(m_pCategory, pProperty, 0, PGCB_CHECKED);
    m_Grid.SetPropertyCheckBoxTooltip(m_pCategory, pProperty, 0, L"box");
    // Each cell is a tool of its own: every move to another cell makes the framework replace
    // the tool and its text, which the grid allocates.
    ExpectFlat("tool tips", 300, [&] {
        for (int nColumn = 0; nColumn < 3; ++nColumn)
            ASSERT_TRUE(pgtest::MoveMouse(m_Grid, CellRect(pProperty, nColumn).CenterPoint()));
    });
    ExpectFlat("repaints", 1000, [&] {
        m_Grid.Invalidate(TRUE);
        m_Grid.UpdateWindow();
    });
}

} // namespace
