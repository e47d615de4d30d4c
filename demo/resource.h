// Resource identifiers of the demo host.
#pragma once

#define IDD_DEMO_FORM 100
#define IDR_DEMO 200 // the frame's menu and accelerators
#define IDC_PROPERTYGRID 1000
#define IDC_STATUS 1001
#define IDC_HELPPANE 1002 // the placeholder of the help pane
