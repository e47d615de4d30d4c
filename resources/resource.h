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
#define IDD_PROPERTYGRID_FILE 10004       // the file editor: edit control, browse and execute
#define IDC_PROPERTYGRID_EXECUTE 10003    // the "!" button of the file editor
#define IDD_PROPERTYGRID_COLOR 10008      // the colour editor: edit control and pick button
#define IDD_COLORDIALOG 151               // the colour chooser, over the system's colour dialog
#define IDC_COLORDIALOG_PALETTE 9039      // the chooser's strip of named custom colours
#define IDC_COLORDIALOG_DESCRIPTION 9040  // the description of the palette's current entry
#define IDC_COLORDIALOG_SAVE 9005         // saves the palette to a file
#define IDC_COLORDIALOG_LOAD 9003         // loads the palette from a file
#define IDC_COLORDIALOG_ALPHA 1006        // the alpha field, 0 to 255
#define IDC_COLORDIALOG_ALPHALABEL 729    // its label
#define IDI_COLORDIALOG_LOAD 10009        // 16 x 16 icon of the load button
#define IDI_COLORDIALOG_SAVE 10010        // 16 x 16 icon of the save button
