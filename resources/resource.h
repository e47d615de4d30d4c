// Resource identifiers of the Tarvex.PropertyGrid module.
#pragma once

#define IDD_PROPERTYGRID_SINGLEEDIT 10002 // one edit control: text, number and vector editors
#define IDC_PROPERTYGRID_EDIT 10000       // the edit control of IDD_PROPERTYGRID_SINGLEEDIT
#define IDC_PROPERTYGRID_COLUMNSIZE 7001  // cursor over a column border: drag to resize
#define IDD_PROPERTYGRID_HIDDEN 10007     // an empty dialog kept out of sight
