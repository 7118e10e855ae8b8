// The WOW64 question, asked of the running system each time.
#include <windows.h>

#include "platform.h"

typedef BOOL(WINAPI *IsWow64ProcessFunction)(HANDLE, PBOOL);

bool QueryWow64()
{
    HMODULE kernel = LoadLibraryA("KERNEL32.DLL");
    if (!kernel)
        return false;
    IsWow64ProcessFunction isWow64Process =
        reinterpret_cast<IsWow64ProcessFunction>(reinterpret_cast<void *>(GetProcAddress(kernel, "IsWow64Process")));
    if (!isWow64Process) {
        FreeLibrary(kernel);
        return false;
    }
    BOOL wow64 = FALSE;
    isWow64Process(GetCurrentProcess(), &wow64);
    return wow64 != FALSE;
}
