// Resource identifiers of the minimal host.
#pragma once

#define IDD_MINIMALHOST 100
#define IDR_MINIMALHOST 101 // the dialog's menu
#define IDC_GRID 1000       // the list box that becomes the grid
#define IDC_STATUS 1001     // the line that tells of the last change
#define IDC_ACCENT 1002     // the button that picks the accent colour
