// The in-place editor: a borderless child dialog of the grid laid over the cell being edited.
// It writes the edited value through the property's value pointer and tells the grid, which
// passes the news on to the host.
#pragma once

#include <ZNPropertyGrid.h>

class CZNPropertyGridPropertyValueDlg : public CDialog
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyValueDlg)
public:
    // The editor object is made before its window; Create gives the window its parent.
    explicit CZNPropertyGridPropertyValueDlg(UINT nIDTemplate, CWnd* pParent = nullptr);

    // Sends PGM_PROPERTYCHANGE to the grid when the type's ApplyValue found the value changed.
    // The types first copy their controls into the value and set m_bChanged, then call this.
    virtual void ApplyValue();
    // Runs when the editor closes by Enter or Escape.
    virtual void OnEditClosed();
    // Shows the editor over the cell (grid client coordinates) with the value the pointer
    // refers to; a null value pointer leaves the editor hidden.
    virtual BOOL BeginEdit(IZNPropertyGridProperty* pProperty, void* pValue, RECT* pCell) = 0;
    // Commits and hides, as when the grid moves on to something else.
    virtual BOOL EndEdit();

    BOOL OnInitDialog() override;

protected:
    bool m_bCancelled;                    // closed by Escape
    bool m_bChanged;                      // the last ApplyValue stored a different value
    IZNPropertyGridProperty* m_pProperty; // being edited; null until the first BeginEdit

    void OnOK() override;
    void OnCancel() override;

    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    // Enter or Escape arriving after the editor closed find it hidden and do nothing.
    bool IsShown() const { return m_hWnd != nullptr && IsWindowVisible(); }
    void NotifyDeactivate();
};

// What every type's Activate does with its editor (null when the property has none): grid
// column 0 answers true and does nothing; a disabled cell or a column the property does not
// have answers false. Otherwise the editor opens over the cell, right of its check box, when
// the cell has a value, and the column becomes the property's active column.
bool ActivateInPlaceEditor(IZNPropertyGridProperty* pProperty,
                           CZNPropertyGridPropertyValueDlg* pEditor, int nColumn, RECT* pCell);
// What every type's Deactivate does: commits and hides the editor when it shows.
void DeactivateInPlaceEditor(CZNPropertyGridPropertyValueDlg* pEditor);
