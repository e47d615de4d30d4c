#include <ZNPropertyGrid.h>

IMPLEMENT_DYNAMIC(CZNPropertyGrid, CListBox)

CZNPropertyGrid::CZNPropertyGrid() = default;

CZNPropertyGrid::~CZNPropertyGrid() = default;
