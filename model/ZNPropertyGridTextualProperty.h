// What the types that show their value as one line of text share (text, integer, float and the
// vectors): the painted cell and its tip show that text, and the single-edit editor opens with
// it. Each type supplies its value's text and its editor's parsing; everything else is here.
// The memo shares the text and the tip, and paints its lines itself.
#pragma once

#include "model/PropertyGridDrawContext.h"
#include "model/ZNPropertyGridEditableProperty.h"
#include "model/ZNPropertyGridSingleEditDlg.h"

// TProperty derives from this class and provides, public:
//   void ValueText(TValue* pValue, CString& strText);   // the text the host asks for
// and may provide, to show the value otherwise in the cell, its tip and the editor:
//   void DisplayText(TValue* pValue, CString& strText);
// otherwise in the cell alone (a path relative to the grid's base path):
//   void CellText(PropertyGridDrawContext* pContext, TValue* pValue, CString& strText);
// and the DrawText format of the cell's text, kValueTextFormat.
// TValue is the host's storage of one value column (the first float of a vector). TEditor is
// the type's editor, shared per grid window under the window property pszEditorName.
template <class TProperty, class TValue, class TEditor>
class CZNPropertyGridTextualProperty : public CZNPropertyGridEditableProperty<TProperty, TEditor>
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
        CRect rcText;
        if (!this->DrawValueBase(pContext, nColumn, *pCell, rcText))
            return;
        CString strText;
        Self().CellText(pContext, ValueAt(nColumn - 1), strText);
        CDC::FromHandle(pContext->hDC)->DrawText(strText, &rcText, TProperty::kValueTextFormat);
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

    // Most types show the host's text; TProperty's own DisplayText hides this one.
    void DisplayText(TValue* pValue, CString& strText) { Self().ValueText(pValue, strText); }
    // The cell shows what the tip and the editor show, unless TProperty's own CellText hides
    // this one.
    void CellText(PropertyGridDrawContext* pContext, TValue* pValue, CString& strText)
    {
        Self().DisplayText(pValue, strText);
    }

    // How the cell writes the text: on one line, cut at its end when it is too long. A type
    // whose texts say most at their end (paths) hides this with its own.
    static constexpr UINT kValueTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;

protected:
    CZNPropertyGridTextualProperty(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                   const wchar_t* pszHelp, unsigned nID, eZNPropertyGridType eType,
                                   const wchar_t* pszEditorName)
        : CZNPropertyGridEditableProperty<TProperty, TEditor>(pCategory, pszName, pszHelp, nID,
                                                              eType, pszEditorName)
    {
    }

    // The value of a column; null when the column is missing or its value not set.
    TValue* ValueAt(int nIndex) const { return static_cast<TValue*>(this->ValueOf(nIndex)); }

private:
    TProperty& Self() { return static_cast<TProperty&>(*this); }
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
    BOOL BeginEdit(IZNPropertyGridProperty* pProperty, void* pValue, RECT* pCell)
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
    TValue* m_pValue; // the host's value being edited
};
