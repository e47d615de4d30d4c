// What every property type with an in-place editor shares, and what a new type supplies.
//
// A type is two classes and a line in the factory:
//
// The property, deriving from CZNPropertyGridEditableProperty<the property, its editor> (or from
// CZNPropertyGridTextualProperty when its value shows as one line of text, which also paints
// the value, gives its tip and its text to the host). It supplies
//  - the constructor (category, name, help, identifier, options) that the factory calls: it
//    passes its type value and the window-property name of its editor (a literal, such as
//    L"PropertyGridPropertyFile") to this base, and reads the options;
//  - GetValueAsString, DrawValue and GetToolTip, unless the textual base does them (DrawValue
//    starts with DrawValueBase, which paints the cell and says where the value's text goes);
//  - a public BeginEditor(TEditor& editor, int nIndex, void* pValue, RECT* pCell) when its
//    editor wants more than BeginEdit(property, value, cell), such as the item list of the
//    value column or a filter; it hides the one below and calls the editor's own BeginEdit;
//  - any other operation it does its own way (MeasureItem, OnMouseWheel, ...).
//
// The editor, deriving from CZNPropertyGridPropertyValueDlg, or from CZNPropertyGridSingleEditDlg
// when it is that edit control with buttons beside it (placed in LayoutControls). It supplies
//  - static constexpr UINT IDD, its dialog template, and a constructor (CWnd* pParent = nullptr);
//  - GetEditField, the control the Edit commands act on (the single-edit frame gives its own);
//  - BOOL BeginEdit(property, value, cell[, what BeginEditor passes]): nothing for a null value;
//    otherwise it remembers property and value and shows the text with ShowOver;
//  - ApplyValue: reads the edit field (GetEditText), stores the value when it differs, sets
//    m_bChanged and then calls the base's ApplyValue, which tells the grid;
//  - DECLARE_DYNAMIC under its own class name; EndEdit and OnEditClosed where closing does more
//    (a drop-down list to close); buttons with tool tips keep a CToolTipCtrl and relay to it in
//    PreTranslateMessage before the base's.
//
// The factory: one line in kTypes of properties/ZNPropertyGridPropertyFactory.cpp.
#pragma once

#include "model/ZNPropertyGridEditorHolder.h"
#include "model/ZNPropertyGridProperty.h"
#include "model/ZNPropertyGridPropertyValueDlg.h"

// A property whose values are edited in TEditor, the editor its grid shares among all the
// type's properties: it attaches to the editor while it lives, opens it over a cell, closes it,
// and hands it the host's Edit commands. The calls to TProperty go without virtual operations,
// so that the types keep the base's slot order and append only their own.
template <class TProperty, class TEditor>
class CZNPropertyGridEditableProperty : public CZNPropertyGridValueProperty
{
public:
    // Grid column 0 answers true and opens nothing; a column the property does not have or a
    // disabled cell answers false. Otherwise the editor opens over the cell, right of its check
    // box, when the cell has a value, and the column becomes the active column.
    bool Activate(int nColumn, RECT* pCell) override
    {
        if (nColumn < 1)
            return true;
        int nIndex = nColumn - 1;
        if (!IsValueColumn(nIndex) || TestFlag(nIndex, PGP_ENABLED) == 0)
            return false;
        // The check box stays visible and clickable beside the editor.
        if (TestFlag(nIndex, PGCB_MASK) != 0)
            CZNPropertyGridCheckBox::SkipBox(*pCell);
        TEditor* pEditor = Editor();
        void* pValue = ValueOf(nIndex);
        if (pValue != nullptr && pEditor != nullptr && pEditor->m_hWnd != nullptr)
            Self().BeginEditor(*pEditor, nIndex, pValue, pCell);
        return SetActiveColumn(nColumn, pCell);
    }

    // Commits and hides the editor when it shows.
    void Deactivate() override
    {
        TEditor* pEditor = Editor();
        if (pEditor != nullptr && pEditor->m_hWnd != nullptr && pEditor->IsWindowVisible())
            pEditor->EndEdit();
    }

    // The Edit commands go to the editor; without one they do nothing and show disabled.
    void OnCut() override { SendEditCommand(&CZNPropertyGridPropertyValueDlg::OnEditCut); }
    void OnCopy() override { SendEditCommand(&CZNPropertyGridPropertyValueDlg::OnEditCopy); }
    void OnPaste() override { SendEditCommand(&CZNPropertyGridPropertyValueDlg::OnEditPaste); }
    void OnUpdateCut(CCmdUI* pCmdUI) override
    {
        UpdateEditCommand(pCmdUI, &CZNPropertyGridPropertyValueDlg::OnUpdateEditCut);
    }
    void OnUpdateCopy(CCmdUI* pCmdUI) override
    {
        UpdateEditCommand(pCmdUI, &CZNPropertyGridPropertyValueDlg::OnUpdateEditCopy);
    }
    void OnUpdatePaste(CCmdUI* pCmdUI) override
    {
        UpdateEditCommand(pCmdUI, &CZNPropertyGridPropertyValueDlg::OnUpdateEditPaste);
    }

    // Opens the editor over the cell for the value of value column nIndex. TProperty's own
    // BeginEditor hides this one when its editor wants more.
    void BeginEditor(TEditor& editor, int nIndex, void* pValue, RECT* pCell)
    {
        editor.BeginEdit(this, pValue, pCell);
    }

protected:
    // Attaches to the editor of the category's grid, under the window property pszEditorName
    // (a literal: the holder keeps the pointer).
    CZNPropertyGridEditableProperty(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                    const wchar_t* pszHelp, unsigned nID, eZNPropertyGridType eType,
                                    const wchar_t* pszEditorName)
        : CZNPropertyGridValueProperty(pCategory, pszName, pszHelp, nID, eType),
          m_pEditorHolder(CEditorHolder::GetOrCreate(GetGrid(), pszEditorName))
    {
        if (m_pEditorHolder != nullptr)
            m_pEditorHolder->Attach(GetGrid());
    }

    // An editor still open over the property closes without storing anything: the host
    // removed the property and may free its values.
    ~CZNPropertyGridEditableProperty() override
    {
        if (m_pEditorHolder == nullptr)
            return;
        m_pEditorHolder->GetEditor()->ForgetProperty(this);
        m_pEditorHolder->Release();
    }

    // The shared editor of the grid; null when the grid had no window for it.
    TEditor* Editor() const
    {
        return m_pEditorHolder != nullptr ? m_pEditorHolder->GetEditor() : nullptr;
    }

private:
    using CEditorHolder = CZNPropertyGridEditorHolder<TEditor>;
    using EditCommand = void (CZNPropertyGridPropertyValueDlg::*)();
    using EditCommandUpdate = void (CZNPropertyGridPropertyValueDlg::*)(CCmdUI* pCmdUI);

    TProperty& Self() { return static_cast<TProperty&>(*this); }

    void SendEditCommand(EditCommand pCommand)
    {
        if (TEditor* pEditor = Editor())
            (pEditor->*pCommand)();
    }

    void UpdateEditCommand(CCmdUI* pCmdUI, EditCommandUpdate pUpdate)
    {
        if (pCmdUI == nullptr)
            return;
        if (TEditor* pEditor = Editor())
            (pEditor->*pUpdate)(pCmdUI);
        else
            pCmdUI->Enable(FALSE);
    }

    CEditorHolder* m_pEditorHolder; // the grid's editor of the type; null without a grid window
};
