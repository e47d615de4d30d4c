// The demo's form: a property grid editing two objects side by side, the help of the selected
// row below it, and a status line with the last notification the grid sent.
#pragma once

#include <ZNPropertyGrid.h>
#include <ZNPropertyGridHtmlCtrl.h>

#include <map>

// What the demo edits: one object per value column.
struct CDemoObject
{
    CString strName;
    CString strDescription;
    CString strMaterial;
    CString strTexture;
    CString strTag;
    CString strScript;
    CString strNotes;
    CString strSource;
    int nCount;
    float fMass;
    float vPosition[3];
    float vRotation[4];
    CString strShape;
    CString strLayer;
    CString strModel;
    CString strReadme;
    float cTint[4];
    float cHighlight[4];
    float cOutline[4];
    float cShadow[4];
};

class CDemoForm : public CDialog
{
public:
    CDemoForm();

    BOOL Create(CWnd* pParentWnd);
    CZNPropertyGrid& GetGrid() { return m_Grid; }
    // Opens the editor of the first object's shape and drops its list down, as Enter on the row
    // and Down in the editor do.
    void DropDownShape();

    // Opens the external editor of the first object's "Source" memo as a user does, with its
    // cell's "..." button, and returns once it closed and the cell's editor was closed too.
    void ExpandSource() { PressEditorButton(m_pSource); }
    // The external editor while it is open, or null.
    static CWnd* FindSourceEditor();
    // The same for the first object's tint: the colour chooser opens.
    void PickTint() { PressEditorButton(m_FirstOfType[PGT_COLORVECTOR4]); }
    // Opens the editor of the first object's value of the first property of that type, as a
    // click on its cell does.
    bool OpenEditorOf(eZNPropertyGridType eType) { return OpenEditor(m_FirstOfType[eType]); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // A child form keeps Enter and Escape from ending it.
    void OnOK() override {}
    void OnCancel() override {}
    afx_msg LRESULT OnPropertyChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPropertyCheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPropertyExecute(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void FillGrid();
    // A property showing the same field of both objects.
    template <typename TField>
    IZNPropertyGridProperty* AddProperty(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                         const wchar_t* pszHelp, unsigned nID,
                                         eZNPropertyGridType eType, TField CDemoObject::*pField,
                                         const wchar_t* pszOptions = nullptr);
    void ShowNotification(const wchar_t* pszMessage, WPARAM wParam);
    bool OpenEditor(IZNPropertyGridProperty* pProperty);
    // Opens the property's editor and presses its "..." button.
    void PressEditorButton(IZNPropertyGridProperty* pProperty);

    // The pane outlives the grid that writes into it.
    CZNPropertyGridHtmlCtrl m_HelpPane;
    CZNPropertyGrid m_Grid;
    CDemoObject m_Objects[2];
    IZNPropertyGridProperty* m_pShape = nullptr;  // the editable enumeration
    IZNPropertyGridProperty* m_pSource = nullptr; // the memo that ExpandSource opens
    // The first property of each type, whose editors the pictures show.
    std::map<eZNPropertyGridType, IZNPropertyGridProperty*> m_FirstOfType;
};
