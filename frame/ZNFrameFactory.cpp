// The frame factory: the container template, container creation and the placement profile.
#include "frame/ZNFrameFactory.h"

#include "frame/ZNFrameContainer.h"
#include "frame/ZNFrameLayout.h"
#include "frame/ZNFrameSplitContainer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <new>

namespace {

// Containers are visible borderless children that the dialog manager treats as part of the
// dialog around them (tabbing, dialog keys), in the font given by the template.
constexpr DWORD kContainerStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | DS_CONTROL | DS_SETFONT | DS_FIXEDSYS;

// Byte offsets in the extended dialog template (DLGTEMPLATEEX).
constexpr size_t kVersionOffset = 0;
constexpr size_t kSignatureOffset = 2;
constexpr size_t kStyleOffset = 12;
constexpr size_t kRectOffset = 18; // x, y, cx, cy
constexpr size_t kPointSizeOffset = 32;
constexpr size_t kWeightOffset = 34;
constexpr size_t kItalicOffset = 36;
constexpr size_t kCharSetOffset = 37;
constexpr size_t kFaceNameOffset = 38;

constexpr wchar_t kTabItemText[] = L"TabItemContainer";

// The profile entries of the window rectangle, in the order they are written.
struct WindowEntry
{
    const wchar_t* pszEntry;
    LONG RECT::*pEdge;
};
constexpr WindowEntry kWindowEntries[] = {
    {L"Window.Left", &RECT::left},
    {L"Window.Right", &RECT::right},
    {L"Window.Top", &RECT::top},
    {L"Window.Bottom", &RECT::bottom},
};

template <class T> void Put(std::vector<BYTE>& bytes, size_t nOffset, T value)
{
    std::memcpy(bytes.data() + nOffset, &value, sizeof value);
}

// The first window from hWnd up through its ancestors whose text is the tab page's.
CWnd* FindTabItem(HWND hWnd)
{
    for (; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        wchar_t szText[std::size(kTabItemText) + 1] = L"";
        ::GetWindowTextW(hWnd, szText, int(std::size(szText)));
        if (::_wcsicmp(szText, kTabItemText) == 0)
            return CWnd::FromHandlePermanent(hWnd);
    }
    return nullptr;
}

CString SectionName(const char* pszName)
{
    return L"Dialogs\\" + CString(pszName);
}

CString SplitEntry(int nSplitId)
{
    CString strEntry;
    strEntry.Format(L"SplitContainer.%d", nSplitId);
    return strEntry;
}

// A child dialog is placed by its parent; every other dialog keeps its own placement.
bool KeepsOwnPlacement(CWnd* pDialog)
{
    return pDialog->GetParent() == nullptr || (pDialog->GetStyle() & WS_POPUP) != 0;
}

// Calls fn for every split container of the tree, each before the panes it holds.
template <class Fn> void ForEachSplitContainer(CZNFrameContainer* pContainer, const Fn& fn)
{
    if (pContainer == nullptr)
        return;
    for (int i = 0; i < pContainer->GetControlCount(); ++i) {
        CZNFrameControl* pControl = pContainer->GetControl(i);
        int nKind = pControl == nullptr ? CZNFrameControl::FCK_NODE : pControl->GetKind();
        if (nKind == CZNFrameControl::FCK_CONTAINER) {
            ForEachSplitContainer(static_cast<CZNFrameContainer*>(pControl), fn);
        } else if (nKind == CZNFrameControl::FCK_SPLITCONTAINER) {
            auto* pSplit = static_cast<CZNFrameSplitContainer*>(pControl);
            fn(pSplit);
            ForEachSplitContainer(pSplit->GetPane(0), fn);
            ForEachSplitContainer(pSplit->GetPane(1), fn);
        }
    }
}

// A rectangle from a profile may lie where no screen is any more (a monitor was removed, the
// resolution shrank): it is moved, and shrunk if need be, onto the nearest work area.
void FitIntoWorkArea(CRect& rc)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoW(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &info))
        return;
    const CRect rcWork = info.rcWork;
    int cx = std::clamp(int(rc.Width()), 0, int(rcWork.Width()));
    int cy = std::clamp(int(rc.Height()), 0, int(rcWork.Height()));
    int x = std::clamp(int(rc.left), int(rcWork.left), int(rcWork.right) - cx);
    int y = std::clamp(int(rc.top), int(rcWork.top), int(rcWork.bottom) - cy);
    rc.SetRect(x, y, x + cx, y + cy);
}

// A stored ratio counts only when it is exactly one float.
float ReadSplitRatio(CWinApp* pApp, const CString& strSection, int nSplitId)
{
    float fRatio = 0.5f;
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    if (pApp->GetProfileBinary(strSection, SplitEntry(nSplitId), &pData, &nBytes) &&
        nBytes == sizeof fRatio)
        std::memcpy(&fRatio, pData, sizeof fRatio);
    delete[] pData;
    return fRatio;
}

} // namespace

CZNFrameFactory& GetFrameFactory()
{
    static CZNFrameFactory s_factory;
    return s_factory;
}

CZNFrameFactory::CZNFrameFactory()
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const LOGFONTW& font = metrics.lfMessageFont;
    HDC hScreenDC = ::GetDC(nullptr);
    int nPixelsPerInch = ::GetDeviceCaps(hScreenDC, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreenDC);

    // The header, no menu, the predefined dialog class, no title, the font, its face name.
    size_t nFaceLength = std::wcslen(font.lfFaceName);
    m_Template.assign(kFaceNameOffset + (nFaceLength + 1) * sizeof(wchar_t), 0);
    Put<WORD>(m_Template, kVersionOffset, 1);
    Put<WORD>(m_Template, kSignatureOffset, 0xFFFF);
    Put<DWORD>(m_Template, kStyleOffset, kContainerStyle);
    // Point sizes are positive whichever way the font gives its height.
    Put<WORD>(m_Template, kPointSizeOffset,
              WORD(::MulDiv(std::abs(font.lfHeight), 72, nPixelsPerInch)));
    Put<WORD>(m_Template, kWeightOffset, WORD(font.lfWeight));
    Put<BYTE>(m_Template, kItalicOffset, font.lfItalic);
    Put<BYTE>(m_Template, kCharSetOffset, font.lfCharSet);
    std::memcpy(m_Template.data() + kFaceNameOffset, font.lfFaceName,
                nFaceLength * sizeof(wchar_t));
}

void CZNFrameFactory::SetTemplateRect(const RECT& rect)
{
    const short values[] = {short(rect.left), short(rect.top), short(rect.right - rect.left),
                            short(rect.bottom - rect.top)};
    std::memcpy(m_Template.data() + kRectOffset, values, sizeof values);
}

//---------------------------------------------------------------------------------------------
// Containers

bool CZNFrameFactory::CreateContainer(CWnd* pParent, RECT* pRect, int nLayoutKind,
                                      CZNFrameContainer** ppContainer)
{
    if (ppContainer == nullptr)
        return false;
    auto* pContainer = new (std::nothrow) CZNFrameContainer;
    if (pContainer == nullptr)
        return false;
    SetTemplateRect(pRect != nullptr ? *pRect : CRect());
    if (!pContainer->CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_Template.data()), pParent)) {
        delete pContainer;
        return false;
    }
    pContainer->SetTabItem(FindTabItem(pParent->GetSafeHwnd()));
    CZNFrameLayout* pLayout = nullptr;
    if (!CreateFrameLayout(nLayoutKind, pContainer, &pLayout)) {
        pContainer->Release();
        return false;
    }
    pContainer->SetLayout(pLayout);
    *ppContainer = pContainer;
    return true;
}

bool CZNFrameFactory::CreateSplitContainer(CWnd* pParent, RECT* pRect, int nSplitId, int nSplit,
                                           int nPaneLayoutKind, CZNFrameSplitContainer** ppSplit)
{
    if (ppSplit == nullptr)
        return false;
    auto* pSplit = new (std::nothrow) CZNFrameSplitContainer(nSplitId, nSplit);
    if (pSplit == nullptr)
        return false;
    if (!pSplit->Create(pParent, pRect != nullptr ? *pRect : CRect(), nPaneLayoutKind)) {
        pSplit->Release();
        return false;
    }
    *ppSplit = pSplit;
    return true;
}

//---------------------------------------------------------------------------------------------
// Placement

bool CZNFrameFactory::LoadPlacement(CZNFrameContainer* pRoot, CWnd* pDialog, const char* pszName)
{
    CWinApp* pApp = AfxGetApp();
    if (pDialog->GetSafeHwnd() == nullptr || pApp == nullptr)
        return false;
    const CString strSection = SectionName(pszName);
    if (KeepsOwnPlacement(pDialog)) {
        CRect rc;
        pDialog->GetWindowRect(&rc);
        for (const WindowEntry& entry : kWindowEntries)
            rc.*entry.pEdge =
                LONG(pApp->GetProfileInt(strSection, entry.pszEntry, rc.*entry.pEdge));
        FitIntoWorkArea(rc);
        pDialog->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                              SWP_NOZORDER | SWP_NOACTIVATE);
        // Only a shown window can be maximised now; a hidden one opens at its normal place.
        if (pApp->GetProfileInt(strSection, L"Zoomed", 0) != 0 && pDialog->IsWindowVisible())
            pDialog->ShowWindow(SW_MAXIMIZE);
    }
    ForEachSplitContainer(pRoot, [&](CZNFrameSplitContainer* pSplit) {
        pSplit->SetSplitRatio(ReadSplitRatio(pApp, strSection, pSplit->GetSplitId()));
    });
    return true;
}

bool CZNFrameFactory::SavePlacement(CZNFrameContainer* pRoot, CWnd* pDialog, const char* pszName)
{
    CWinApp* pApp = AfxGetApp();
    if (pDialog->GetSafeHwnd() == nullptr || pApp == nullptr)
        return false;
    const CString strSection = SectionName(pszName);
    if (KeepsOwnPlacement(pDialog)) {
        // A maximised window keeps the normal rectangle saved before; a minimised one saves
        // nothing of its window.
        bool bZoomed = pDialog->IsZoomed() != FALSE;
        bool bIconic = pDialog->IsIconic() != FALSE;
        if (!bZoomed && !bIconic) {
            CRect rc;
            pDialog->GetWindowRect(&rc);
            for (const WindowEntry& entry : kWindowEntries)
                pApp->WriteProfileInt(strSection, entry.pszEntry, rc.*entry.pEdge);
        }
        if (!bIconic)
            pApp->WriteProfileInt(strSection, L"Zoomed", bZoomed ? 1 : 0);
    }
    ForEachSplitContainer(pRoot, [&](CZNFrameSplitContainer* pSplit) {
        float fRatio = pSplit->GetSplitRatio();
        pApp->WriteProfileBinary(strSection, SplitEntry(pSplit->GetSplitId()),
                                 reinterpret_cast<LPBYTE>(&fRatio), sizeof fRatio);
    });
    return true;
}
