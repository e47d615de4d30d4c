// Checks that hold after anything a user or a host does to a grid: the rows and the tree in
// step, the grid's pointers alive, the process's heaps intact.
#pragma once

#include "GridFixture.h"

#include <array>
#include <string>

namespace pgtest {

// Empty when the list box's rows are exactly the pre-order walk of the expanded categories
// (the root's own row excluded), the selection is a row or none, and the active and capture
// properties are null or properties of the tree; otherwise what is wrong.
std::string CheckGrid(CTestGrid& grid);

// One value of each kind that the types edit, for tests that run every type.
struct ValueStorage
{
    CString strText;
    int nInteger = 0;
    float fFloat = 0;
    std::array<float, 4> vFloats = {}; // the vectors' and the colour's components
    // What a cell of the type points at: the text for the types whose value is text.
    void* For(eZNPropertyGridType eType);
};

// Whether every heap of the process passes the system's validation. Under Wine with heap
// checking on (WINEDEBUG=warn+heap) a write to freed memory shows here.
bool HeapsValid();

} // namespace pgtest
