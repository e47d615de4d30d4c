// A multi-line text per value column, kept in the host's CString: its row is several lines
// high, its cell shows the text wrapped or not, and it is edited in place in a plain-text rich
// edit control, from which "..." opens it in the larger external editor.
#pragma once

#include "model/ZNPropertyGridTextualProperty.h"

#include <afxcmn.h>

class CZNPropertyGridPropertyMemoValueDlg;

class CZNPropertyGridPropertyMemo
    : public CZNPropertyGridTextualProperty<CZNPropertyGridPropertyMemo, CString,
                                            CZNPropertyGridPropertyMemoValueDlg>
{
public:
    // pszOptions: "|"-separated "key=value" pieces: "Lines=" the row's height in text lines
    // (kept in 8 bits), "HScroll=true" scrolls the text sideways instead of wrapping it,
    // "VScroll=true" gives the editors a vertical scroll bar, "Expand=true" shows the in-place
    // editor's "..." button. Keys and values are trimmed and compared without regard to case;
    // later pieces override earlier ones; anything else is ignored.
    CZNPropertyGridPropertyMemo(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                const wchar_t* pszHelp, unsigned nID, const wchar_t* pszOptions);

    // One plain row less its 4 pixels of padding per text line, plus the padding once.
    void MeasureItem(MEASUREITEMSTRUCT* pMIS) override;
    // The text from the cell's top-left corner, wrapped at words unless it scrolls sideways,
    // clipped at the cell; a text below the grid's base path shows relative to it.
    void DrawValue(PropertyGridDrawContext* pContext, int nColumn, RECT* pCell) override;

    void ValueText(CString* pValue, CString& strText) { strText = *pValue; }
    void BeginEditor(CZNPropertyGridPropertyMemoValueDlg& editor, int nIndex, void* pValue,
                     RECT* pCell);

    bool CanExpand() const { return m_bExpand; }
    // The height of a row of one line; -1 before the row was first measured.
    int GetLineRowHeight() const { return m_nItemHeight; }
    // The rich edit control of an editor of the text: dwStyle with the property's scroll bars,
    // scrolling sideways with a horizontal bar and downwards unless only that bar shows; plain
    // text with multi-level undo, in the font given.
    BOOL CreateRichEdit(CRichEditCtrl& richEdit, DWORD dwStyle, const RECT& rect, CWnd* pParent,
                        UINT nID, CFont& font) const;

private:
    void ApplyOption(const CString& strKey, const CString& strValue);

    BYTE m_nLines;   // text lines of the row
    bool m_bHScroll; // no word wrap: the text scrolls sideways, in the cell and the editors
    bool m_bVScroll; // the editors have a vertical scroll bar
    bool m_bExpand;  // the in-place editor shows "...", which opens the external editor
};
