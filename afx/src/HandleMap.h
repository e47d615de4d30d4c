// Maps from Windows handles to the framework objects that wrap them.
//
// A permanent entry belongs to an object the program made and attached (Attach, Create,
// SubclassWindow). A temporary entry is made on demand by FromHandle for a handle that no
// object wraps; the framework deletes temporaries when the thread is idle, detaching the handle
// first so that the object's destructor leaves the handle alone.
#pragma once

#include <unordered_map>
#include <utility>

template <class TObject, class THandle> class CHandleMap
{
public:
    using AttachFn = void (*)(TObject*, THandle);
    using DetachFn = void (*)(TObject*);

    CHandleMap(AttachFn attach, DetachFn detach) : m_attach(attach), m_detach(detach) {}
    ~CHandleMap() { DeleteTemp(); }
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    // Every message the framework dispatches looks its window up, mostly one of the same two
    // (a control and its parent, in turn): those are kept at hand.
    TObject* LookupPermanent(THandle h) const
    {
        if (h == nullptr)
            return nullptr;
        if (m_recent[0].h == h)
            return m_recent[0].pObject;
        if (m_recent[1].h == h) {
            std::swap(m_recent[0], m_recent[1]);
            return m_recent[0].pObject;
        }
        TObject* pObject = Lookup(m_permanent, h);
        if (pObject != nullptr) {
            m_recent[1] = m_recent[0];
            m_recent[0] = {h, pObject};
        }
        return pObject;
    }
    TObject* LookupTemporary(THandle h) const { return Lookup(m_temporary, h); }

    TObject* FromHandle(THandle h)
    {
        if (h == nullptr)
            return nullptr;
        if (TObject* pObject = LookupPermanent(h))
            return pObject;
        if (TObject* pObject = LookupTemporary(h))
            return pObject;
        auto* pTemp = new TObject;
        m_attach(pTemp, h);
        m_temporary[h] = pTemp;
        return pTemp;
    }

    void SetPermanent(THandle h, TObject* pObject)
    {
        ForgetRecent();
        m_permanent[h] = pObject;
    }

    // Calls visit(handle, object) for every permanent entry, in no particular order.
    template <class TVisit> void ForEachPermanent(TVisit visit) const
    {
        for (const auto& entry : m_permanent)
            visit(entry.first, entry.second);
    }

    // Forgets the handle in both maps; a temporary object is deleted.
    void RemoveHandle(THandle h)
    {
        ForgetRecent();
        m_permanent.erase(h);
        auto it = m_temporary.find(h);
        if (it == m_temporary.end())
            return;
        TObject* pTemp = it->second;
        m_temporary.erase(it);
        m_detach(pTemp);
        delete pTemp;
    }

    void DeleteTemp()
    {
        auto temporary = std::move(m_temporary);
        m_temporary.clear();
        for (auto& entry : temporary) {
            m_detach(entry.second);
            delete entry.second;
        }
    }

private:
    using Map = std::unordered_map<THandle, TObject*>;

    struct Entry
    {
        THandle h;
        TObject* pObject;
    };

    void ForgetRecent() { m_recent[0] = m_recent[1] = Entry{}; }

    static TObject* Lookup(const Map& map, THandle h)
    {
        auto it = map.find(h);
        return it == map.end() ? nullptr : it->second;
    }

    Map m_permanent;
    Map m_temporary;
    mutable Entry m_recent[2] = {}; // permanent entries found last, the latest first
    AttachFn m_attach;
    DetachFn m_detach;
};
