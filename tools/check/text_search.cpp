// Case-insensitive search for the reader off Windows, where StrStrIA is
// missing. Only the letters a to z and A to Z are folded, whatever the locale.
#include "platform.h"

static char FoldCase(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

const char *FindTextNoCase(const char *text, const char *what)
{
    for (; ; text++) {
        size_t i = 0;
        while (what[i] && FoldCase(text[i]) == FoldCase(what[i]))
            i++;
        if (!what[i])
            return text;
        if (!*text)
            return nullptr;
    }
}
