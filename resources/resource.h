// Resource identifiers of the Tarvex.PropertyGrid module.
#pragma once

#define IDD_PROPERTYGRID_SINGLEEDIT 10002 // one edit control: text, number and vector editors
#define IDC_PROPERTYGRID_EDIT 10000       // the edit field of the in-place editors
#define IDC_PROPERTYGRID_BROWSE 10002     // the "..." button beside an editor's edit field
#define IDC_PROPERTYGRID_COLUMNSIZE 7001  // cursor over a column border: drag to resize
#define IDD_PROPERTYGRID_ENUM 10005       // the enumeration editor: edit control and drop button
#define IDC_PROPERTYGRID_DROPBUTTON 10006 // the drop button of IDD_PROPERTYGRID_ENUM
#define IDD_PROPERTYGRID_DROPLIST 10006   // the enumeration's drop-down list
#define IDC_PROPERTYGRID_DROPLIST 10005   // the list box of IDD_PROPERTYGRID_DROPLIST
#define IDC_PROPERTYGRID_SIZEGRIP 1259    // the (hidden) size grip of IDD_PROPERTYGRID_DROPLIST
#define IDD_PROPERTYGRID_HIDDEN 10007     // an empty dialog kept out of sight
#define IDR_PROPERTYGRID_HELP 10003       // the help pane's page (HTML), with placeholders
#define IDD_PROPERTYGRID_MEMO 10011       // the memo's in-place editor: a rich edit and "..."
#define IDD_PROPERTYGRID_MEMOEDITOR 10012 // the memo's resizable external editor
#define IDC_PROPERTYGRID_MEMO_TEXT 10007  // the rich edit of IDD_PROPERTYGRID_MEMOEDITOR
