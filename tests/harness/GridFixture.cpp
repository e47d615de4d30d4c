#include "GridFixture.h"

#include "grid/ZNPropertyGridItem.h"

#include <utility>

namespace pgtest {

void GridFixture::SetUpTestSuite()
{
    static bool s_bInitialized = false;
    if (!std::exchange(s_bInitialized, true))
        InitPropertyGridCtrl();
}

void GridFixture::SetUp()
{
    ASSERT_TRUE(CreateHost() && Initialize());
}

void GridFixture::TearDown()
{
    m_Host.DestroyWindow();
}

bool GridFixture::CreateHost(DWORD dwListBoxExStyle)
{
    return m_Host.Create(kGridListBoxStyle, {600, 240}, dwListBoxExStyle) &&
           m_Grid.SubclassDlgItem(CHostDialog::kListBoxId, &m_Host);
}

bool GridFixture::Initialize(DWORD dwExtStyle, const std::vector<int>& widths)
{
    const wchar_t* const pszTitles[] = {L"First", L"Second"};
    if (!m_Grid.Initialize(dwExtStyle))
        return false;
    for (size_t i = 0; i < widths.size(); ++i) {
        if (m_Grid.AddColumn(widths[i], pszTitles[i]) != int(i) + 1)
            return false;
    }
    m_pRoot = m_pCategory = m_Grid.AddCategory(nullptr, L"Root", L"");
    return m_pRoot != nullptr;
}

CZNPropertyGridCategory* GridFixture::Category(CZNPropertyGridCategory* pParent,
                                               const wchar_t* pszName)
{
    return m_Grid.AddCategory(pParent, pszName, L"");
}

IZNPropertyGridProperty* GridFixture::AddText(CZNPropertyGridCategory* pCategory, unsigned nID)
{
    return m_Grid.AddProperty(pCategory, L"Name", L"", nID, PGT_TEXT, L"");
}

IZNPropertyGridProperty* GridFixture::Add(eZNPropertyGridType eType, unsigned nID, void* pFirst,
                                          void* pSecond)
{
    auto* pProperty = m_Grid.AddProperty(m_pCategory, L"Name", L"", nID, eType, L"");
    if (pFirst != nullptr)
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 0, pFirst);
    if (pSecond != nullptr)
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 1, pSecond);
    return pProperty;
}

CString GridFixture::ValueText(IZNPropertyGridProperty* pProperty, int nIndex)
{
    CString strText = L"<none>";
    m_Grid.GetPropertyValueAsString(pProperty->GetCategory(), pProperty, nIndex, strText);
    return strText;
}

std::vector<void*> GridFixture::Rows() const
{
    std::vector<void*> rows;
    for (int i = 0; i < m_Grid.GetCount(); ++i) {
        auto* pItem = static_cast<CZNPropertyGridItem*>(m_Grid.GetItemDataPtr(i));
        rows.push_back(pItem != nullptr ? pItem->m_pObject : nullptr);
    }
    return rows;
}

CRect GridFixture::CellRect(int nRow, int nColumn)
{
    CRect rcCell;
    m_Grid.ColumnRect(nRow, nColumn, &rcCell);
    return rcCell;
}

CRect GridFixture::CellRect(IZNPropertyGridProperty* pProperty, int nColumn)
{
    return CellRect(m_Grid.ComputeListIndex(pProperty), nColumn);
}

CRect GridFixture::CheckBox(int nRow, int nColumn)
{
    CRect rcCell = CellRect(nRow, nColumn);
    int nSide = rcCell.Height() - 1 - 4;
    return CRect(rcCell.TopLeft() + CPoint(2, 2), CSize(nSide, nSide));
}

bool GridFixture::ClickCell(IZNPropertyGridProperty* pProperty, int nColumn)
{
    CPoint point = CellRect(pProperty, nColumn).CenterPoint();
    point.x += (m_nClicks++ % 2) * 2 * ::GetSystemMetrics(SM_CXDOUBLECLK);
    return Click(m_Grid.m_hWnd, point);
}

bool GridFixture::Edit(IZNPropertyGridProperty* pProperty, int nColumn, const std::wstring& text,
                       WORD endKey)
{
    return ClickCell(pProperty, nColumn) && PressKeyWith(VK_SHIFT, VK_HOME) &&
           (text.empty() ? PressKey(VK_DELETE) : TypeText(text)) &&
           (endKey == 0 || PressKey(endKey));
}

bool GridFixture::Commit(IZNPropertyGridProperty* pProperty, int nColumn)
{
    return ClickCell(pProperty, nColumn) && PressKey(VK_RETURN);
}

CString GridFixture::EditText()
{
    wchar_t szText[128] = L"";
    ::GetWindowTextW(::GetFocus(), szText, 128);
    return szText;
}

const char* GridFixture::EditorClass()
{
    CWnd* pEditor = CWnd::FromHandlePermanent(::GetParent(::GetFocus()));
    return pEditor != nullptr ? pEditor->GetRuntimeClass()->m_lpszClassName : "";
}

void EditTest::SetUp()
{
    GridFixture::SetUp();
    m_pCategory = Category(m_pRoot, L"V");
}

} // namespace pgtest
