// The file functions record a Win32 error code on failure; in a harness no one reads it.
#include <windows.h>

void SetLastError(DWORD) {}
