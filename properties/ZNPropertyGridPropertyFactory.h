// Making a property of the type a host asks for.
#pragma once

#include <ZNPropertyGrid.h>

// Makes properties by their type value, for the categories' AddProperty: the model knows no
// concrete type.
class CZNPropertyGridPropertyFactory
{
public:
    // A new property of the type for pCategory, without value columns yet; null for a value that
    // names no type this build has a class for, or when memory runs out.
    static IZNPropertyGridProperty* Create(CZNPropertyGridCategory* pCategory,
                                           const wchar_t* pszName, const wchar_t* pszHelp,
                                           unsigned nID, eZNPropertyGridType eType,
                                           const wchar_t* pszOptions);
};
