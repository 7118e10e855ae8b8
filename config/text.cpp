#include "text.h"

#include <string.h>

bool CopyText(char *dst, size_t dstSize, const char *src)
{
    if (dstSize == 0)
        return false;
    size_t length = strlen(src);
    bool fits = length < dstSize;
    if (!fits)
        length = dstSize - 1;
    memmove(dst, src, length);
    dst[length] = '\0';
    return fits;
}

bool AppendText(char *dst, size_t dstSize, const char *src)
{
    size_t used = strnlen(dst, dstSize);
    if (used >= dstSize)
        return false;
    return CopyText(dst + used, dstSize - used, src);
}
