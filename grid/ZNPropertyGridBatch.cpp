// Batches of row changes: the list box's redraw off until the batch ends, and its top row moved
// next to the rows a batch changes far from it.
//
// Every row inserted into a shown list box costs a repaint and a scroll-bar update, so a batch
// inserts and deletes with the list box's redraw off and repaints once. And the list box walks
// the row heights from its top row to every row it inserts or deletes: with the top row left at
// the head of the list, 100,000 rows appended cost 5 billion steps. A change that shows, or
// comes near the top row, is therefore made with the top row where the row-by-row steps have
// it. A change further from it than the view and a move's worth of rows does not show in the
// row-by-row steps either; for it the list box's top row moves next to the change, just out of
// view, where the walk is short. Nothing else sees the moved top row: it goes back when a change
// comes near the top row again, when the batch ends, and before any other message that reads or
// moves it reaches the list box. Rows, selection and caret do not depend on the top row, and the
// changes that decide whether the list box repaints or scrolls when its redraw comes back on are
// made where the row-by-row steps make them, so a batch ends as those steps do.
#include <ZNPropertyGrid.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

namespace {

// A moved top row serves twice this many changes on one side of it before it moves again, each
// at most this many rows further from it than the view reaches.
constexpr int kRowsPerMove = 256;

// List box messages that neither change the list box nor read its top row or its size.
bool IsPlainRead(UINT message)
{
    switch (message) {
    case LB_GETCOUNT:
    case LB_GETITEMDATA:
    case LB_GETCURSEL:
    case LB_GETSEL:
    case LB_GETCARETINDEX:
    case LB_GETANCHORINDEX:
    case LB_GETITEMHEIGHT:
    case LB_GETTEXT:
    case LB_GETTEXTLEN:
    case LB_GETHORIZONTALEXTENT:
    case WM_GETFONT:
        return true;
    default:
        return false;
    }
}

// List box messages that insert or delete rows, whoever sends them.
bool IsRowChange(UINT message)
{
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_DIR:
    case LB_ADDFILE:
    case LB_SETCOUNT:
    case WM_NCDESTROY:
        return true;
    default:
        return false;
    }
}

} // namespace

//---------------------------------------------------------------------------------------------
// Redraw

bool CZNPropertyGrid::SuspendRedraw()
{
    if (m_bRedrawSuspended || !IsWindowVisible())
        return false;
    SetRedraw(FALSE);
    m_bRedrawSuspended = true;
    return true;
}

void CZNPropertyGrid::ResumeRedraw()
{
    RestoreTopRow();
    m_bRedrawSuspended = false;
    // As its redraw comes back on, the list box sets its scroll bars, showing or hiding them,
    // each a change of the frame that would be painted at once and then again with the client
    // area; with the window's drawing off meanwhile, frame and client are painted once after.
    ScrollBarsState before = ScrollBars();
    bool bHide = IsWindowVisible() != FALSE;
    if (bHide)
        ModifyStyle(WS_VISIBLE, 0);
    SetRedraw(TRUE);
    if (bHide)
        ModifyStyle(0, WS_VISIBLE);
    // With erase: rows may have gone, and the buffer below the last row must be cleared.
    UINT nFlags = RDW_INVALIDATE | RDW_ERASE;
    if (bHide && !(ScrollBars() == before))
        nFlags |= RDW_FRAME;
    RedrawWindow(nullptr, nullptr, nFlags);
}

CZNPropertyGrid::ScrollBarsState CZNPropertyGrid::ScrollBars() const
{
    ScrollBarsState state = {GetStyle() & (WS_VSCROLL | WS_HSCROLL), {}, {}};
    for (SCROLLINFO* pInfo : {&state.vertical, &state.horizontal}) {
        pInfo->cbSize = sizeof(SCROLLINFO);
        pInfo->fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    }
    ::GetScrollInfo(m_hWnd, SB_VERT, &state.vertical);
    ::GetScrollInfo(m_hWnd, SB_HORZ, &state.horizontal);
    return state;
}

bool CZNPropertyGrid::ScrollBarsState::operator==(const ScrollBarsState& other) const
{
    auto same = [](const SCROLLINFO& a, const SCROLLINFO& b) {
        return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
    };
    return dwStyle == other.dwStyle && same(vertical, other.vertical) &&
           same(horizontal, other.horizontal);
}

// A host adds categories and properties one call at a time, with no call that ends the
// series; the redraw stays off until its message loop runs again.
void CZNPropertyGrid::DeferRedraw()
{
    if (!SuspendRedraw())
        return;
    // Rows inserted without redraw invalidate nothing; this makes a paint that the host asks
    // for before its loop runs again (UpdateWindow) show them.
    Invalidate(TRUE);
    if (m_bResumePosted)
        return;
    m_bResumePosted = PostMessage(PGM_RESUMEREDRAW) != FALSE;
    if (!m_bResumePosted)
        ResumeRedraw();
}

LRESULT CZNPropertyGrid::OnResumeRedraw(WPARAM, LPARAM)
{
    m_bResumePosted = false;
    if (m_bRedrawSuspended)
        ResumeRedraw();
    return 0;
}

// While the redraw is off the resumption invalidates everything anyway, and a hidden window is
// painted whole when it shows; an invalidation costs a round trip to the window server, which
// a series of 10,000 additions would pay each time.
void CZNPropertyGrid::InvalidateGrid(BOOL bErase)
{
    if (!m_bRedrawSuspended && IsWindowVisible())
        Invalidate(bErase);
}

//---------------------------------------------------------------------------------------------
// What the grid knows of its list box

// Whatever else reaches the list box sees it as the row-by-row steps leave it, and may change
// what the grid knew of it.
void CZNPropertyGrid::NoteListBoxMessage(UINT message)
{
    if (IsRowChange(message))
        ++m_nRowChanges;
    if (!m_bInRowChange && !IsPlainRead(message)) {
        RestoreTopRow();
        m_Facts = ListBoxFacts();
    } else if (message == WM_SIZE) {
        m_Facts.size = CSize(-1, -1);
    }
}

// The grid's own row changes and reads, past the guard in WindowProc. They are handed to the
// window procedure as the framework dispatches a sent message, without the system's send: that
// costs a transition into the system and back per message, and a populated grid sends one per
// row.
LRESULT CZNPropertyGrid::SendToListBox(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd == nullptr)
        return 0;
    bool bWasInRowChange = std::exchange(m_bInRowChange, true);
    LRESULT lResult = AfxCallWndProc(this, m_hWnd, message, wParam, lParam);
    m_bInRowChange = bWasInRowChange;
    return lResult;
}

// A fact of the list box, asked for when the grid does not know it.
int CZNPropertyGrid::ListBoxFact(int& nFact, UINT message)
{
    if (nFact < 0)
        nFact = int(SendToListBox(message, 0, 0));
    return nFact;
}

int CZNPropertyGrid::RowCount()
{
    return ListBoxFact(m_Facts.nRows, LB_GETCOUNT);
}

int CZNPropertyGrid::TopRow()
{
    return ListBoxFact(m_Facts.nTopRow, LB_GETTOPINDEX);
}

CSize CZNPropertyGrid::ClientSize()
{
    if (m_Facts.size.cx < 0) {
        CRect rcClient(0, 0, 0, 0);
        GetClientRect(&rcClient);
        m_Facts.size = rcClient.Size();
    }
    return m_Facts.size;
}

int CZNPropertyGrid::HorizontalExtent()
{
    return ListBoxFact(m_Facts.nHorizontalExtent, LB_GETHORIZONTALEXTENT);
}

// A change of the system's metrics reaches the grid as a message, which makes it forget.
int CZNPropertyGrid::ScrollBarWidth()
{
    if (m_Facts.nScrollBarWidth < 0)
        m_Facts.nScrollBarWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    return m_Facts.nScrollBarWidth;
}

// Every row is at least a pixel high: a row a view's height of rows below the top row is out
// of view.
int CZNPropertyGrid::ViewHeight()
{
    return std::max(int(ClientSize().cy), 1);
}

//---------------------------------------------------------------------------------------------
// Top-row moves

void CZNPropertyGrid::PrepareRowChange(int nRow)
{
    TopRowMove& move = m_TopRowMove;
    int nPrevious = std::exchange(move.nLastChanged, nRow);
    bool bMoved = move.nRestore >= 0;
    // A shown grid outside a batch changes one row at a time: a move there and back would cost
    // more than the change.
    if (!bMoved && !m_bRedrawSuspended && IsWindowVisible())
        return;
    int nTop = bMoved ? move.nRestore : TopRow();
    if (std::abs(nRow - nTop) <= ViewHeight() + kRowsPerMove) {
        RestoreTopRow();
        return;
    }
    if (bMoved && move.Serves(nRow)) {
        // A change above the shown top row shifts the rows below it.
        if (nRow < move.nShown)
            move.nFirstHidden = INT_MAX;
        return;
    }
    MoveTopRowNear(nRow, nRow < nPrevious);
}

bool CZNPropertyGrid::TopRowMove::Serves(int nRow) const
{
    if (nRow < nShown)
        return nShown - nRow <= 2 * kRowsPerMove + 1;
    return nRow >= nFirstHidden && nRow - nFirstHidden <= 2 * kRowsPerMove;
}

// Puts the list box's top row where the change to nRow, and the changes after it in the
// batch's direction, do not show: a view's height of rows above them, or else below them.
void CZNPropertyGrid::MoveTopRowNear(int nRow, bool bDescending)
{
    TopRowMove& move = m_TopRowMove;
    if (move.nRestore < 0)
        move.nRestore = TopRow();
    // The first row of a view that ends just above the change.
    int nViewStart = RowFillingView(nRow - 1, -1);
    int nTop = 0;
    if (nViewStart < 0)
        nTop = nRow + (bDescending ? 1 : 2 * kRowsPerMove);
    else
        nTop = bDescending ? std::max(0, nViewStart - 2 * kRowsPerMove) : nViewStart;
    SetTopRow(nTop);
    // The list box keeps its top row within its rows.
    move.nShown = int(SendToListBox(LB_GETTOPINDEX, 0, 0));
    int nLastShown = move.nShown < nRow ? RowFillingView(move.nShown, 1) : -1;
    move.nFirstHidden = nLastShown < 0 ? INT_MAX : nLastShown + 1;
    // Where that leaves the change in view, it is made from the row-by-row top row.
    if (!move.Serves(nRow))
        RestoreTopRow();
}

void CZNPropertyGrid::RestoreTopRow()
{
    TopRowMove& move = m_TopRowMove;
    if (move.nRestore < 0)
        return;
    SetTopRow(std::exchange(move.nRestore, -1));
    ShowDrawing();
}

// A shown list box scrolls its pixels and its child windows (an open editor) on the screen
// when its top row moves; without WS_VISIBLE it only takes the new top row. Switching the
// window's drawing off and on costs a round trip to the window server each, so it stays off
// from one move to the next: within a batch that ends before its call returns, and between the
// calls of a host's series of additions while no editor is open. Any other message that reaches
// the list box, and the series' end, switch it on again first.
void CZNPropertyGrid::SetTopRow(int nTop)
{
    bool bWasInRowChange = std::exchange(m_bInRowChange, true);
    bool bHide = !m_TopRowMove.bDrawingHidden && IsWindowVisible();
    if (bHide) {
        ModifyStyle(WS_VISIBLE, 0);
        m_TopRowMove.bDrawingHidden = true;
    }
    SendMessage(LB_SETTOPINDEX, WPARAM(nTop));
    m_Facts.nTopRow = -1;
    bool bKeepHidden = m_bOneCallBatch || (m_bRedrawSuspended && m_pActiveProperty == nullptr);
    if (!bKeepHidden)
        ShowDrawing();
    m_bInRowChange = bWasInRowChange;
}

void CZNPropertyGrid::ShowDrawing()
{
    if (!std::exchange(m_TopRowMove.bDrawingHidden, false))
        return;
    bool bWasInRowChange = std::exchange(m_bInRowChange, true);
    ModifyStyle(0, WS_VISIBLE);
    m_bInRowChange = bWasInRowChange;
}

// Walking the rows from nRow by nStep (1 or -1), the row with which the rows walked fill the
// view; -1 when the rows end first.
int CZNPropertyGrid::RowFillingView(int nRow, int nStep)
{
    int nHeight = ViewHeight();
    int nEnd = nStep < 0 ? -1 : RowCount();
    for (; nRow != nEnd; nRow += nStep) {
        nHeight -= int(SendToListBox(LB_GETITEMHEIGHT, WPARAM(nRow), 0));
        if (nHeight <= 0)
            return nRow;
    }
    return -1;
}
