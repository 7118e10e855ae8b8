// korvane.exe's side of the reader's seam: the real WOW64 answer and the
// warning box. (lanterra-check.exe brings its own versions of these two.)
#include <windows.h>

#include "platform.h"

bool IsWow64()
{
    return QueryWow64();
}

void ShowConfigMessage(void *owner, const char *text, const char *caption)
{
    MessageBoxA(static_cast<HWND>(owner), text, caption, MB_ICONWARNING);
}
