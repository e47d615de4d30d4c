// Core of the framework: CObject with run-time class information, CString, exceptions and the
// diagnostic macros.
#pragma once

#include "afxver_.h"
#include "afxstr.h"

class CObject;

struct AFX_CORE_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF for dynamic classes that cannot be serialised
    CObject*(PASCAL* m_pfnCreateObject)();
    // The base class is reached through a function, as in MFC's DLL build, so that a class
    // in one module can name its base in another without a data import in a constant.
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();
    CRuntimeClass* m_pNextClass;

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class AFX_CORE_API CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    static const CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();
    static CRuntimeClass* PASCAL _GetBaseClass();

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                \
protected:                                                                                         \
    static CRuntimeClass* PASCAL _GetBaseClass();                                                  \
                                                                                                   \
public:                                                                                            \
    static const CRuntimeClass class##class_name;                                                  \
    static CRuntimeClass* PASCAL GetThisClass();                                                   \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                       \
    CRuntimeClass* PASCAL class_name::_GetBaseClass()                                              \
    {                                                                                              \
        return RUNTIME_CLASS(base_class_name);                                                     \
    }                                                                                              \
    const CRuntimeClass class_name::class##class_name = {                                          \
        #class_name, int(sizeof(class class_name)), wSchema,                                       \
        pfnNew,      &class_name::_GetBaseClass,    nullptr};                                      \
    CRuntimeClass* PASCAL class_name::GetThisClass()                                               \
    {                                                                                              \
        return const_cast<CRuntimeClass*>(&class_name::class##class_name);                         \
    }                                                                                              \
    CRuntimeClass* class_name::GetRuntimeClass() const                                             \
    {                                                                                              \
        return RUNTIME_CLASS(class_name);                                                          \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

// Classes that CRuntimeClass::CreateObject can make with their default constructor.
#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* PASCAL CreateObject();

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* PASCAL class_name::CreateObject()                                                     \
    {                                                                                              \
        return new class_name;                                                                     \
    }                                                                                              \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define DYNAMIC_DOWNCAST(class_name, object)                                                       \
    (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), object)))

AFX_CORE_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);

// Diagnostics as in a release build: the checks and traces compile to nothing, and VERIFY still
// evaluates its expression.
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pOb) ((void)0)
#define ASSERT_KINDOF(class_name, object) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
#define TRACE(...) ((void)0)
#define TRACE0(sz) ((void)0)
#define TRACE1(sz, p1) ((void)0)
#define TRACE2(sz, p1, p2) ((void)0)
#define TRACE3(sz, p1, p2, p3) ((void)0)

// The base of the framework's exceptions. They are thrown as pointers to objects on the heap;
// whoever catches one calls Delete.
class AFX_CORE_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    void Delete();

    BOOL m_bAutoDelete; // Delete frees the object

protected:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
};

// Stops an operation the user was told about already, such as a data exchange whose
// validation showed a message box; the framework catches it and reports nothing more.
class AFX_CORE_API CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
};

[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowUserException();
