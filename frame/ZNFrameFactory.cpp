// The frame factory: the container template and container creation.
#include "frame/ZNFrameFactory.h"

#include "frame/ZNFrameContainer.h"
#include "frame/ZNFrameLayout.h"

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
