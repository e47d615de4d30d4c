// The tri-state check box of a value cell.
#pragma once

#include <ZNPropertyGrid.h>

class IZNPropertyGridProperty;

// The check box of a value cell: its states and how the mouse and Space move between them,
// where it sits in its cell, and how it is drawn. The state of each box lives in its cell's flag
// word (PGCB_MASK); a property keeps one of these for the box the mouse is tracking.
class CZNPropertyGridCheckBox
{
public:
    CZNPropertyGridCheckBox();

    // States: the number in the top four bits of a flag word, 0 (no box) to 12.
    static unsigned StateOf(unsigned dwFlags);
    static unsigned FlagsOf(unsigned nState);
    // Checked: the checked states, normal, hot, pressed or disabled (5 to 8); mixed is not.
    static bool IsChecked(unsigned dwFlags);

    // Geometry: a square of side (cell height - 4), two pixels in from the cell's corner.
    static CRect BoxRect(const RECT& rcCell);
    // Moves the cell's left edge past the box and four pixels of room after it, to where the
    // cell's text or its editor begins.
    static void SkipBox(RECT& rcCell);

    // Draws the box in state nState (1 to 12), themed when visual styles are on.
    static void Draw(HANDLE& hTheme, HWND hWnd, HDC hDC, unsigned nState, const RECT& rcBox);

    // Space on a cell: checks an unchecked or mixed box and clears a checked one, leaving it in
    // its normal look. False for a disabled box or none, which Space does not change.
    static bool ToggleWithSpace(IZNPropertyGridProperty* pProperty, int nIndex);

    // The mouse over pProperty's row, or anywhere while one of its boxes is tracked: a press
    // on a box, its release (which toggles a box released on) and hovering. RE_HANDLED when the
    // event was the box's, RE_NONE otherwise. The box's state is set last, since a change
    // between checked and unchecked tells the host, which may remove the property in its answer.
    eReturnEvent OnLButtonDown(IZNPropertyGridProperty* pProperty, CPoint point);
    eReturnEvent OnLButtonUp(IZNPropertyGridProperty* pProperty, CPoint point);
    eReturnEvent OnMouseMove(IZNPropertyGridProperty* pProperty, CPoint point);

private:
    // A handler answers whether the event was the box's; nState is the box's state, not 0.
    using Handler = bool (CZNPropertyGridCheckBox::*)(IZNPropertyGridProperty* pProperty, int nRow,
                                                      int nIndex, unsigned nState,
                                                      const CRect& rcBox, CPoint point);
    eReturnEvent Track(IZNPropertyGridProperty* pProperty, CPoint point, Handler pHandler);
    bool Press(IZNPropertyGridProperty* pProperty, int nRow, int nIndex, unsigned nState,
               const CRect& rcBox, CPoint point);
    bool Release(IZNPropertyGridProperty* pProperty, int nRow, int nIndex, unsigned nState,
                 const CRect& rcBox, CPoint point);
    bool Hover(IZNPropertyGridProperty* pProperty, int nRow, int nIndex, unsigned nState,
               const CRect& rcBox, CPoint point);
    void BeginTracking(IZNPropertyGridProperty* pProperty, bool& bReason, int nRow, int nIndex,
                       unsigned nState, const CRect& rcBox);
    void EndTracking(IZNPropertyGridProperty* pProperty, bool& bReason, int nIndex, unsigned nState,
                     const CRect& rcBox);
    static void Change(IZNPropertyGridProperty* pProperty, int nIndex, unsigned nState,
                       const CRect& rcBox);

    bool m_bCheckBoxPressed; // the tracked box is held down by the mouse
    bool m_bCheckBoxHot;     // the mouse hovers over the tracked box
    int m_nCaptureItem;      // list row of the tracked box
    int m_nCaptureColumn;    // grid column of the tracked box
};
