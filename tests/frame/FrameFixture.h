// What the frame tests share: a shown host window for containers and the windows they place.
#pragma once

#include "frame/ZNFrameContainer.h"
#include "frame/ZNFrameControlWnd.h"
#include "frame/ZNFrameFactory.h"
#include "frame/ZNFrameLayout.h"

#include "DialogTemplate.h"
#include "Input.h"

#include <gtest/gtest.h>

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

} // namespace pgtest
