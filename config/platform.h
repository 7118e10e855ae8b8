// What the configuration reader needs from the platform, and nothing more.
// korvane.exe links the Windows versions (library lanterra_seam_win32 in
// shell/); lanterra-check and the tests bring their own IsWow64 and
// ShowConfigMessage, and on Linux their own file and search functions.
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

// Windows only: asks IsWow64Process, looked up in KERNEL32.DLL at run time;
// false where the function is missing.
bool QueryWow64();

// Shows a modal warning box (MB_ICONWARNING, one OK button) owned by owner.
void ShowConfigMessage(void *owner, const char *text, const char *caption);

#endif
