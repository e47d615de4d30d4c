// The module's own instance handle, for the resources that are looked up in this module only.
#pragma once

#include <windows.h>

// Stored when the module is loaded; null before.
HINSTANCE GetPropertyGridInstance();
