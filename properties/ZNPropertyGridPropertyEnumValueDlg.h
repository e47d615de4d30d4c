// The in-place editor of enumeration values.
#pragma once

#include "model/ZNPropertyGridPropertyValueDlg.h"
#include "properties/ZNPropertyGridDropButton.h"
#include "properties/ZNPropertyGridDropEdit.h"
#include "properties/ZNPropertyGridPropertyEnumDroplistDlg.h"
#include "resources/resource.h"

#include <vector>

// The item list's flag word: the edit field takes texts from the list alone.
#define ENUM_LIST_READONLY 0x1u

// CZNPropertyGridPropertyEnumValueDlg edits an enumeration's text in a free edit field with a
// drop button beside it that opens the column's item list under the editor. The list only
// offers texts: what stands in the edit field is committed, unless the list is read-only.
class CZNPropertyGridPropertyEnumValueDlg : public CZNPropertyGridPropertyValueDlg
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyEnumValueDlg)
public:
    static constexpr UINT IDD = IDD_PROPERTYGRID_ENUM;

    explicit CZNPropertyGridPropertyEnumValueDlg(CWnd* pParent = nullptr);

    // Shows the editor over the cell with the host's text; Down or the drop button then opens
    // pItems (null: no list, the popup shows "[none]"). With ENUM_LIST_READONLY in dwFlags the
    // field takes no typing. Nothing for a null value.
    BOOL BeginEdit(IZNPropertyGridProperty* pProperty, void* pValue, RECT* pCell,
                   const std::vector<CString>* pItems, unsigned dwFlags);
    // Stores the field's text when it differs from the host's, letter case included.
    void ApplyValue() override;
    // Closes the list as the editor closes by Enter or Escape, and gives the grid the focus.
    void OnEditClosed() override;
    // Closes the list, hides the editor and commits.
    BOOL EndEdit() override;
    CWnd* GetEditField() override { return &m_Edit; }

    // Whether the list is open; the drop button shows pressed meanwhile.
    bool IsDropped() const { return (m_dwDropState & kDropped) != 0; }
    // Hands a wheel turn over the grid to the open list. False when no list shows.
    bool ScrollDropList(UINT nFlags, short zDelta, CPoint point);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDropButton();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnDropListCommit(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropListKey(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropListWheel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropListClosed(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    static constexpr unsigned kDropped = 0x1;

    // The edit field, then the drop button at the right edge, a few pixels apart.
    void LayoutControls(int cx, int cy);
    // Opens the list under the editor, unless it is open already.
    void DropDown();
    void CloseList();
    // Puts the focus in the edit field while the editor's window is the active one.
    void FocusEditField();

    unsigned m_dwDropState;                            // kDropped while the list is open
    CZNPropertyGridPropertyEnumDroplistDlg m_DropList; // the list; its window only while open
    CString* m_pValue;                                 // the host's text being edited
    const std::vector<CString>* m_pItems; // the column's items; null when there are none
    CZNPropertyGridDropEdit m_Edit;       // the edit field
    CZNPropertyGridDropButton m_Button;   // the drop button
};
