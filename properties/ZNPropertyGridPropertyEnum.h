// A text per value column, kept in the host's CString, typed or chosen from a list of items.
#pragma once

#include "model/ZNPropertyGridTextualProperty.h"
#include "properties/ZNPropertyGridPropertyEnumValueDlg.h"

#include <vector>

// CZNPropertyGridPropertyEnum offers each value column a list of items to choose its text from.
// The lists come from the options of AddProperty: one line per value column, the items of a
// line separated by "|"; a column beyond the last line takes the first line's list. An item
// "$readonly$" (in any case) makes its line's list read-only, where only the list sets the text.
class AFX_EXT_CLASS CZNPropertyGridPropertyEnum
    : public CZNPropertyGridTextualProperty<CZNPropertyGridPropertyEnum, CString,
                                            CZNPropertyGridPropertyEnumValueDlg>
{
public:
    CZNPropertyGridPropertyEnum(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                const wchar_t* pszHelp, unsigned nID, const wchar_t* pszOptions);

    // The open list takes the wheel (RE_HANDLED); otherwise the grid closes the editor and
    // scrolls (RE_DEACTIVATE).
    eReturnEvent OnMouseWheel(UINT nFlags, short zDelta, CPoint point) override;

    // The item list of value column nIndex; null when the options gave no lines.
    const std::vector<CString>* GetItemList(int nIndex) const;
    // The flag word of that list (ENUM_LIST_READONLY); 0 without lists.
    unsigned GetListFlags(int nIndex) const;

    void ValueText(CString* pValue, CString& strText) { strText = *pValue; }
    // Long texts lose their middle: the ends of a path or a qualified name tell most.
    static constexpr UINT kValueTextFormat = DT_SINGLELINE | DT_VCENTER | DT_PATH_ELLIPSIS;
    // The editor opens with the column's list.
    void BeginEditor(CZNPropertyGridPropertyEnumValueDlg& editor, int nIndex, void* pValue,
                     RECT* pCell);

private:
    void ParseOptions(const wchar_t* pszOptions);
    // The line or list entry that value column nIndex uses.
    size_t ListIndex(int nIndex) const;

    std::vector<std::vector<CString>> m_ItemLists; // per options line: its items, in order
    std::vector<unsigned> m_ListFlags;             // per options line: ENUM_LIST_READONLY or 0
};
