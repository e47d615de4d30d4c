#include "model/ZNPropertyGridPropertyTextEdit.h"

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyTextEdit, CEdit)
