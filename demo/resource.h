// Resource identifiers of the demo host.
#pragma once

#define IDD_DEMO 100
#define IDC_PROPERTYGRID 1000
#define IDC_STATUS 1001
