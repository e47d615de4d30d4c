#include "properties/ZNPropertyGridPropertyMemo.h"

#include "model/ZNPropertyGridPathDisplay.h"
#include "properties/ZNPropertyGridPropertyMemoValueDlg.h"

namespace {

// Above and below the text inside the cell.
constexpr int kTextMargin = 2;
// Of a row's height, what is not the line of text.
constexpr int kRowPadding = 4;

bool IsTrue(const CString& strValue)
{
    return strValue.CompareNoCase(L"true") == 0;
}

} // namespace

CZNPropertyGridPropertyMemo::CZNPropertyGridPropertyMemo(CZNPropertyGridCategory* pCategory,
                                                         const wchar_t* pszName,
                                                         const wchar_t* pszHelp, unsigned nID,
                                                         const wchar_t* pszOptions)
    : CZNPropertyGridTextualProperty(pCategory, pszName, pszHelp, nID, PGT_MEMO,
                                     L"PropertyGridPropertyMemo"),
      m_nLines(1), m_bHScroll(false), m_bVScroll(false), m_bExpand(false)
{
    CString strOptions(pszOptions);
    int nStart = 0;
    for (CString strPiece = strOptions.Tokenize(L"|", nStart); nStart != -1;
         strPiece = strOptions.Tokenize(L"|", nStart)) {
        int nEquals = strPiece.Find(L'=');
        if (nEquals < 0)
            continue;
        CString strKey = strPiece.Left(nEquals);
        CString strValue = strPiece.Mid(nEquals + 1);
        ApplyOption(strKey.Trim(), strValue.Trim());
    }
}

void CZNPropertyGridPropertyMemo::ApplyOption(const CString& strKey, const CString& strValue)
{
    if (strKey.CompareNoCase(L"Lines") == 0)
        m_nLines = BYTE(_wtoi(strValue));
    else if (strKey.CompareNoCase(L"HScroll") == 0)
        m_bHScroll = IsTrue(strValue);
    else if (strKey.CompareNoCase(L"VScroll") == 0)
        m_bVScroll = IsTrue(strValue);
    else if (strKey.CompareNoCase(L"Expand") == 0)
        m_bExpand = IsTrue(strValue);
}

void CZNPropertyGridPropertyMemo::MeasureItem(MEASUREITEMSTRUCT* pMIS)
{
    IZNPropertyGridProperty::MeasureItem(pMIS);
    pMIS->itemHeight = UINT((m_nItemHeight - kRowPadding) * m_nLines + kRowPadding);
}

void CZNPropertyGridPropertyMemo::DrawValue(PropertyGridDrawContext* pContext, int nColumn,
                                            RECT* pCell)
{
    CRect rcText;
    if (!DrawValueBase(pContext, nColumn, *pCell, rcText))
        return;
    rcText.DeflateRect(0, kTextMargin);
    CString strText = StripBasePath(*pContext->pBasePath, *ValueAt(nColumn - 1));
    UINT nFormat = m_bHScroll ? DT_EDITCONTROL : DT_EDITCONTROL | DT_WORDBREAK;
    CDC::FromHandle(pContext->hDC)->DrawText(strText, &rcText, nFormat);
}

void CZNPropertyGridPropertyMemo::BeginEditor(CZNPropertyGridPropertyMemoValueDlg& editor, int,
                                              void* pValue, RECT* pCell)
{
    editor.BeginEdit(this, pValue, pCell);
}

BOOL CZNPropertyGridPropertyMemo::CreateRichEdit(CRichEditCtrl& richEdit, DWORD dwStyle,
                                                 const RECT& rect, CWnd* pParent, UINT nID,
                                                 CFont& font) const
{
    dwStyle &= ~DWORD(WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL | ES_AUTOVSCROLL);
    if (m_bHScroll)
        dwStyle |= WS_HSCROLL | ES_AUTOHSCROLL;
    if (m_bVScroll)
        dwStyle |= WS_VSCROLL;
    // Without a horizontal bar the lines wrap, and the text grows downwards.
    if (m_bVScroll || !m_bHScroll)
        dwStyle |= ES_AUTOVSCROLL;
    if (!richEdit.Create(dwStyle, rect, pParent, nID))
        return FALSE;
    // The mode first: it cannot change once the font has made an entry in the undo history.
    richEdit.SetTextMode(TM_PLAINTEXT | TM_MULTILEVELUNDO);
    richEdit.SetFont(&font);
    return TRUE;
}
