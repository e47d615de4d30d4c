#include "ZNPropertyGridPropertyTextEdit.h"

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyTextEdit, CEdit)
