#include "GridChecks.h"

#include "grid/ZNPropertyGridItem.h"

#include <vector>

namespace pgtest {

namespace {

struct Row
{
    int eKind;
    void* pObject;
};

void WalkExpanded(const CZNPropertyGridCategory* pCategory, std::vector<Row>& rows)
{
    for (CZNPropertyGridCategory* pChild : pCategory->m_Categories) {
        rows.push_back({ITEM_CATEGORY, pChild});
        if (pChild->IsExpanded())
            WalkExpanded(pChild, rows);
    }
    for (IZNPropertyGridProperty* pProperty : pCategory->m_Properties)
        rows.push_back({ITEM_PROPERTY, pProperty});
}

bool InTree(const CZNPropertyGridCategory* pCategory, const IZNPropertyGridProperty* pProperty)
{
    if (pCategory == nullptr)
        return false;
    for (IZNPropertyGridProperty* pOwn : pCategory->m_Properties) {
        if (pOwn == pProperty)
            return true;
    }
    for (CZNPropertyGridCategory* pChild : pCategory->m_Categories) {
        if (InTree(pChild, pProperty))
            return true;
    }
    return false;
}

} // namespace

std::string CheckGrid(CTestGrid& grid)
{
    std::vector<Row> expected;
    if (grid.m_pRootCategory != nullptr)
        WalkExpanded(grid.m_pRootCategory, expected);
    int nCount = grid.GetCount();
    if (nCount != int(expected.size()))
        return "rows: " + std::to_string(nCount) + ", tree: " + std::to_string(expected.size());
    for (int nRow = 0; nRow < nCount; ++nRow) {
        auto* pItem = reinterpret_cast<CZNPropertyGridItem*>(grid.GetItemDataPtr(nRow));
        if (pItem == nullptr || pItem->m_eKind != expected[nRow].eKind ||
            pItem->m_pObject != expected[nRow].pObject)
            return "row " + std::to_string(nRow) + " is not the tree's";
    }
    int nSelected = grid.GetCurSel();
    if (nSelected < -1 || nSelected >= nCount)
        return "selection " + std::to_string(nSelected) + " of " + std::to_string(nCount);
    if (grid.m_pActiveProperty != nullptr && !InTree(grid.m_pRootCategory, grid.m_pActiveProperty))
        return "the active property is not in the tree";
    if (grid.m_pCaptureProperty != nullptr &&
        !InTree(grid.m_pRootCategory, grid.m_pCaptureProperty))
        return "the capture property is not in the tree";
    return {};
}

void* ValueStorage::For(eZNPropertyGridType eType)
{
    switch (eType) {
    case PGT_INTEGER:
        return &nInteger;
    case PGT_FLOAT:
        return &fFloat;
    case PGT_VECTOR3:
    case PGT_VECTOR4:
    case PGT_COLORVECTOR4:
        return vFloats.data();
    default:
        return &strText;
    }
}

bool HeapsValid()
{
    HANDLE heaps[64];
    DWORD nHeaps = ::GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < nHeaps && i < 64; ++i) {
        if (!::HeapValidate(heaps[i], 0, nullptr))
            return false;
    }
    return true;
}

} // namespace pgtest
