// One in-place editor per property type and grid window, shared by all properties of that type
// on that grid. Only one cell of a grid is edited at a time, so one editor window per type is
// enough however many properties and columns there are.
#pragma once

#include <afxwin.h>

#include <cwchar>
#include <new>

// The holder hangs on the grid window as a window property named after the type. Every
// property of the type attaches to it when it is made and releases it when it is destroyed;
// the first attach creates the editor window, the last release destroys it and the holder.
// TEditor is a CZNPropertyGridPropertyValueDlg with its template in TEditor::IDD.
template <class TEditor> class CZNPropertyGridEditorHolder
{
public:
    CZNPropertyGridEditorHolder(const CZNPropertyGridEditorHolder&) = delete;
    CZNPropertyGridEditorHolder& operator=(const CZNPropertyGridEditorHolder&) = delete;

    // The holder on the grid window under pszName (a literal), made with an editor object but
    // no editor window when there is none yet. Null when the grid has no window, since the
    // editor needs one for its parent, or when memory runs out.
    static CZNPropertyGridEditorHolder* GetOrCreate(CWnd* pGrid, const wchar_t* pszName)
    {
        HWND hWndGrid = pGrid->GetSafeHwnd();
        // Reading a window property is a round trip to the window server, and a host adds its
        // properties by the thousand; the holder last found answers for its own grid window.
        CZNPropertyGridEditorHolder* pLastFound = LastFound();
        if (pLastFound != nullptr && pLastFound->Serves(hWndGrid, pszName))
            return pLastFound;
        if (!::IsWindow(hWndGrid))
            return nullptr;
        auto* pHolder = static_cast<CZNPropertyGridEditorHolder*>(::GetPropW(hWndGrid, pszName));
        if (pHolder == nullptr) {
            pHolder = new (std::nothrow) CZNPropertyGridEditorHolder(hWndGrid, pszName);
            if (pHolder != nullptr && !::SetPropW(hWndGrid, pszName, pHolder)) {
                delete pHolder;
                return nullptr;
            }
        }
        SetLastFound(pHolder);
        return pHolder;
    }

    // Counts one more property; the editor window is created, hidden, with the first.
    void Attach(CWnd* pGrid)
    {
        ++m_nRefCount;
        if (m_Editor.m_hWnd == nullptr)
            m_Editor.Create(TEditor::IDD, pGrid);
    }

    // Counts one property less. The last takes the holder off the grid window and destroys the
    // editor window, the editor and the holder itself.
    void Release()
    {
        if (--m_nRefCount > 0)
            return;
        if (LastFound() == this)
            SetLastFound(nullptr);
        // The grid window may be gone already, and its properties with it.
        if (::GetPropW(m_hWndGrid, m_pszName) == this)
            ::RemovePropW(m_hWndGrid, m_pszName);
        m_Editor.DestroyWindow();
        delete this;
    }

    TEditor* GetEditor() { return &m_Editor; }

private:
    CZNPropertyGridEditorHolder(HWND hWndGrid, const wchar_t* pszName)
        : m_nRefCount(0), m_hWndGrid(hWndGrid), m_pszName(pszName)
    {
    }
    ~CZNPropertyGridEditorHolder() = default;

    // Whether this is the holder the window property pszName of hWndGrid holds. A grid window
    // that went while its properties live took the editor window with it, so a later window
    // that gets the same handle does not take the holder left behind for its own.
    bool Serves(HWND hWndGrid, const wchar_t* pszName) const
    {
        return m_hWndGrid == hWndGrid && m_Editor.m_hWnd != nullptr &&
               ::wcscmp(m_pszName, pszName) == 0;
    }

    int m_nRefCount;          // properties attached
    TEditor m_Editor;         // the shared editor; its window is the grid's child
    HWND m_hWndGrid;          // the grid window the holder hangs on
    const wchar_t* m_pszName; // the window property's name, a literal

    // The holder GetOrCreate found last on this thread, until it is released. A grid and its
    // properties live on the thread of its window; grids on other threads have their own. The
    // pointer is kept in a thread-local slot of the system's: the compiler's thread_local costs
    // a call into its runtime library, which takes a lock, at every use. Without a slot every
    // lookup reads the window property.
    static DWORD LastFoundSlot()
    {
        static const DWORD s_dwSlot = ::TlsAlloc();
        return s_dwSlot;
    }
    static CZNPropertyGridEditorHolder* LastFound()
    {
        return static_cast<CZNPropertyGridEditorHolder*>(::TlsGetValue(LastFoundSlot()));
    }
    static void SetLastFound(CZNPropertyGridEditorHolder* pHolder)
    {
        ::TlsSetValue(LastFoundSlot(), pHolder);
    }
};
