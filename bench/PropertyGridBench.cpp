// Timings and memory of the property grid, each beside a floor measured in the same process:
// what a bare owner-drawn list box costs for the same rows. Run by hand under Wine:
//   build/wine-run.sh build/bin/PropertyGridBench.exe
#include <ZNPropertyGrid.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kCategories = 100;
constexpr int kPropertiesPerCategory = 100;
constexpr int kProperties = kCategories * kPropertiesPerCategory;
constexpr int kRowHeight = 18;
constexpr int kRuns = 3;
constexpr int kPaints = 40;
constexpr UINT kListId = 1000;

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

void Report(const char* pszWhat, double dValue, double dFloor, double dGoal, const char* pszUnit)
{
    double dRatio = dValue / dFloor;
    std::printf("%-44s %9.2f %s  floor %9.2f %s  ratio %5.2f  (goal <= %.0f) %s\n", pszWhat, dValue,
                pszUnit, dFloor, pszUnit, dRatio, dGoal, dRatio <= dGoal ? "ok" : "MISSED");
}

// A shown top-level window holding one list box, as a host dialog holds the grid.
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
            0, L"LISTBOX", L"",
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_OWNERDRAWVARIABLE | LBS_NOTIFY |
                LBS_NOINTEGRALHEIGHT,
            10, 10, listSize.cx, listSize.cy, m_hWnd, reinterpret_cast<HMENU>(UINT_PTR(kListId)),
            AfxGetInstanceHandle(), nullptr);
        UpdateWindow();
        RunLoopUntilIdle();
        return hList != nullptr;
    }
    HWND List() const { return ::GetDlgItem(m_hWnd, kListId); }
};

// The least a list of these rows can cost: fixed-height rows, and, when asked for, each row
// filled and its texts drawn at the grid's column positions.
class CBareList : public CListBox
{
public:
    std::vector<int> m_ColumnWidths;
    std::vector<CString> m_Texts;
    CFont m_Font;

    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        lpMeasureItemStruct->itemHeight = kRowHeight;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        if (m_ColumnWidths.empty() || lpDrawItemStruct->itemID == UINT(-1))
            return;
        HDC hDC = lpDrawItemStruct->hDC;
        RECT rcRow = lpDrawItemStruct->rcItem;
        ::FillRect(hDC, &rcRow, ::GetSysColorBrush(COLOR_WINDOW));
        HGDIOBJ hOldFont = ::SelectObject(hDC, m_Font);
        ::SetBkMode(hDC, TRANSPARENT);
        RECT rcCell = rcRow;
        for (size_t i = 0; i < m_ColumnWidths.size(); ++i) {
            rcCell.left = rcCell.right = i == 0 ? rcRow.left + kRowHeight : rcCell.right;
            rcCell.right += m_ColumnWidths[i];
            RECT rcText = rcCell;
            rcText.left += 2;
            ::DrawTextW(hDC, m_Texts[i], -1, &rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        }
        ::SelectObject(hDC, hOldFont);
    }
};

LOGFONTW StatusFont()
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return metrics.lfStatusFont;
}

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

struct HostValues
{
    std::vector<CString> values;
    HostValues(int nCells) : values(size_t(nCells), CString(L"Value")) {}
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

//---------------------------------------------------------------------------------------------
// (1) populating a shown grid

double PopulateGrid()
{
    GridPage page;
    HostValues values(kProperties * 2);
    if (!page.Create({400, 300}, 2))
        return 0;
    double dStart = NowMs();
    int nCell = 0;
    for (int c = 0; c < kCategories; ++c) {
        CZNPropertyGridCategory* pCategory = page.grid.AddCategory(page.pRoot, L"Category", L"");
        FillCategory(page.grid, pCategory, kPropertiesPerCategory, 2, values, nCell);
    }
    RunLoopUntilIdle();
    page.grid.UpdateWindow();
    double dElapsed = NowMs() - dStart;
    if (page.grid.GetCount() != kProperties + kCategories)
        std::printf("populate: %d rows instead of %d\n", page.grid.GetCount(),
                    kProperties + kCategories);
    return dElapsed;
}

double PopulateBareList()
{
    CHost host;
    CBareList list;
    if (!host.Create({400, 300}) || !list.SubclassWindow(host.List()))
        return 0;
    double dStart = NowMs();
    list.SetRedraw(FALSE);
    for (int i = 0; i < kProperties + kCategories; ++i)
        list.InsertString(i, nullptr);
    list.SetRedraw(TRUE);
    list.Invalidate();
    RunLoopUntilIdle();
    list.UpdateWindow();
    double dElapsed = NowMs() - dStart;
    host.DestroyWindow();
    return dElapsed;
}

//---------------------------------------------------------------------------------------------
// (2) collapsing and expanding one category of 10,000 properties

double ToggleGrid()
{
    GridPage page;
    HostValues values(kProperties * 2);
    if (!page.Create({400, 300}, 2))
        return 0;
    CZNPropertyGridCategory* pCategory = page.grid.AddCategory(page.pRoot, L"Category", L"");
    int nCell = 0;
    FillCategory(page.grid, pCategory, kProperties, 2, values, nCell);
    RunLoopUntilIdle();

    double dStart = NowMs();
    page.grid.ToggleExpand(pCategory);
    RunLoopUntilIdle();
    page.grid.ToggleExpand(pCategory);
    RunLoopUntilIdle();
    page.grid.UpdateWindow();
    return NowMs() - dStart;
}

double ToggleBareList()
{
    CHost host;
    CBareList list;
    if (!host.Create({400, 300}) || !list.SubclassWindow(host.List()))
        return 0;
    list.SetRedraw(FALSE);
    for (int i = 0; i <= kProperties; ++i)
        list.InsertString(i, nullptr);
    list.SetRedraw(TRUE);
    RunLoopUntilIdle();

    double dStart = NowMs();
    list.SetRedraw(FALSE);
    for (int i = kProperties; i >= 1; --i)
        list.DeleteString(UINT(i));
    list.SetRedraw(TRUE);
    list.Invalidate();
    RunLoopUntilIdle();
    list.SetRedraw(FALSE);
    for (int i = 1; i <= kProperties; ++i)
        list.InsertString(i, nullptr);
    list.SetRedraw(TRUE);
    list.Invalidate();
    RunLoopUntilIdle();
    list.UpdateWindow();
    double dElapsed = NowMs() - dStart;
    host.DestroyWindow();
    return dElapsed;
}

//---------------------------------------------------------------------------------------------
// (3) repainting a full page

constexpr SIZE kPageSize = {1000, 600};
constexpr int kPageRows = 1000;

double PerPaint(CWnd& wnd)
{
    double dStart = NowMs();
    for (int i = 0; i < kPaints; ++i) {
        wnd.Invalidate(FALSE);
        wnd.UpdateWindow();
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

double PaintBareList()
{
    CHost host;
    CBareList list;
    if (!host.Create(kPageSize) || !list.SubclassWindow(host.List()))
        return 0;
    LOGFONTW lf = StatusFont();
    list.m_Font.CreateFontIndirect(&lf);
    list.m_ColumnWidths = {100, 100, 100, kPageSize.cx - kRowHeight - 300};
    list.m_Texts = {L"Property", L"Value", L"Value", L"Value"};
    list.SetRedraw(FALSE);
    for (int i = 0; i < kPageRows; ++i)
        list.InsertString(i, nullptr);
    list.SetRedraw(TRUE);
    list.SetCurSel(1);
    RunLoopUntilIdle();
    double dPerPaint = PerPaint(list);
    host.DestroyWindow();
    return dPerPaint;
}

//---------------------------------------------------------------------------------------------
// (4) memory per property: every heap's blocks in use, counted before and after

SIZE_T HeapBytesInUse()
{
    std::vector<HANDLE> heaps(::GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(::GetProcessHeaps(DWORD(heaps.size()), heaps.data()));
    SIZE_T nTotal = 0;
    for (HANDLE hHeap : heaps) {
        if (!::HeapLock(hHeap))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(hHeap, &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0)
                nTotal += entry.cbData + entry.cbOverhead;
        }
        ::HeapUnlock(hHeap);
    }
    return nTotal;
}

void MeasureMemory()
{
    GridPage page;
    HostValues values(kProperties * 2);
    if (!page.Create({400, 300}, 2))
        return;
    std::vector<CZNPropertyGridCategory*> categories;
    for (int c = 0; c < kCategories; ++c)
        categories.push_back(page.grid.AddCategory(page.pRoot, L"Category", L""));
    // The first property of the type brings the type's shared editor; it is not per property.
    page.grid.AddProperty(page.pRoot, L"First", L"", 0, PGT_TEXT, L"");
    RunLoopUntilIdle();

    SIZE_T nHeapBefore = HeapBytesInUse();
    int nCell = 0;
    for (CZNPropertyGridCategory* pCategory : categories)
        FillCategory(page.grid, pCategory, kPropertiesPerCategory, 2, values, nCell);
    RunLoopUntilIdle();
    SIZE_T nHeapAfter = HeapBytesInUse();
    std::printf("%-44s %9.1f bytes of heap blocks in use, row and list box item included\n",
                "(4) memory per property, two value columns",
                double(nHeapAfter - nHeapBefore) / kProperties);
}

} // namespace

int main()
{
    AfxWinInit(::GetModuleHandleW(nullptr), nullptr, ::GetCommandLineW(), SW_SHOWNORMAL);
    InitPropertyGridCtrl();
    std::printf("Best of %d runs; floors are bare owner-drawn list boxes with redraw off.\n",
                kRuns);

    double dPopulate = Best(PopulateGrid);
    double dPopulateFloor = Best(PopulateBareList);
    Report("(1) populate 10,000 properties, to painted", dPopulate, dPopulateFloor, 3, "ms");

    double dToggle = Best(ToggleGrid);
    double dToggleFloor = Best(ToggleBareList);
    Report("(2) collapse and expand 10,000 properties", dToggle, dToggleFloor, 3, "ms");

    double dPaint = Best(PaintGrid);
    double dPaintFloor = Best(PaintBareList);
    Report("(3) repaint a 1000x600 page, 3 value columns", dPaint, dPaintFloor, 4, "ms");

    MeasureMemory();
    return 0;
}
