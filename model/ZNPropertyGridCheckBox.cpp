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

// Transitions of the states; 0 where a state does not change.
unsigned PressedState(unsigned nState)
{
    switch (nState) {
    case 1:
    case 2:
        return 3;
    case 5:
    case 6:
        return 7;
    case 9:
    case 10:
        return 11;
    default:
        return 0;
    }
}

// A release on the box toggles it and leaves it hot, the mouse being still over it.
unsigned ReleasedInsideState(unsigned nState)
{
    switch (nState) {
    case 1:
    case 2:
    case 3:
    case 9:
    case 10:
    case 11:
        return 6;
    case 5:
    case 6:
    case 7:
        return 2;
    default:
        return 0;
    }
}

// A release away from the box after a press on it gives up: back to normal, unchanged.
unsigned ReleasedOutsideState(unsigned nState)
{
    switch (nState) {
    case 1:
    case 2:
    case 3:
        return 1;
    case 5:
    case 6:
    case 7:
        return 5;
    case 9:
    case 10:
    case 11:
        return 9;
    default:
        return 0;
    }
}

unsigned HotState(unsigned nState)
{
    switch (nState) {
    case 1:
        return 2;
    case 5:
        return 6;
    case 9:
        return 10;
    default:
        return 0;
    }
}

unsigned ColdState(unsigned nState)
{
    switch (nState) {
    case 2:
        return 1;
    case 6:
        return 5;
    case 10:
        return 9;
    default:
        return 0;
    }
}

unsigned SpaceToggledState(unsigned nState)
{
    switch (nState) {
    case 1:
    case 2:
    case 3:
    case 9:
    case 10:
    case 11:
        return 5;
    case 5:
    case 6:
    case 7:
        return 1;
    default:
        return 0;
    }
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

void CZNPropertyGridCheckBox::Draw(HWND hWnd, HDC hDC, unsigned nState, const RECT& rcBox)
{
    if (!DrawThemedPart(hWnd, hDC, L"BUTTON", kCheckBoxPart, int(nState), rcBox))
        DrawClassic(hDC, nState, rcBox);
}

bool CZNPropertyGridCheckBox::ToggleWithSpace(IZNPropertyGridProperty* pProperty, int nIndex)
{
    unsigned nToggled = SpaceToggledState(StateOfCell(pProperty, nIndex));
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
    return (this->*pHandler)(pProperty, nRow, nColumn - 1, BoxRect(rcCell), point) ? RE_HANDLED
                                                                                   : RE_NONE;
}

bool CZNPropertyGridCheckBox::Press(IZNPropertyGridProperty* pProperty, int nRow, int nIndex,
                                    const CRect& rcBox, CPoint point)
{
    unsigned nState = StateOfCell(pProperty, nIndex);
    if (nState == 0 || !rcBox.PtInRect(point))
        return false;
    CZNPropertyGrid* pGrid = pProperty->GetGrid();
    pGrid->DeactivateProperty();
    unsigned nPressed = PressedState(nState);
    if (nPressed == 0)
        return true;
    m_bCheckBoxPressed = true;
    TrackBox(nRow, nIndex);
    pGrid->SetCaptureProperty(pProperty);
    Change(pProperty, nIndex, nPressed, rcBox);
    return true;
}

bool CZNPropertyGridCheckBox::Release(IZNPropertyGridProperty* pProperty, int nRow, int nIndex,
                                      const CRect& rcBox, CPoint point)
{
    unsigned nState = StateOfCell(pProperty, nIndex);
    if (nState == 0)
        return false;
    unsigned nReleased = 0;
    if (rcBox.PtInRect(point))
        nReleased = ReleasedInsideState(nState);
    else if (m_bCheckBoxPressed)
        nReleased = ReleasedOutsideState(nState);
    else
        return false;
    m_bCheckBoxPressed = false;
    // A box still under the mouse keeps the capture, to turn cold when the mouse leaves it.
    if (!m_bCheckBoxHot)
        pProperty->GetGrid()->ReleaseCaptureProperty();
    Change(pProperty, nIndex, nReleased, rcBox);
    return true;
}

bool CZNPropertyGridCheckBox::Hover(IZNPropertyGridProperty* pProperty, int nRow, int nIndex,
                                    const CRect& rcBox, CPoint point)
{
    unsigned nState = StateOfCell(pProperty, nIndex);
    if (nState == 0)
        return false;
    CZNPropertyGrid* pGrid = pProperty->GetGrid();
    if (rcBox.PtInRect(point)) {
        unsigned nHot = HotState(nState);
        if (nHot == 0)
            return true;
        m_bCheckBoxHot = true;
        TrackBox(nRow, nIndex);
        pGrid->SetCaptureProperty(pProperty);
        Change(pProperty, nIndex, nHot, rcBox);
        return true;
    }
    unsigned nCold = ColdState(nState);
    if (nCold == 0 && !m_bCheckBoxHot)
        return true;
    m_bCheckBoxHot = false;
    // A pressed box keeps the capture until the button is released.
    if (!m_bCheckBoxPressed)
        pGrid->ReleaseCaptureProperty();
    Change(pProperty, nIndex, nCold, rcBox);
    return true;
}

void CZNPropertyGridCheckBox::TrackBox(int nRow, int nIndex)
{
    m_nCaptureItem = nRow;
    m_nCaptureColumn = nIndex + 1;
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
