// The reader's file and text search on Windows; shared by korvane.exe and
// lanterra-check.exe.
#include <windows.h>
#include <shlwapi.h>

#include "platform.h"

FILE *OpenConfigFile(const char *path)
{
    return fopen(path, "rb");
}

const char *FindTextNoCase(const char *text, const char *what)
{
    return StrStrIA(text, what);
}
