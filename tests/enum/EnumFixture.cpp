#include "EnumFixture.h"

#include "HookProbe.h"
#include "model/ZNPropertyGridEditorHolder.h"

namespace pgtest {

IZNPropertyGridProperty* EnumTest::AddEnum(const wchar_t* pszOptions, CString* pFirst,
                                           CString* pSecond, unsigned nID)
{
    IZNPropertyGridProperty* pProperty =
        m_Grid.AddProperty(m_pCategory, L"Choice", L"", nID, PGT_ENUM, pszOptions);
    if (pProperty == nullptr || pProperty->GetType() != PGT_ENUM)
        return nullptr;
    if (pFirst != nullptr)
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 0, pFirst);
    if (pSecond != nullptr)
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 1, pSecond);
    return pProperty;
}

HWND EnumTest::Editor() const
{
    using CHolder = CZNPropertyGridEditorHolder<CZNPropertyGridPropertyEnumValueDlg>;
    auto* pHolder = static_cast<CHolder*>(::GetPropW(m_Grid.m_hWnd, L"PropertyGridPropertyEnum"));
    return pHolder != nullptr ? pHolder->GetEditor()->m_hWnd : nullptr;
}

CString EnumTest::EditFieldText() const
{
    wchar_t szText[128] = L"";
    ::GetWindowTextW(EditField(), szText, 128);
    return szText;
}

HWND EnumTest::OpenPopup()
{
    HWND hPopup = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (!::IsWindowVisible(hWnd) ||
                ::GetDlgItem(hWnd, IDC_PROPERTYGRID_DROPLIST) == nullptr)
                return TRUE;
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&hPopup));
    return hPopup;
}

int EnumTest::Selected()
{
    return int(::SendMessageW(OpenList(), LB_GETCURSEL, 0, 0));
}

int EnumTest::TopIndex()
{
    return int(::SendMessageW(OpenList(), LB_GETTOPINDEX, 0, 0));
}

CPoint EnumTest::ItemPoint(int nItem)
{
    CRect rc;
    ::SendMessageW(OpenList(), LB_GETITEMRECT, WPARAM(nItem), reinterpret_cast<LPARAM>(&rc));
    return rc.CenterPoint();
}

CString EnumTest::ItemText(int nItem)
{
    wchar_t szText[128] = L"";
    if (::SendMessageW(OpenList(), LB_GETTEXTLEN, WPARAM(nItem), 0) < 128)
        ::SendMessageW(OpenList(), LB_GETTEXT, WPARAM(nItem), reinterpret_cast<LPARAM>(szText));
    return szText;
}

bool EnumTest::ClickDropButton()
{
    CRect rc;
    ::GetClientRect(DropButton(), &rc);
    return Click(DropButton(), rc.CenterPoint());
}

bool EnumTest::ClickItem(int nItem)
{
    CPoint point = ItemPoint(nItem);
    ::MapWindowPoints(OpenList(), m_Host.m_hWnd, &point, 1);
    return Click(m_Host.m_hWnd, point);
}

bool EnumTest::FocusStaysInTheEditField() const
{
    return ::GetFocus() == EditField() && ::GetActiveWindow() == m_Host.m_hWnd;
}

bool EnumTest::AnyHookInstalled()
{
    return IsAnyRegistryHookInstalled(m_Host.m_hWnd);
}

} // namespace pgtest
