// What the types that show their value as one line of text share (text, integer, float and the
// vectors): the painted cell and its tip show that text, and the single-edit editor opens with
// it. Each type supplies its value's text and its editor's parsing; everything else is here.
#pragma once

#include "model/PropertyGridDrawContext.h"
#include "model/ZNPropertyGridEditorHolder.h"
#include "model/ZNPropertyGridProperty.h"
#include "model/ZNPropertyGridSingleEditDlg.h"

// TProperty derives from this class (the templates dispatch to it without virtual operations,
// so that the types keep the base's slot order and append only their own) and provides, public:
//   void ValueText(TValue* pValue, CString& strText);   // the text the host asks for
// and may provide, to show the value otherwise in the cell, its tip and the editor:
//   void DisplayText(TValue* pValue, CString& strText);
// TValue is the host's storage of one value column (the first float of a vector).
// TEditor is the type's editor, shared per grid window under the window property pszEditorName
// (a literal: the holder keeps the pointer).
template <class TProperty, class TValue, class TEditor>
class CZNPropertyGridTextualProperty : public CZNPropertyGridValueProperty
{
public:
    // False for a column the property does not have or whose value was never set.
    bool GetValueAsString(int nIndex, CString& strText) override
    {
        TValue* pValue = ValueAt(nIndex);
        if (pValue == nullptr)
            return false;
        Self().ValueText(pValue, strText);
        return true;
    }

    void DrawValue(PropertyGridDrawContext* pContext, int nColumn, RECT* pCell) override
    {
        // The base paints the background and the check box and tells how far the box pushed
        // the text to the right.
        RECT rcRest = *pCell;
        IZNPropertyGridProperty::DrawValue(pContext, nColumn, &rcRest);
        TValue* pValue = ValueAt(nColumn - 1);
        CRect rcText;
        if (pValue == nullptr || !pContext->GetVisibleCellRect(nColumn, &rcText))
            return;
        rcText.left += pContext->nTextInset + (rcRest.left - pCell->left);
        rcText.right -= 1;
        CString strText;
        Self().DisplayText(pValue, strText);
        CDC::FromHandle(pContext->hDC)
            ->DrawText(strText, &rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }

    // A value cell's tip is its text, unless the mouse is on the cell's check box.
    bool GetToolTip(int nColumn, RECT* pCell, POINT* pPoint, UINT* pToolId, CString* pText) override
    {
        if (IZNPropertyGridProperty::GetToolTip(nColumn, pCell, pPoint, pToolId, pText))
            return true;
        if (nColumn < 1)
            return false;
        TValue* pValue = ValueAt(nColumn - 1);
        if (pValue != nullptr && pText != nullptr)
            Self().DisplayText(pValue, *pText);
        return true;
    }

    bool Activate(int nColumn, RECT* pCell) override
    {
        return ActivateInPlaceEditor(this, Editor(), nColumn, pCell);
    }
    void Deactivate() override { DeactivateInPlaceEditor(Editor()); }
    void OnCut() override { CZNPropertyGridSingleEditDlg::Cut(Editor()); }
    void OnUpdateCut(CCmdUI* pCmdUI) override
    {
        CZNPropertyGridSingleEditDlg::UpdateCut(Editor(), pCmdUI);
    }
    void OnCopy() override { CZNPropertyGridSingleEditDlg::Copy(Editor()); }
    void OnUpdateCopy(CCmdUI* pCmdUI) override
    {
        CZNPropertyGridSingleEditDlg::UpdateCopy(Editor(), pCmdUI);
    }
    void OnPaste() override { CZNPropertyGridSingleEditDlg::Paste(Editor()); }
    void OnUpdatePaste(CCmdUI* pCmdUI) override
    {
        CZNPropertyGridSingleEditDlg::UpdatePaste(Editor(), pCmdUI);
    }

    // Most types show the host's text; TProperty's own DisplayText hides this one.
    void DisplayText(TValue* pValue, CString& strText) { Self().ValueText(pValue, strText); }

protected:
    CZNPropertyGridTextualProperty(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                   const wchar_t* pszHelp, unsigned nID, eZNPropertyGridType eType,
                                   const wchar_t* pszEditorName)
        : CZNPropertyGridValueProperty(pCategory, pszName, pszHelp, nID, eType),
          m_pEditorHolder(CEditorHolder::GetOrCreate(GetGrid(), pszEditorName))
    {
        if (m_pEditorHolder != nullptr)
            m_pEditorHolder->Attach(GetGrid());
    }

    ~CZNPropertyGridTextualProperty() override
    {
        if (m_pEditorHolder != nullptr)
            m_pEditorHolder->Release();
    }

    // The value of a column; null when the column is missing or its value not set.
    TValue* ValueAt(int nIndex) const
    {
        if (nIndex < 0 || size_t(nIndex) >= m_Values.size())
            return nullptr;
        return static_cast<TValue*>(m_Values[nIndex]);
    }

    // The shared editor of the grid; null when the grid had no window for it.
    TEditor* Editor() const
    {
        return m_pEditorHolder != nullptr ? m_pEditorHolder->GetEditor() : nullptr;
    }

private:
    using CEditorHolder = CZNPropertyGridEditorHolder<TEditor>;

    TProperty& Self() { return static_cast<TProperty&>(*this); }

    CEditorHolder* m_pEditorHolder;
};

// The editor of such a type: it opens with the property's text of the value. The types parse
// the edited text back in their ApplyValue.
template <class TProperty, class TValue>
class CZNPropertyGridTextualValueDlg : public CZNPropertyGridSingleEditDlg
{
public:
    explicit CZNPropertyGridTextualValueDlg(CWnd* pParent = nullptr)
        : CZNPropertyGridSingleEditDlg(pParent), m_pValue(nullptr)
    {
    }

    // pProperty is a TProperty and pValue its host's storage of the column.
    BOOL BeginEdit(IZNPropertyGridProperty* pProperty, void* pValue, RECT* pCell) override
    {
        if (pValue == nullptr)
            return TRUE;
        m_pProperty = pProperty;
        m_pValue = static_cast<TValue*>(pValue);
        CString strText;
        static_cast<TProperty*>(pProperty)->DisplayText(m_pValue, strText);
        ShowOver(*pCell, strText);
        return TRUE;
    }

protected:
    CString EditText() const
    {
        CString strText;
        m_Edit.GetWindowText(strText);
        return strText;
    }

    TValue* m_pValue; // the host's value being edited
};
