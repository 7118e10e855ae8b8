#include "shell.h"

#include <string.h>

#include "../config/text.h"

bool ReadModuleDirectory(char *buffer, size_t size)
{
    // GetModuleFileNameA returns the size itself when the path was cut, and
    // then may leave the buffer without a terminator: end it at the last byte
    // and keep the cut path whole, so that nothing built from it can be taken
    // for a real file (no room is left for a file name).
    if (size == 0)
        return false;
    DWORD length = GetModuleFileNameA(NULL, buffer, (DWORD)size);
    if (length >= size) {
        buffer[size - 1] = '\0';
        return false;
    }
    if (length == 0) {
        CopyText(buffer, size, ".");
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
