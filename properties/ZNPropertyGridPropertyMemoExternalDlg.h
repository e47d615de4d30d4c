// The memo's external editor: the text in a large, resizable window of its own.
#pragma once

#include "frame/ZNFrameDialog.h"
#include "resources/resource.h"

#include <afxcmn.h>

class CZNPropertyGridPropertyMemo;

// A modal, captioned window titled with the property's name, holding one plain-text rich edit
// that fills it inside fixed margins, with a size grip. Its position, size and maximised state
// are kept in the application profile under "Dialogs\CZNPropertyGridPropertyMemoExternalDlg".
// However it closes, by Escape, the close box or Alt+F4, it keeps the edited text in m_strText.
class CZNPropertyGridPropertyMemoExternalDlg : public CZNFrameDialog
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyMemoExternalDlg)
public:
    static constexpr UINT IDD = IDD_PROPERTYGRID_MEMOEDITOR;
    // The name of the profile section's dialog.
    static constexpr char kPlacementName[] = "CZNPropertyGridPropertyMemoExternalDlg";

    // pProperty gives the title and the scroll bars; pszText is the text to edit.
    CZNPropertyGridPropertyMemoExternalDlg(CZNPropertyGridPropertyMemo* pProperty,
                                           const wchar_t* pszText, CWnd* pParent = nullptr);

    CZNPropertyGridPropertyMemo* m_pProperty; // the memo whose text is edited
    CString m_strText;                        // the text; the control's when the dialog closed

protected:
    bool OnCreateFrame() override;
    void OnDestroyFrame() override;
    // Sets the focus itself: FALSE.
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

private:
    // Replaces the template's rich edit by one with the property's style, in the same place of
    // the frame tree, or of the dialog when there is no tree.
    void ReplaceRichEdit();
    // The control's text becomes m_strText, as the dialog closes.
    void KeepText();

    CRichEditCtrl m_RichEdit; // the edit field
};
