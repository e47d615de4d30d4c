// The in-place editor: a borderless child dialog of the grid laid over the cell being edited.
// It writes the edited value through the property's value pointer and tells the grid, which
// passes the news on to the host. What a type's editor supplies is listed with the property
// side, in ZNPropertyGridEditableProperty.h.
#pragma once

#include <ZNPropertyGrid.h>

// The base of every type's editor: the commit and notification protocol, showing the editor
// over a cell, and the Edit commands on the editor's edit field.
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
    // Commits and hides, as when the grid moves on to something else.
    virtual BOOL EndEdit();
    // The property is being destroyed: when it is the one edited, the editor closes as by
    // Escape, without telling the grid, and forgets it.
    void ForgetProperty(IZNPropertyGridProperty* pProperty);
    // The control that holds the edited text: the edit control of most editors, a rich edit
    // control where the text has many lines. Its window exists once the editor's does.
    virtual CWnd* GetEditField() = 0;

    // The host's Edit commands on the edit field. Cut and copy want a selection and cut an
    // editable field; paste wants the field shown and editable. All three are disabled while
    // the editor is hidden.
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnUpdateEditCut(CCmdUI* pCmdUI);
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);

    BOOL OnInitDialog() override;

protected:
    bool m_bCancelled;                    // closed by Escape
    bool m_bChanged;                      // the last ApplyValue stored a different value
    IZNPropertyGridProperty* m_pProperty; // being edited; null until the first BeginEdit

    // Shows the editor over the cell (grid client coordinates) with the text in its edit field,
    // the caret after the text and the focus in the field: what every type's BeginEdit does once
    // it has the value's text.
    void ShowOver(const RECT& rcCell, const CString& strText);
    CString GetEditText();
    // The ApplyValue of the types whose value is the host's text: the edit field's text is
    // stored when it differs, letter case included, and the grid hears of the change.
    void ApplyText(CString* pValue);

    void OnOK() override;
    void OnCancel() override;
    // Every message of the editor holds its grid busy: see ZNPropertyGridBusyScope.h.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    // Enter or Escape arriving after the editor closed find it hidden and do nothing.
    bool IsShown() const { return m_hWnd != nullptr && IsWindowVisible(); }
    void NotifyDeactivate();
    // The edit field when it exists and shows; null otherwise.
    CWnd* ShownEditField();
    bool IsEditable(CWnd* pField) const;
    bool HasSelection(CWnd* pField) const;
    void SendToEditField(UINT message);
};
