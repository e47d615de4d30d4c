// The check box of a value cell: state tables, geometry, drawing, Space and mouse tracking.
#include "model/ZNPropertyGridCheckBox.h"

#include "model/ZNPropertyGridPaint.h"
#include "model/ZNPropertyGridProperty.h"

#include <iterator>

namespace {

constexpr int kStateShift = 28;
// Room between the box and the text or editor after it.
constexpr int kGap = 4;
// The check box's part in the visual styles; its states are the check-box states themselves.
constexpr int kCheckBoxPart = 3;

// Without visual styles the mixed states look like the checked ones; states above 12 are not
// check boxes at all and show nothing.
void DrawClassic(HDC hDC, unsigned nState, RECT rcBox)
{
    static const UINT kFrameFlags[] = {
        0,
        DFCS_BUTTONCHECK,
        DFCS_HOT,
        DFCS_PUSHED,
        DFCS_INACTIVE,
        DFCS_CHECKED,
        DFCS_CHECKED | DFCS_HOT,
        DFCS_CHECKED | DFCS_PUSHED,
        DFCS_CHECKED | DFCS_INACTIVE,
        DFCS_CHECKED,
        DFCS_CHECKED | DFCS_HOT,
        DFCS_CHECKED | DFCS_PUSHED,
        DFCS_CHECKED | DFCS_INACTIVE,
    };
    if (nState == 0 || nState >= std::size(kFrameFlags))
        return;
    ::DrawFrameControl(hDC, &rcBox, DFC_BUTTON, kFrameFlags[nState] | DFCS_FLAT);
}

// Where each state (0 to 12) goes; 0 where it does not change. The states come in three kinds,
// unchecked (1 to 4), checked (5 to 8) and mixed (9 to 12), each normal, hot, pressed and
// disabled; a disabled box never changes.
using StateTable = unsigned[13];
// A press on the box.
constexpr StateTable kPressed = {0, 3, 3, 0, 0, 7, 7, 0, 0, 11, 11, 0, 0};
// A release on the box toggles it and leaves it hot, the mouse being still over it.
constexpr StateTable kReleasedInside = {0, 6, 6, 6, 0, 2, 2, 2, 0, 6, 6, 6, 0};
// A release away from the box after a press on it gives up: back to normal, unchanged.
constexpr StateTable kReleasedOutside = {0, 1, 1, 1, 0, 5, 5, 5, 0, 9, 9, 9, 0};
// The mouse coming onto the box, and leaving it.
constexpr StateTable kHot = {0, 2, 0, 0, 0, 6, 0, 0, 0, 10, 0, 0, 0};
constexpr StateTable kCold = {0, 0, 1, 0, 0, 0, 5, 0, 0, 0, 9, 0, 0};
// Space checks an unchecked or mixed box and clears a checked one, in its normal look.
constexpr StateTable kSpaceToggled = {0, 5, 5, 5, 0, 1, 1, 1, 0, 5, 5, 5, 0};

unsigned Next(const StateTable& table, unsigned nState)
{
    return nState < std::size(table) ? table[nState] : 0;
}

unsigned StateOfCell(IZNPropertyGridProperty* pProperty, int nIndex)
{
    return CZNPropertyGridCheckBox::StateOf(pProperty->TestFlag(nIndex, PGCB_MASK));
}

} // namespace

CZNPropertyGridCheckBox::CZNPropertyGridCheckBox()
    : m_bCheckBoxPressed(false), m_bCheckBoxHot(false), m_nCaptureItem(-1), m_nCaptureColumn(-1)
{
}

unsigned CZNPropertyGridCheckBox::StateOf(unsigned dwFlags)
{
    return (dwFlags & PGCB_MASK) >> kStateShift;
}

unsigned CZNPropertyGridCheckBox::FlagsOf(unsigned nState)
{
    return (nState << kStateShift) & PGCB_MASK;
}

bool CZNPropertyGridCheckBox::IsChecked(unsigned dwFlags)
{
    unsigned nState = StateOf(dwFlags);
    return nState >= 5 && nState <= 8;
}

CRect CZNPropertyGridCheckBox::BoxRect(const RECT& rcCell)
{
    int nSide = rcCell.bottom - rcCell.top - 4;
    return CRect(rcCell.left + 2, rcCell.top + 2, rcCell.left + 2 + nSide, rcCell.top + 2 + nSide);
}

void CZNPropertyGridCheckBox::SkipBox(RECT& rcCell)
{
    rcCell.left += BoxRect(rcCell).Width() + kGap;
}

void CZNPropertyGridCheckBox::Draw(HANDLE& hTheme, HWND hWnd, HDC hDC, unsigned nState,
                                   const RECT& rcBox)
{
    if (!DrawThemedPart(hTheme, hWnd, hDC, L"BUTTON", kCheckBoxPart, int(nState), rcBox))
        DrawClassic(hDC, nState, rcBox);
}

bool CZNPropertyGridCheckBox::ToggleWithSpace(IZNPropertyGridProperty* pProperty, int nIndex)
{
    unsigned nToggled = Next(kSpaceToggled, StateOfCell(pProperty, nIndex));
    if (nToggled == 0)
        return false;
    // The property tells the host when the box changes between checked and not checked.
    pProperty->SetCheckBoxState(nIndex, FlagsOf(nToggled));
    return true;
}

eReturnEvent CZNPropertyGridCheckBox::OnLButtonDown(IZNPropertyGridProperty* pProperty,
                                                    CPoint point)
{
    return Track(pProperty, point, &CZNPropertyGridCheckBox::Press);
}

eReturnEvent CZNPropertyGridCheckBox::OnLButtonUp(IZNPropertyGridProperty* pProperty, CPoint point)
{
    return Track(pProperty, point, &CZNPropertyGridCheckBox::Release);
}

eReturnEvent CZNPropertyGridCheckBox::OnMouseMove(IZNPropertyGridProperty* pProperty, CPoint point)
{
    return Track(pProperty, point, &CZNPropertyGridCheckBox::Hover);
}

eReturnEvent CZNPropertyGridCheckBox::Track(IZNPropertyGridProperty* pProperty, CPoint point,
                                            Handler pHandler)
{
    CZNPropertyGrid* pGrid = pProperty->GetGrid();
    if (pGrid == nullptr)
        return RE_NONE;
    // While a box is tracked the mouse may be anywhere; it is still that box that answers.
    int nRow = m_nCaptureItem;
    int nColumn = m_nCaptureColumn;
    if (!m_bCheckBoxPressed && !m_bCheckBoxHot) {
        BOOL bOutside = FALSE;
        nRow = int(pGrid->ItemFromPoint(point, bOutside));
        nColumn = pGrid->ColumnFromPoint(point);
    }
    CRect rcCell;
    if (nColumn < 1 || !pGrid->ColumnRect(nRow, nColumn, &rcCell))
        return RE_NONE;
    rcCell.right -= 1;
    rcCell.bottom -= 1;
    // A cell without a box leaves the event to the grid.
    int nIndex = nColumn - 1;
    unsigned nState = StateOfCell(pProperty, nIndex);
    if (nState == 0)
        return RE_NONE;
    bool bHandled = (this->*pHandler)(pProperty, nRow, nIndex, nState, BoxRect(rcCell), point);
    return bHandled ? RE_HANDLED : RE_NONE;
}

bool CZNPropertyGridCheckBox::Press(IZNPropertyGridProperty* pProperty, int nRow, int nIndex,
                                    unsigned nState, const CRect& rcBox, CPoint point)
{
    if (!rcBox.PtInRect(point))
        return false;
    pProperty->GetGrid()->DeactivateProperty();
    unsigned nPressed = Next(kPressed, nState);
    if (nPressed == 0)
        return true;
    BeginTracking(pProperty, m_bCheckBoxPressed, nRow, nIndex, nPressed, rcBox);
    return true;
}

bool CZNPropertyGridCheckBox::Release(IZNPropertyGridProperty* pProperty, int nRow, int nIndex,
                                      unsigned nState, const CRect& rcBox, CPoint point)
{
    unsigned nReleased = 0;
    if (rcBox.PtInRect(point))
        nReleased = Next(kReleasedInside, nState);
    else if (m_bCheckBoxPressed)
        nReleased = Next(kReleasedOutside, nState);
    else
        return false;
    EndTracking(pProperty, m_bCheckBoxPressed, nIndex, nReleased, rcBox);
    return true;
}

bool CZNPropertyGridCheckBox::Hover(IZNPropertyGridProperty* pProperty, int nRow, int nIndex,
                                    unsigned nState, const CRect& rcBox, CPoint point)
{
    if (rcBox.PtInRect(point)) {
        unsigned nHot = Next(kHot, nState);
        if (nHot != 0)
            BeginTracking(pProperty, m_bCheckBoxHot, nRow, nIndex, nHot, rcBox);
        return true;
    }
    unsigned nCold = Next(kCold, nState);
    if (nCold != 0 || m_bCheckBoxHot)
        EndTracking(pProperty, m_bCheckBoxHot, nIndex, nCold, rcBox);
    return true;
}

// A box is tracked while it is pressed or hot, bReason being one of the two flags: the property
// holds the grid's mouse capture from the first reason until neither is left, so that a pressed
// box hears of the release wherever it happens and a hot box of the mouse leaving it.
void CZNPropertyGridCheckBox::BeginTracking(IZNPropertyGridProperty* pProperty, bool& bReason,
                                            int nRow, int nIndex, unsigned nState,
                                            const CRect& rcBox)
{
    bReason = true;
    m_nCaptureItem = nRow;
    m_nCaptureColumn = nIndex + 1;
    pProperty->GetGrid()->SetCaptureProperty(pProperty);
    Change(pProperty, nIndex, nState, rcBox);
}

void CZNPropertyGridCheckBox::EndTracking(IZNPropertyGridProperty* pProperty, bool& bReason,
                                          int nIndex, unsigned nState, const CRect& rcBox)
{
    bReason = false;
    if (!m_bCheckBoxPressed && !m_bCheckBoxHot)
        pProperty->GetGrid()->ReleaseCaptureProperty();
    Change(pProperty, nIndex, nState, rcBox);
}

// The box is repainted in its new state (0: it keeps its state). Nothing is touched after the
// state is set: a change between checked and unchecked tells the host, which may remove the
// property, its category or the whole tree in its answer.
void CZNPropertyGridCheckBox::Change(IZNPropertyGridProperty* pProperty, int nIndex,
                                     unsigned nState, const CRect& rcBox)
{
    pProperty->GetGrid()->InvalidateRect(&rcBox, FALSE);
    if (nState != 0)
        pProperty->SetCheckBoxState(nIndex, FlagsOf(nState));
}
