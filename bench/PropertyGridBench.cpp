// Timings and memory of the property grid, each beside a floor measured in the same process: a
// plain Win32 owner-drawn variable-height list box, without the framework, doing the same row
// inserts, deletes and paints as cheaply as a list box can. Run by hand under Wine:
//   build/wine-run.sh build/bin/PropertyGridBench.exe [--pin]
// Every request to the window server costs 8-10 us when the other core is busy and 40-45 us when
// it is idle and must be woken, which swings the absolute figures about 3x; the ratios hold
// better. For stable figures run the process and the window server on one core:
//   WINEPREFIX=$PWD/build/wineprefix wineserver -k
//   taskset -c 0 build/wine-run.sh build/bin/PropertyGridBench.exe
// --pin keeps the benchmark's own threads on the first core; the server stays where it is.
#include <ZNPropertyGrid.h>

#include "model/ZNPropertyGridBlockPool.h"

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iterator>
#include <map>
#include <vector>

namespace {

constexpr int kSizes[] = {1000, 10000, 100000};
constexpr int kPropertiesPerCategory = 100;
constexpr int kRowHeight = 18;
constexpr int kRuns = 5;
constexpr int kPaints = 40;
constexpr int kRoundTrips = 2000;
constexpr UINT kListId = 1000;
constexpr SIZE kListSize = {400, 300};
constexpr SIZE kPageSize = {1000, 600};
constexpr int kPageRows = 1000;
constexpr int kMemoryProperties = 10000;
constexpr size_t kHeapBlocksRoom = 1 << 20;
// The floor moves its top row along with its changes every this many rows.
constexpr int kRowsPerMove = 512;

// Targets: ratios to the floor, and the growth from 10,000 to 100,000 properties.
constexpr double kRowsGoal = 1.5;
constexpr double kPaintGoal = 2.5;
constexpr double kGrowthGoal = 12;

class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp(L"PropertyGridBench") {}
};

CBenchApp theApp;

double NowMs()
{
    static const double s_dTicksPerMs = [] {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        return double(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return double(now.QuadPart) / s_dTicksPerMs;
}

// Runs the host's message loop until nothing is left to do, paints included.
void RunLoopUntilIdle()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

double Best(const std::function<double()>& measure)
{
    double dBest = measure();
    for (int i = 1; i < kRuns; ++i)
        dBest = std::min(dBest, measure());
    return dBest;
}

const char* Verdict(bool bMet)
{
    return bMet ? "ok" : "MISSED";
}

void ReportRatio(const char* pszWhat, double dValue, double dFloor, double dGoal,
                 const char* pszUnit)
{
    double dRatio = dValue / dFloor;
    std::printf("%-34s %9.2f %s  floor %9.2f %s  ratio %5.2f  (goal <= %.1f) %s\n", pszWhat, dValue,
                pszUnit, dFloor, pszUnit, dRatio, dGoal, Verdict(dRatio <= dGoal));
}

// The machine's load as Linux tells it through Wine's drive Z:, when there is one.
void PrintLoad()
{
    std::FILE* pFile = std::fopen("Z:\\proc\\loadavg", "r");
    if (pFile == nullptr)
        return;
    char szLine[128] = "";
    if (std::fgets(szLine, sizeof szLine, pFile) != nullptr)
        std::printf("Load average (1, 5, 15 min, runnable/all, last pid): %s", szLine);
    std::fclose(pFile);
}

//---------------------------------------------------------------------------------------------
// The floor: a plain owner-drawn variable-height list box in a plain window

LRESULT CALLBACK FloorWndProc(HWND, UINT, WPARAM, LPARAM);

// What the floor's rows show when they are painted, as the grid's rows do: the name and a value
// per value column, in the grid's font, at the grid's column positions.
struct FloorPaint
{
    HFONT hFont = nullptr;         // the status font, as the grid's
    std::vector<int> columnWidths; // the name column's, then the value columns'
    std::vector<const wchar_t*> texts;
};
FloorPaint g_floorPaint;

LOGFONTW StatusFont()
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return metrics.lfStatusFont;
}

// Columns of 100 pixels after the gutter, the last one taking the rest of the width.
void SetFloorColumns(SIZE listSize, int nValueColumns)
{
    if (g_floorPaint.hFont == nullptr) {
        LOGFONTW lf = StatusFont();
        g_floorPaint.hFont = ::CreateFontIndirectW(&lf);
    }
    g_floorPaint.columnWidths.assign(size_t(nValueColumns), 100);
    g_floorPaint.columnWidths.push_back(int(listSize.cx) - kRowHeight - 100 * nValueColumns);
    g_floorPaint.texts.assign(size_t(nValueColumns + 1), L"Value");
    g_floorPaint.texts[0] = L"Property";
}

void DrawFloorRow(const DRAWITEMSTRUCT& dis)
{
    if (dis.itemID == UINT(-1))
        return;
    RECT rcRow = dis.rcItem;
    ::FillRect(dis.hDC, &rcRow, ::GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ hOldFont = ::SelectObject(dis.hDC, g_floorPaint.hFont);
    ::SetBkMode(dis.hDC, TRANSPARENT);
    RECT rcCell = rcRow;
    rcCell.right = rcRow.left + kRowHeight;
    for (size_t i = 0; i < g_floorPaint.columnWidths.size(); ++i) {
        rcCell.left = rcCell.right;
        rcCell.right += g_floorPaint.columnWidths[i];
        RECT rcText = rcCell;
        rcText.left += 2;
        ::DrawTextW(dis.hDC, g_floorPaint.texts[i], -1, &rcText,
                    DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
    ::SelectObject(dis.hDC, hOldFont);
}

LRESULT CALLBACK FloorWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kRowHeight;
        return TRUE;
    case WM_DRAWITEM:
        DrawFloorRow(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

DWORD ListBoxStyle()
{
    return WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_OWNERDRAWVARIABLE | LBS_NOTIFY |
           LBS_NOINTEGRALHEIGHT;
}

// A shown plain window with the plain list box, destroyed with the object.
class CFloor
{
public:
    CFloor(SIZE listSize, int nHorizontalExtent, int nValueColumns)
    {
        SetFloorColumns(listSize, nValueColumns);
        static const ATOM s_atom = [] {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = FloorWndProc;
            wc.hInstance = ::GetModuleHandleW(nullptr);
            wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
            wc.lpszClassName = L"PropertyGridBenchFloor";
            return ::RegisterClassW(&wc);
        }();
        m_hWnd =
            ::CreateWindowExW(0, MAKEINTATOM(s_atom), L"Floor", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                              20, 20, listSize.cx + 40, listSize.cy + 60, nullptr, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
        m_hList = ::CreateWindowExW(0, L"LISTBOX", L"", ListBoxStyle(), 10, 10, listSize.cx,
                                    listSize.cy, m_hWnd, reinterpret_cast<HMENU>(UINT_PTR(kListId)),
                                    ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(m_hList, LB_SETHORIZONTALEXTENT, WPARAM(nHorizontalExtent), 0);
        m_nViewRows = (listSize.cy + kRowHeight - 1) / kRowHeight;
        ::UpdateWindow(m_hWnd);
        RunLoopUntilIdle();
    }
    ~CFloor() { ::DestroyWindow(m_hWnd); }
    CFloor(const CFloor&) = delete;
    CFloor& operator=(const CFloor&) = delete;

    HWND List() const { return m_hList; }

    // Redraw off, the window's drawing off, the top row remembered.
    void BeginBatch()
    {
        m_nTop = int(::SendMessageW(m_hList, LB_GETTOPINDEX, 0, 0));
        m_nMovedFor = -1;
        ::SendMessageW(m_hList, WM_SETREDRAW, FALSE, 0);
        ::SetWindowLongPtrW(m_hList, GWL_STYLE,
                            ::GetWindowLongPtrW(m_hList, GWL_STYLE) & ~WS_VISIBLE);
    }
    // The list box walks the row heights from its top row to each row it changes: the top row
    // goes along with the changes, a view's rows above them, as the grid's does.
    void FollowChange(int nRow, bool bDescending)
    {
        if (m_nMovedFor >= 0 && std::abs(nRow - m_nMovedFor) < kRowsPerMove)
            return;
        int nTop = nRow - m_nViewRows - (bDescending ? kRowsPerMove : 0);
        ::SendMessageW(m_hList, LB_SETTOPINDEX, WPARAM(std::max(0, nTop)), 0);
        m_nMovedFor = nRow;
    }
    void Insert(int nRow)
    {
        FollowChange(nRow, false);
        ::SendMessageW(m_hList, LB_INSERTSTRING, WPARAM(nRow), 0);
    }
    void Delete(int nRow)
    {
        FollowChange(nRow, true);
        ::SendMessageW(m_hList, LB_DELETESTRING, WPARAM(nRow), 0);
    }
    // The top row back, redraw on (the scroll bars set while the window's drawing is still
    // off), drawing on, one repaint of frame and rows.
    void EndBatch()
    {
        ::SendMessageW(m_hList, LB_SETTOPINDEX, WPARAM(m_nTop), 0);
        ::SendMessageW(m_hList, WM_SETREDRAW, TRUE, 0);
        ::SetWindowLongPtrW(m_hList, GWL_STYLE,
                            ::GetWindowLongPtrW(m_hList, GWL_STYLE) | WS_VISIBLE);
        ::RedrawWindow(m_hList, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        RunLoopUntilIdle();
        ::UpdateWindow(m_hList);
    }

private:
    HWND m_hWnd = nullptr;
    HWND m_hList = nullptr;
    int m_nViewRows = 0;  // the rows the view holds
    int m_nTop = 0;       // the top row before the batch
    int m_nMovedFor = -1; // the row the top row last moved for; -1 before the first move
};

//---------------------------------------------------------------------------------------------
// The grid in a shown host window of the framework, as a host dialog holds it

class CHost : public CWnd
{
public:
    bool Create(SIZE listSize)
    {
        LPCWSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                                ::GetSysColorBrush(COLOR_BTNFACE));
        CRect rcWindow(0, 0, listSize.cx + 20, listSize.cy + 20);
        ::AdjustWindowRectEx(&rcWindow, WS_POPUP | WS_CAPTION, FALSE, 0);
        if (!CreateEx(0, lpszClass, L"Bench", WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20,
                      rcWindow.Width(), rcWindow.Height(), nullptr, nullptr))
            return false;
        HWND hList = ::CreateWindowExW(
            0, L"LISTBOX", L"", ListBoxStyle(), 10, 10, listSize.cx, listSize.cy, m_hWnd,
            reinterpret_cast<HMENU>(UINT_PTR(kListId)), AfxGetInstanceHandle(), nullptr);
        UpdateWindow();
        RunLoopUntilIdle();
        return hList != nullptr;
    }
    HWND List() const { return ::GetDlgItem(m_hWnd, kListId); }
};

// The grid's horizontal extent on the list page and on the paint page: the floor's list box
// takes the same, and so the same scroll bars.
int g_nListExtent = 0;
int g_nPageExtent = 0;

// A shown grid with nValueColumns value columns and its root.
struct GridPage
{
    CHost host;
    CZNPropertyGrid grid;
    CZNPropertyGridCategory* pRoot = nullptr;

    bool Create(SIZE size, int nValueColumns)
    {
        if (!host.Create(size) || !grid.SubclassWindow(host.List()))
            return false;
        grid.Initialize(0);
        for (int i = 0; i < nValueColumns; ++i)
            grid.AddColumn(100, CString(L"Object ") + wchar_t(L'A' + i));
        pRoot = grid.AddCategory(nullptr, L"Root", L"");
        RunLoopUntilIdle();
        return pRoot != nullptr;
    }
    ~GridPage() { host.DestroyWindow(); }
};

// The host's values, one per value cell.
struct HostValues
{
    std::vector<CString> values;
    explicit HostValues(int nCells) : values(size_t(nCells), CString(L"Value")) {}
};

void FillCategory(CZNPropertyGrid& grid, CZNPropertyGridCategory* pCategory, int nProperties,
                  int nColumns, HostValues& host, int& nCell)
{
    for (int i = 0; i < nProperties; ++i) {
        IZNPropertyGridProperty* pProperty =
            grid.AddProperty(pCategory, L"Property", L"", unsigned(i), PGT_TEXT, L"");
        for (int c = 0; c < nColumns; ++c)
            grid.SetPropertyValue(pCategory, pProperty, c, &host.values[size_t(nCell++)]);
    }
}

// The extent a grid of the size sets once it has rows enough for its vertical scroll bar.
int GridExtent(SIZE size, int nValueColumns)
{
    GridPage page;
    HostValues values(kPropertiesPerCategory * nValueColumns);
    if (!page.Create(size, nValueColumns))
        return 0;
    int nCell = 0;
    FillCategory(page.grid, page.pRoot, kPropertiesPerCategory, nValueColumns, values, nCell);
    RunLoopUntilIdle();
    return page.grid.GetHorizontalExtent();
}

int PopulatedRows(int nProperties)
{
    return nProperties + nProperties / kPropertiesPerCategory;
}

//---------------------------------------------------------------------------------------------
// (0) a round trip to the window server

double RoundTripUs()
{
    CFloor floor(kListSize, g_nListExtent, 2);
    HWND hParent = ::GetParent(floor.List());
    double dStart = NowMs();
    for (int i = 0; i < kRoundTrips; ++i)
        ::GetTopWindow(hParent);
    return (NowMs() - dStart) * 1000.0 / kRoundTrips;
}

//---------------------------------------------------------------------------------------------
// (1) populating a shown grid, categories of 100 properties, until painted

// The first property of a type creates the type's editor, once per grid: timed on its own.
double FirstPropertyGrid()
{
    GridPage page;
    if (!page.Create(kListSize, 2))
        return 0;
    double dStart = NowMs();
    page.grid.AddProperty(page.pRoot, L"First", L"", 0, PGT_TEXT, L"");
    return NowMs() - dStart;
}

double PopulateGrid(int nProperties)
{
    GridPage page;
    HostValues values(nProperties * 2);
    if (!page.Create(kListSize, 2))
        return 0;
    // The editor of the type exists already, held by a property in a collapsed category that
    // the populated categories follow.
    CZNPropertyGridCategory* pEditors = page.grid.AddCategory(page.pRoot, L"Editors", L"");
    page.grid.AddProperty(pEditors, L"First", L"", 0, PGT_TEXT, L"");
    page.grid.ToggleExpand(pEditors);
    RunLoopUntilIdle();
    double dStart = NowMs();
    int nCell = 0;
    for (int c = 0; c < nProperties / kPropertiesPerCategory; ++c) {
        CZNPropertyGridCategory* pCategory = page.grid.AddCategory(page.pRoot, L"Category", L"");
        FillCategory(page.grid, pCategory, kPropertiesPerCategory, 2, values, nCell);
    }
    RunLoopUntilIdle();
    page.grid.UpdateWindow();
    double dElapsed = NowMs() - dStart;
    if (page.grid.GetCount() != PopulatedRows(nProperties) + 1)
        std::printf("populate: %d rows instead of %d\n", page.grid.GetCount(),
                    PopulatedRows(nProperties) + 1);
    return dElapsed;
}

double PopulateFloor(int nProperties)
{
    CFloor floor(kListSize, g_nListExtent, 2);
    double dStart = NowMs();
    floor.BeginBatch();
    for (int i = 0; i < PopulatedRows(nProperties); ++i)
        floor.Insert(i);
    floor.EndBatch();
    return NowMs() - dStart;
}

//---------------------------------------------------------------------------------------------
// (2) collapsing and expanding one category of all the properties, until painted

double ToggleGrid(int nProperties)
{
    GridPage page;
    HostValues values(nProperties * 2);
    if (!page.Create(kListSize, 2))
        return 0;
    CZNPropertyGridCategory* pCategory = page.grid.AddCategory(page.pRoot, L"Category", L"");
    int nCell = 0;
    FillCategory(page.grid, pCategory, nProperties, 2, values, nCell);
    RunLoopUntilIdle();

    double dStart = NowMs();
    page.grid.ToggleExpand(pCategory);
    RunLoopUntilIdle();
    page.grid.ToggleExpand(pCategory);
    RunLoopUntilIdle();
    page.grid.UpdateWindow();
    double dElapsed = NowMs() - dStart;
    if (page.grid.GetCount() != nProperties + 1)
        std::printf("toggle: %d rows instead of %d\n", page.grid.GetCount(), nProperties + 1);
    return dElapsed;
}

double ToggleFloor(int nProperties)
{
    CFloor floor(kListSize, g_nListExtent, 2);
    floor.BeginBatch();
    for (int i = 0; i <= nProperties; ++i)
        floor.Insert(i);
    floor.EndBatch();

    double dStart = NowMs();
    floor.BeginBatch();
    for (int i = nProperties; i >= 1; --i)
        floor.Delete(i);
    floor.EndBatch();
    floor.BeginBatch();
    for (int i = 1; i <= nProperties; ++i)
        floor.Insert(i);
    floor.EndBatch();
    return NowMs() - dStart;
}

//---------------------------------------------------------------------------------------------
// (3) repainting a full page

double PerPaint(HWND hWnd)
{
    double dStart = NowMs();
    for (int i = 0; i < kPaints; ++i) {
        ::InvalidateRect(hWnd, nullptr, FALSE);
        ::UpdateWindow(hWnd);
    }
    return (NowMs() - dStart) / kPaints;
}

double PaintGrid()
{
    GridPage page;
    HostValues values(kPageRows * 3);
    if (!page.Create(kPageSize, 3))
        return 0;
    CZNPropertyGridCategory* pCategory = page.grid.AddCategory(page.pRoot, L"Category", L"");
    int nCell = 0;
    FillCategory(page.grid, pCategory, kPageRows, 3, values, nCell);
    page.grid.SetCurSel(1);
    RunLoopUntilIdle();
    return PerPaint(page.grid);
}

double PaintFloor()
{
    CFloor floor(kPageSize, g_nPageExtent, 3);
    floor.BeginBatch();
    for (int i = 0; i < kPageRows; ++i)
        floor.Insert(i);
    floor.EndBatch();
    ::SendMessageW(floor.List(), LB_SETCURSEL, 1, 0);
    RunLoopUntilIdle();
    return PerPaint(floor.List());
}

//---------------------------------------------------------------------------------------------
// (4) memory per property: the heap blocks in use and the grid's pool pages, counted before and
// after

struct HeapBlock
{
    LPVOID pData;
    SIZE_T nSize; // with its overhead
    bool operator<(const HeapBlock& other) const
    {
        return pData != other.pData ? pData < other.pData : nSize < other.nSize;
    }
};

// Every block in use, by address, into room reserved beforehand: a walk that allocated would
// count itself.
void TakeHeapSnapshot(std::vector<HeapBlock>& blocks)
{
    blocks.clear();
    HANDLE heaps[64];
    DWORD nHeaps = ::GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < nHeaps && i < 64; ++i) {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry) && blocks.size() < blocks.capacity()) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0)
                blocks.push_back({entry.lpData, entry.cbData + entry.cbOverhead});
        }
        ::HeapUnlock(heaps[i]);
    }
    std::sort(blocks.begin(), blocks.end());
}

// What the blocks in use after took beyond those before: per property, the bytes, and the
// blocks of each size that come with every property, the rest being the share of the growing
// arrays (the category's property list, the list box's items); and the grid's pool pages.
struct HeapGrowth
{
    double dBytes = 0;
    double dBlocks = 0;
    std::map<SIZE_T, double> blocksBySize; // block size -> blocks per property
    double dArrayBytes = 0;                // per property, in blocks fewer than one per property
    double dPoolBytes = 0;                 // per property, in the pool's pages
};

HeapGrowth MeasureGrowth(const std::function<void()>& grow)
{
    std::vector<HeapBlock> before, after;
    before.reserve(kHeapBlocksRoom);
    after.reserve(kHeapBlocksRoom);
    size_t nPagesBefore = CZNPropertyGridBlockPool::PageCount();
    TakeHeapSnapshot(before);
    grow();
    TakeHeapSnapshot(after);
    size_t nPagesAfter = CZNPropertyGridBlockPool::PageCount();
    std::vector<HeapBlock> added, removed;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::back_inserter(added));
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                        std::back_inserter(removed));
    std::map<SIZE_T, int> addedBySize;
    double dBytes = 0;
    for (const HeapBlock& block : added) {
        ++addedBySize[block.nSize];
        dBytes += double(block.nSize);
    }
    for (const HeapBlock& block : removed)
        dBytes -= double(block.nSize);

    HeapGrowth growth;
    growth.dPoolBytes = (double(nPagesAfter) - double(nPagesBefore)) *
                        CZNPropertyGridBlockPool::kPageBytes / kMemoryProperties;
    growth.dBytes = dBytes / kMemoryProperties;
    double dWholeBlocks = 0;
    for (const auto& [nSize, nCount] : addedBySize) {
        double dPerProperty = double(nCount) / kMemoryProperties;
        if (dPerProperty < 0.5)
            continue;
        growth.blocksBySize[nSize] = dPerProperty;
        growth.dBlocks += dPerProperty;
        dWholeBlocks += double(nSize) * dPerProperty;
    }
    growth.dArrayBytes = growth.dBytes - dWholeBlocks;
    return growth;
}

void PrintBlocks(const HeapGrowth& growth)
{
    for (const auto& [nSize, dCount] : growth.blocksBySize)
        std::printf(" %.1f x %u B", dCount, unsigned(nSize));
    std::printf(", arrays %.1f B\n", growth.dArrayBytes);
}

// Adds kMemoryProperties properties of two value columns to categories of 100 under the root,
// shown or collapsed; the first property of the type brings the type's shared editor, which is
// not per property.
HeapGrowth MemoryOfProperties(bool bShown)
{
    GridPage page;
    HostValues values(kMemoryProperties * 2);
    if (!page.Create(kListSize, 2))
        return {};
    std::vector<CZNPropertyGridCategory*> categories;
    for (int c = 0; c < kMemoryProperties / kPropertiesPerCategory; ++c) {
        categories.push_back(page.grid.AddCategory(page.pRoot, L"Category", L""));
        if (!bShown)
            page.grid.ToggleExpand(categories.back());
    }
    page.grid.AddProperty(page.pRoot, L"First", L"", 0, PGT_TEXT, L"");
    RunLoopUntilIdle();
    return MeasureGrowth([&] {
        int nCell = 0;
        for (CZNPropertyGridCategory* pCategory : categories)
            FillCategory(page.grid, pCategory, kPropertiesPerCategory, 2, values, nCell);
        RunLoopUntilIdle();
    });
}

// The memory as the text property of two value columns takes it: in the grid's pool, its object
// and its column states (value, host data, flags and check-box tip of each value column); on the
// heap, its name (the heap's smallest block) and its category's pointer to it (an array's
// share). Its row: the grid's row record (in the pool) and the list box's item (its array's
// share on the heap).
void ReportMemory()
{
    HeapGrowth shown = MemoryOfProperties(true);
    HeapGrowth hidden = MemoryOfProperties(false);
    std::printf("(4) memory per property, two value columns: %.1f bytes: %.1f in the grid's pool, "
                "%.1f in %.1f heap blocks\n",
                shown.dPoolBytes + shown.dBytes, shown.dPoolBytes, shown.dBytes, shown.dBlocks);
    std::printf("      the property (no row):    pool %6.1f B (object, column states), heap "
                "%6.1f B:",
                hidden.dPoolBytes, hidden.dBytes);
    PrintBlocks(hidden);
    std::printf("        = name, category's pointer\n");
    std::printf("      its row:                  pool %6.1f B (record), heap %6.1f B (the list "
                "box's item)\n",
                shown.dPoolBytes - hidden.dPoolBytes, shown.dBytes - hidden.dBytes);
    std::printf("      all heap blocks with the row:    ");
    PrintBlocks(shown);
}

//---------------------------------------------------------------------------------------------

void ReportRows(const char* pszWhat, const std::function<double(int)>& grid,
                const std::function<double(int)>& floor, const std::function<int(int)>& rows)
{
    std::printf("%s\n", pszWhat);
    std::vector<double> times;
    for (int nSize : kSizes) {
        double dGrid = Best([&] { return grid(nSize); });
        double dFloor = Best([&] { return floor(nSize); });
        times.push_back(dGrid);
        char szWhat[64];
        std::snprintf(szWhat, sizeof szWhat, "  %7d properties, %5.2f us/row", nSize,
                      dGrid * 1000.0 / rows(nSize));
        ReportRatio(szWhat, dGrid, dFloor, kRowsGoal, "ms");
    }
    double dGrowth = times[2] / times[1];
    std::printf("  growth 100,000 / 10,000: %.2f  (goal <= %.0f, linear 10) %s\n", dGrowth,
                kGrowthGoal, Verdict(dGrowth <= kGrowthGoal));
}

} // namespace

int main()
{
    AfxWinInit(::GetModuleHandleW(nullptr), nullptr, ::GetCommandLineW(), SW_SHOWNORMAL);
    InitPropertyGridCtrl();
    for (int i = 1; i < __argc; ++i) {
        if (std::strcmp(__argv[i], "--pin") == 0 &&
            ::SetProcessAffinityMask(::GetCurrentProcess(), 1))
            std::printf("Pinned to the first core.\n");
    }
    PrintLoad();
    g_nListExtent = GridExtent(kListSize, 2);
    g_nPageExtent = GridExtent(kPageSize, 3);
    std::printf("Window server round trip (GetTopWindow): %.1f us\n", RoundTripUs());
    std::printf("Best of %d runs. Floor: a plain Win32 owner-drawn variable-height list box, "
                "redraw off, top row moved along.\n",
                kRuns);

    ReportRows("(1) populate a shown grid, categories of 100, until painted", PopulateGrid,
               PopulateFloor, PopulatedRows);
    std::printf("  and the first property of a type, which creates the type's editor: %.2f ms\n",
                Best(FirstPropertyGrid));
    ReportRows("(2) collapse and expand one category, until painted", ToggleGrid, ToggleFloor,
               [](int nProperties) { return 2 * nProperties; });

    double dPaint = Best(PaintGrid);
    double dPaintFloor = Best(PaintFloor);
    ReportRatio("(3) repaint a 1000x600 page, 3 columns", dPaint, dPaintFloor, kPaintGoal, "ms");

    ReportMemory();
    PrintLoad();
    return 0;
}
