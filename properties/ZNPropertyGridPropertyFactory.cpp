// The registry of property types. A type joins with one line in kTypes (and its header).
#include "properties/ZNPropertyGridPropertyFactory.h"

#include "properties/ZNPropertyGridPropertyColorVector4.h"
#include "properties/ZNPropertyGridPropertyEnum.h"
#include "properties/ZNPropertyGridPropertyFile.h"
#include "properties/ZNPropertyGridPropertyFloat.h"
#include "properties/ZNPropertyGridPropertyInteger.h"
#include "properties/ZNPropertyGridPropertyMemo.h"
#include "properties/ZNPropertyGridPropertyText.h"
#include "properties/ZNPropertyGridPropertyVector.h"

#include <new>

namespace {

using PropertyMaker = IZNPropertyGridProperty* (*)(CZNPropertyGridCategory* pCategory,
                                                   const wchar_t* pszName, const wchar_t* pszHelp,
                                                   unsigned nID, const wchar_t* pszOptions);

template <class TProperty>
IZNPropertyGridProperty* Make(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                              const wchar_t* pszHelp, unsigned nID, const wchar_t* pszOptions)
{
    return new (std::nothrow) TProperty(pCategory, pszName, pszHelp, nID, pszOptions);
}

struct PropertyType
{
    eZNPropertyGridType eType; // the value a host passes to AddProperty
    PropertyMaker pMake;       // constructs the type's class
};

// Every type this build has a class for; AddProperty makes nothing for the others.
const PropertyType kTypes[] = {
    {PGT_TEXT, &Make<CZNPropertyGridPropertyText>},
    {PGT_INTEGER, &Make<CZNPropertyGridPropertyInteger>},
    {PGT_FLOAT, &Make<CZNPropertyGridPropertyFloat>},
    {PGT_FILE, &Make<CZNPropertyGridPropertyFile>},
    {PGT_ENUM, &Make<CZNPropertyGridPropertyEnum>},
    {PGT_VECTOR3, &Make<CZNPropertyGridPropertyVector3>},
    {PGT_VECTOR4, &Make<CZNPropertyGridPropertyVector4>},
    {PGT_COLORVECTOR4, &Make<CZNPropertyGridPropertyColorVector4>},
    {PGT_MEMO, &Make<CZNPropertyGridPropertyMemo>},
};

} // namespace

IZNPropertyGridProperty*
CZNPropertyGridPropertyFactory::Create(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                       const wchar_t* pszHelp, unsigned nID,
                                       eZNPropertyGridType eType, const wchar_t* pszOptions)
{
    for (const PropertyType& type : kTypes) {
        if (type.eType == eType)
            return type.pMake(pCategory, pszName, pszHelp, nID, pszOptions);
    }
    return nullptr;
}
