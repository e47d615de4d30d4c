// What the frame tests share: a shown host window for containers and the windows they place,
// and a resizable frame dialog built the way the external memo editor builds its own.
#pragma once

#include "frame/ZNFrameContainer.h"
#include "frame/ZNFrameControlWnd.h"
#include "frame/ZNFrameDialog.h"
#include "frame/ZNFrameFactory.h"
#include "frame/ZNFrameLayout.h"
#include "frame/ZNFrameSplitContainer.h"

#include "DialogTemplate.h"
#include "Input.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace pgtest {

// The window rectangle of hWnd in its parent's client coordinates.
inline CRect RectInParent(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// A plain static window at a pixel rectangle of its parent.
inline HWND CreateChild(HWND hWndParent, const RECT& rc, int nID = 0)
{
    return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, rc.left, rc.top,
                             rc.right - rc.left, rc.bottom - rc.top, hWndParent,
                             reinterpret_cast<HMENU>(INT_PTR(nID)), ::GetModuleHandleW(nullptr),
                             nullptr);
}

// A shown popup window whose containers the test makes and releases.
class FrameHostFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN, 200, 150, L"Host");
        ASSERT_TRUE(m_Host.CreateIndirect(dialogTemplate.Get()));
        m_Host.SetWindowPos(nullptr, 40, 40, 500, 400, SWP_NOZORDER);
        m_Host.ShowWindow(SW_SHOW);
        PumpMessages();
    }
    void TearDown() override
    {
        for (CZNFrameContainer* pContainer : m_Roots)
            pContainer->Release();
        m_Host.DestroyWindow();
    }

    // A container of the given layout kind with its margins, child of pParent (the host when
    // null) at the pixel rectangle rc. Containers made for the host are released by the test.
    CZNFrameContainer* Container(int nLayoutKind, const RECT& rc, int nMargin = 0,
                                 CWnd* pParent = nullptr)
    {
        CZNFrameContainer* pContainer = nullptr;
        RECT rcTemplate = rc;
        if (!GetFrameFactory().CreateContainer(pParent != nullptr ? pParent : &m_Host, &rcTemplate,
                                               nLayoutKind, &pContainer))
            return nullptr;
        pContainer->SetMargins(nMargin, nMargin, nMargin, nMargin);
        pContainer->SetRect(rc.left, rc.top, rc.right, rc.bottom);
        if (pParent == nullptr)
            m_Roots.push_back(pContainer);
        return pContainer;
    }
    // A new window wrapped in a frame control, added to the container; null on failure.
    CZNFrameControlWnd* AddWindow(CZNFrameContainer* pContainer, const RECT& rc)
    {
        auto* pControl = new CZNFrameControlWnd(CreateChild(m_Host, rc));
        pContainer->AddControl(pControl);
        return pControl;
    }
    static CRect RectOf(const CZNFrameControl* pControl)
    {
        CRect rc;
        pControl->GetRect(&rc);
        return rc;
    }

    CDialog m_Host;
    std::vector<CZNFrameContainer*> m_Roots;
};

// A frame dialog whose tree is the external memo editor's: a root border container with
// margins 11 holding the size grip and an inner border container with margins 2 around the
// template's edit control. With a split, the root holds a split container (id kSplitId)
// instead, the inner container being its first pane.
class CTestFrameDialog : public CZNFrameDialog
{
public:
    static constexpr char kName[] = "FrameTestDialog";
    static constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU |
                                    WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    static constexpr int kEditId = 1001;
    static constexpr int kSplitId = 7;

    explicit CTestFrameDialog(bool bWithSplit = false) : CZNFrameDialog(0), m_bWithSplit(bWithSplit)
    {
    }

    using CZNFrameDialog::m_pContainer;
    using CZNFrameDialog::m_SizeGrip;
    using CZNFrameDialog::m_sizeMin;

    // The window, hidden, from a template with one edit control.
    BOOL Create(DWORD dwStyle, CWnd* pParent = nullptr)
    {
        DialogTemplate dialogTemplate(dwStyle, 200, 150, L"Frame");
        dialogTemplate.Add(DialogItemClass::Edit, WS_BORDER | ES_MULTILINE, 7, 7, 186, 136,
                           WORD(kEditId));
        m_Template = dialogTemplate;
        return CreateIndirect(m_Template.Get(), pParent);
    }
    HWND Edit() const { return ::GetDlgItem(m_pInner->GetSafeHwnd(), kEditId); }

    CZNFrameContainer* m_pInner = nullptr;
    CZNFrameSplitContainer* m_pSplit = nullptr;

protected:
    bool OnCreateFrame() override
    {
        CRect rc;
        GetClientRect(&rc);
        CZNFrameFactory& factory = GetFrameFactory();
        if (!factory.CreateContainer(this, &rc, CZNFrameLayout::FLK_BORDER, &m_pContainer))
            return false;
        m_pContainer->SetMargins(11, 11, 11, 11);
        CreateSizeGrip();
        if (m_bWithSplit) {
            if (!factory.CreateSplitContainer(m_pContainer, &rc, kSplitId,
                                              CZNFrameSplitContainer::FS_COLUMNS,
                                              CZNFrameLayout::FLK_BORDER, &m_pSplit))
                return false;
            m_pContainer->AddControl(m_pSplit);
            m_pInner = m_pSplit->GetPane(0);
        } else {
            if (!factory.CreateContainer(m_pContainer, &rc, CZNFrameLayout::FLK_BORDER, &m_pInner))
                return false;
            m_pContainer->AddControl(m_pInner);
        }
        m_pInner->SetMargins(2, 2, 2, 2);
        m_pInner->AddControl(new CZNFrameControlWnd(::GetDlgItem(m_hWnd, kEditId)));
        ArrangeFrame(rc.Width(), rc.Height());
        return factory.LoadPlacement(m_pContainer, this, kName);
    }
    void OnDestroyFrame() override { GetFrameFactory().SavePlacement(m_pContainer, this, kName); }

private:
    bool m_bWithSplit;
    DialogTemplate m_Template{0, 0, 0};
};

// The frame dialog's profile section, emptied before and after every test.
class FrameDialogFixture : public ::testing::Test
{
protected:
    static constexpr wchar_t kSection[] = L"Dialogs\\FrameTestDialog";

    void SetUp() override { ClearProfile(); }
    void TearDown() override
    {
        if (m_pDialog != nullptr && m_pDialog->m_hWnd != nullptr)
            m_pDialog->DestroyWindow();
        m_pDialog.reset();
        ClearProfile();
    }
    static void ClearProfile() { AfxGetApp()->WriteProfileString(kSection, nullptr, nullptr); }
    static int ProfileInt(const wchar_t* pszEntry, int nDefault = -999999)
    {
        return int(AfxGetApp()->GetProfileInt(kSection, pszEntry, nDefault));
    }

    // Opens the frame dialog shown and active, as DoModal shows it after OnInitDialog.
    CTestFrameDialog& Open(bool bWithSplit = false, DWORD dwStyle = CTestFrameDialog::kStyle,
                           CWnd* pParent = nullptr)
    {
        m_pDialog = std::make_unique<CTestFrameDialog>(bWithSplit);
        EXPECT_TRUE(m_pDialog->Create(dwStyle, pParent));
        m_pDialog->ShowWindow(SW_SHOW);
        m_pDialog->SetForegroundWindow();
        m_pDialog->UpdateWindow();
        PumpMessages();
        return *m_pDialog;
    }
    void Close()
    {
        m_pDialog->DestroyWindow();
        PumpMessages();
    }
    static CRect WindowRect(const CWnd& wnd)
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        return rc;
    }
    static CRect ClientRect(const CWnd& wnd)
    {
        CRect rc;
        wnd.GetClientRect(&rc);
        return rc;
    }

    std::unique_ptr<CTestFrameDialog> m_pDialog;
};

} // namespace pgtest
