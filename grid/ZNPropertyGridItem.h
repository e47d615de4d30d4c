// The record behind every row of the grid's list box: what the row shows.
#pragma once

#include "model/ZNPropertyGridBlockPool.h"

enum
{
    ITEM_CATEGORY = 0,
    ITEM_PROPERTY = 1,
};

// Allocated when the row is inserted and freed when the list box deletes the row; the category
// or property it points to belongs to the tree, not to the row.
struct CZNPropertyGridItem
{
    DECLARE_PROPERTYGRID_POOLED()

    int m_eKind;
    void* m_pObject;
};
