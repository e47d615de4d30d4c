// The in-place editor of text values.
#pragma once

#include "properties/ZNPropertyGridPropertyText.h"

class CZNPropertyGridPropertyTextValueDlg
    : public CZNPropertyGridTextualValueDlg<CZNPropertyGridPropertyText, CString>
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyTextValueDlg)
public:
    using CZNPropertyGridTextualValueDlg::CZNPropertyGridTextualValueDlg;

    // Stores the edited text when it differs from the host's, letter case included.
    void ApplyValue() override;
};
