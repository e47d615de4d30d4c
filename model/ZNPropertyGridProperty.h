// The abstract base of every property type: name, help, identifier, and per value column the
// host's user data, a flag word (enabled bit, tri-state check box) and a check-box tool tip.
#pragma once

#include <ZNPropertyGrid.h>

#include "model/ZNPropertyGridBlockPool.h"
#include "model/ZNPropertyGridCheckBox.h"

struct PropertyGridDrawContext;

// Flag word of a value cell: the enabled bit, and the check box's state in PGCB_MASK.
#define PGP_ENABLED 0x00000001u

// The wParam of the grid's notifications: a column in the low word, the property's identifier
// in the high word.
inline WPARAM PackNotifyParam(int nColumn, unsigned nID)
{
    return DWORD(MAKELONG(WORD(nColumn), WORD(nID)));
}

class IZNPropertyGridProperty
{
public:
    DECLARE_PROPERTYGRID_POOLED()

    // The virtual operations keep this order: hosts and types rely on the slots.
    virtual ~IZNPropertyGridProperty();
    virtual void SetName(const wchar_t* pszName);
    virtual const wchar_t* GetName();
    virtual void SetHelp(const wchar_t* pszHelp);
    virtual const wchar_t* GetHelp();
    virtual unsigned GetID();
    virtual int GetActiveColumn();
    virtual bool SetValue(int nIndex, void* pValue) = 0;
    virtual bool GetValue(int nIndex, void** ppValue) = 0;
    virtual bool GetValueAsString(int nIndex, CString& strText) = 0;
    virtual bool SetCheckBoxState(int nIndex, unsigned nState);
    virtual bool GetCheckBoxState(int nIndex, unsigned& nState);
    virtual bool SetCheckBoxTooltip(int nIndex, const wchar_t* pszText);
    virtual bool IsCheckBoxChecked(int nIndex);
    virtual bool SetUserData(int nIndex, void* pData);
    virtual void* GetUserData(int nIndex);
    virtual void SetFlag(int nIndex, unsigned nMask);
    virtual void ClearFlag(int nIndex, unsigned nMask);
    virtual unsigned TestFlag(int nIndex, unsigned nMask);
    virtual int AddColumn();
    virtual bool RemoveColumn(int nIndex);
    virtual void DrawItem(PropertyGridDrawContext* pContext);
    virtual void DrawValue(PropertyGridDrawContext* pContext, int nColumn, RECT* pCell);
    virtual void MeasureItem(MEASUREITEMSTRUCT* pMIS);
    virtual void DrawGridLines(PropertyGridDrawContext* pContext);
    virtual void DrawName(PropertyGridDrawContext* pContext);
    virtual bool GetToolTip(int nColumn, RECT* pCell, POINT* pPoint, UINT* pToolId, CString* pText);
    virtual bool HasValue(int nColumn) = 0;
    virtual eReturnEvent OnLButtonDown(UINT nFlags, CPoint point);
    virtual eReturnEvent OnLButtonUp(UINT nFlags, CPoint point);
    virtual eReturnEvent OnMouseMove(UINT nFlags, CPoint point);
    virtual eReturnEvent OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual bool Activate(int nColumn, RECT* pCell) = 0;
    virtual void Deactivate() = 0;
    virtual eReturnEvent OnMouseWheel(UINT nFlags, short zDelta, CPoint point);
    virtual void OnCut();
    virtual void OnUpdateCut(CCmdUI* pCmdUI);
    virtual void OnCopy();
    virtual void OnUpdateCopy(CCmdUI* pCmdUI);
    virtual void OnPaste();
    virtual void OnUpdatePaste(CCmdUI* pCmdUI);

    bool SetActiveColumn(int nColumn, RECT* pCell);
    // Makes room for nColumns value columns before they are added one by one, so that a new
    // property allocates its per-column arrays once.
    void ReserveColumns(size_t nColumns);
    eZNPropertyGridType GetType() const { return m_eType; }
    CZNPropertyGridCategory* GetCategory() const { return m_pCategory; }
    // The grid of the category, or null.
    CZNPropertyGrid* GetGrid() const;

protected:
    IZNPropertyGridProperty(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                            const wchar_t* pszHelp, unsigned nID, eZNPropertyGridType eType);

    CZNPropertyGridCategory* m_pCategory; // the owner; its grid is the property's grid
    CString m_strName;                    // shown in the name column
    CString m_strHelp;                    // for the help pane, line breaks as <BR>
    unsigned m_nID;                       // the host's identifier, not necessarily unique
    int m_nActiveColumn;                  // grid column last activated; -1 before the first
    // What a value column keeps.
    struct ColumnState
    {
        void* pValue = nullptr;        // the host's value, for a type that keeps one pointer
        void* pUserData = nullptr;     // the host's data
        unsigned nFlags = PGP_ENABLED; // PGP_ENABLED and PGCB_ state
        CString strCheckBoxTip;        // the check box's tip
    };

    // Per value column, in one pool block: a host adds properties by the thousand.
    std::vector<ColumnState, CZNPropertyGridPoolAllocator<ColumnState>> m_ColumnStates;
    CZNPropertyGridCheckBox m_CheckBox; // the box the mouse tracks, pressed or hot
    eZNPropertyGridType m_eType;        // which of the types this is
    int m_nItemHeight;                  // row height from the first measure; -1 before

private:
    IZNPropertyGridProperty(const IZNPropertyGridProperty&) = delete;
    IZNPropertyGridProperty& operator=(const IZNPropertyGridProperty&) = delete;
};

// What every type that keeps one host value pointer per value column shares.
class CZNPropertyGridValueProperty : public IZNPropertyGridProperty
{
public:
    bool SetValue(int nIndex, void* pValue) override;
    bool GetValue(int nIndex, void** ppValue) override;
    bool HasValue(int nColumn) override;
    // Paints the value cells of every grid column; a column the property has no slot for
    // shows as a cell without a value.
    void DrawItem(PropertyGridDrawContext* pContext) override;

protected:
    using IZNPropertyGridProperty::IZNPropertyGridProperty;

    // What every type's DrawValue paints first: the cell's background and check box. Then,
    // when the column's value is set, true with the rectangle for the value's text: the visible
    // part of the cell after its check box, less the text inset on the left and a pixel on the
    // right.
    bool DrawValueBase(PropertyGridDrawContext* pContext, int nColumn, const RECT& rcCell,
                       CRect& rcText);

    // Whether the property has value column nIndex.
    bool IsValueColumn(int nIndex) const;
    // The host's value of column nIndex, not owned; null when the column is missing or its value
    // not set.
    void* ValueOf(int nIndex) const;
};
