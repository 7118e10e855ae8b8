// What the configuration reader needs from the platform, and nothing more.
// The Windows program links shell/platform_win32.cpp; the Linux build, the
// checker and the tests link their own versions.
#ifndef LANTERRA_PLATFORM_H
#define LANTERRA_PLATFORM_H

#include <stdio.h>

// Opens the configuration file for reading as bytes ("rb"); null when it cannot
// be opened. Off Windows, backslashes in the path are taken as slashes.
FILE *OpenConfigFile(const char *path);

// Case-insensitive substring search (StrStrIA on Windows): a pointer to the
// first occurrence of what in text, or null.
const char *FindTextNoCase(const char *text, const char *what);

// True when this 32-bit process runs under WOW64, that is on 64-bit Windows.
bool IsWow64();

// Shows a modal warning box (MB_ICONWARNING, one OK button) owned by owner.
void ShowConfigMessage(void *owner, const char *text, const char *caption);

#endif
