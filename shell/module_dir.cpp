#include "shell.h"

#include <string.h>

#include "../config/text.h"

bool ReadModuleDirectory(char *buffer, size_t size)
{
    // GetModuleFileNameA returns the size itself when the path was cut, and
    // then may leave the buffer without a terminator: never read it then.
    DWORD length = GetModuleFileNameA(NULL, buffer, (DWORD)size);
    if (length == 0 || length >= size) {
        buffer[0] = '\0';
        return false;
    }
    buffer[length] = '\0';
    char *slash = strrchr(buffer, '\\');
    if (slash != NULL)
        *slash = '\0';
    else
        CopyText(buffer, size, ".");
    return true;
}
