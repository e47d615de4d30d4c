// What the enumeration property tests share: a grid in a shown host dialog with enumeration
// properties, and the editor, its drop button and its drop-down list as the user sees them.
#pragma once

#include "GridFixture.h"
#include "properties/ZNPropertyGridPropertyEnum.h"

namespace pgtest {

class EnumTest : public EditTest
{
protected:
    // An enumeration with the options in m_pCategory, editing the host's strings given.
    IZNPropertyGridProperty* AddEnum(const wchar_t* pszOptions, CString* pFirst,
                                     CString* pSecond = nullptr, unsigned nID = 7);

    // The editor the grid's enumerations share, its edit field and its drop button.
    HWND Editor() const;
    HWND EditField() const { return ::GetDlgItem(Editor(), IDC_PROPERTYGRID_EDIT); }
    HWND DropButton() const { return ::GetDlgItem(Editor(), IDC_PROPERTYGRID_DROPBUTTON); }
    bool EditorShown() const { return ::IsWindowVisible(Editor()) != FALSE; }
    CString EditFieldText() const;

    // The drop-down list while it shows, else null: its popup and its list box.
    static HWND OpenPopup();
    static HWND OpenList() { return ::GetDlgItem(OpenPopup(), IDC_PROPERTYGRID_DROPLIST); }
    static bool IsListOpen() { return OpenPopup() != nullptr; }
    static int Selected();
    static int TopIndex();
    // The middle of an item of the open list, in the list box's client coordinates.
    static CPoint ItemPoint(int nItem);
    static CString ItemText(int nItem);

    // Presses and releases on the middle of the drop button.
    bool ClickDropButton();
    // A click on an item of the open list, aimed through the host: the list's window is gone
    // before the button comes up.
    bool ClickItem(int nItem);
    // The keyboard focus in the edit field and the host window active: the open list took
    // neither.
    bool FocusStaysInTheEditField() const;
    // Whether the module's hook registry has any of its three hooks installed.
    bool AnyHookInstalled();
};

} // namespace pgtest
