// When removed categories, properties and row records are destroyed. A host may change the
// grid from inside any notification, while the editor, the property or the grid code that sent
// it still has work to do once the host returns. So the grid counts the messages of its own and
// of its editors under way, and what is removed while any is keeps its memory until the host's
// message loop runs again: only then is nothing of the grid's on the stack.
#include <ZNPropertyGrid.h>

#include "grid/ZNPropertyGridItem.h"
#include "model/ZNPropertyGridBusyScope.h"
#include "model/ZNPropertyGridCategory.h"
#include "model/ZNPropertyGridProperty.h"

LRESULT CZNPropertyGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    NoteListBoxMessage(message);
    // A modal loop run from inside a message (a dialog the host shows in its answer) may
    // deliver the request early: the last scope to close asks again.
    if (message == PGM_DESTROYDEFERRED) {
        m_bDestroyPosted = false;
        if (m_nBusyDepth == 0)
            DestroyDeferred();
        return 0;
    }
    // A request posted to a window that goes now is never delivered; what is left waits for
    // the next window or the grid's destruction.
    if (message == WM_NCDESTROY)
        m_bDestroyPosted = false;
    CZNPropertyGridBusyScope scope(this);
    return CListBox::WindowProc(message, wParam, lParam);
}

void CZNPropertyGrid::LeaveBusy()
{
    if (--m_nBusyDepth > 0 || !HasDeferred() || m_bDestroyPosted)
        return;
    // A grid whose window has gone destroys the rest with itself.
    m_bDestroyPosted = ::IsWindow(m_hWnd) && PostMessage(PGM_DESTROYDEFERRED) != FALSE;
}

bool CZNPropertyGrid::HasDeferred() const
{
    return !m_DeferredProperties.empty() || !m_DeferredCategories.empty() ||
           !m_DeferredRows.empty();
}

// Properties go before categories: a property removed from a category that was removed too
// still finds its category, and through it its grid, while it is destroyed. What the
// destruction itself removes waits for the next round.
void CZNPropertyGrid::DestroyDeferred()
{
    CZNPropertyGridBusyScope scope(this);
    while (HasDeferred()) {
        std::vector<IZNPropertyGridProperty*> properties;
        std::vector<CZNPropertyGridCategory*> categories;
        std::vector<CZNPropertyGridItem*> rows;
        properties.swap(m_DeferredProperties);
        categories.swap(m_DeferredCategories);
        rows.swap(m_DeferredRows);
        for (IZNPropertyGridProperty* pProperty : properties)
            delete pProperty;
        for (CZNPropertyGridCategory* pCategory : categories)
            delete pCategory;
        for (CZNPropertyGridItem* pItem : rows)
            delete pItem;
    }
}

void CZNPropertyGrid::DestroyCategory(CZNPropertyGridCategory* pCategory)
{
    if (m_nBusyDepth > 0)
        m_DeferredCategories.push_back(pCategory);
    else
        delete pCategory;
}

void CZNPropertyGrid::DestroyProperty(IZNPropertyGridProperty* pProperty)
{
    if (m_nBusyDepth > 0)
        m_DeferredProperties.push_back(pProperty);
    else
        delete pProperty;
}

void CZNPropertyGrid::ForgetProperty(IZNPropertyGridProperty* pProperty)
{
    if (m_pActiveProperty == pProperty)
        m_pActiveProperty = nullptr;
    if (m_pCaptureProperty == pProperty)
        ReleaseCaptureProperty();
}

void CZNPropertyGrid::DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    auto* pItem = reinterpret_cast<CZNPropertyGridItem*>(lpDeleteItemStruct->itemData);
    if (m_nBusyDepth > 0)
        m_DeferredRows.push_back(pItem);
    else
        delete pItem;
}
