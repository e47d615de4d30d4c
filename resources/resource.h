// Resource identifiers of the Tarvex.PropertyGrid module.
#pragma once

#define IDD_PROPERTYGRID_SINGLEEDIT 10002 // one edit control: text, number and vector editors
#define IDC_PROPERTYGRID_EDIT 10000       // the edit control of the single-edit and enum editors
#define IDC_PROPERTYGRID_COLUMNSIZE 7001  // cursor over a column border: drag to resize
#define IDD_PROPERTYGRID_ENUM 10005       // the enumeration editor: edit control and drop button
#define IDC_PROPERTYGRID_DROPBUTTON 10006 // the drop button of IDD_PROPERTYGRID_ENUM
#define IDD_PROPERTYGRID_DROPLIST 10006   // the enumeration's drop-down list
#define IDC_PROPERTYGRID_DROPLIST 10005   // the list box of IDD_PROPERTYGRID_DROPLIST
#define IDC_PROPERTYGRID_SIZEGRIP 1259    // the (hidden) size grip of IDD_PROPERTYGRID_DROPLIST
#define IDD_PROPERTYGRID_HIDDEN 10007     // an empty dialog kept out of sight
#define IDR_PROPERTYGRID_HELP 10003       // the help pane's page (HTML), with placeholders
