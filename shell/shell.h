// The application shell: the main window's procedure, the launcher, help
// and the About box.
#ifndef LANTERRA_SHELL_H
#define LANTERRA_SHELL_H

#include <windows.h>
#include <stddef.h>

// Window procedure of the class "Korvane", that is of the main window.
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Opens Korvane.hlp beside the executable with a WinHelp command; tells the
// user in a box owned by owner when that fails.
void OpenHelp(UINT command, ULONG_PTR data, HWND owner);

// Starts the application of the launcher button with command id id
// (IDC_FIRST_BUTTON to IDC_LAST_BUTTON); any other id is ignored.
void LaunchEntry(HWND owner, UINT id);

// Dialog procedure of the About box.
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Moves window, keeping its size and Z order, so that it is centred over
// reference and kept on the screen.
void CenterWindowOver(HWND window, HWND reference);

// Puts the executable's directory, without a trailing backslash, into
// buffer and answers true. A path without any backslash gives ".", the
// current directory. A path that does not fit the buffer is no path: the
// answer is false and buffer holds the path cut to size - 1 bytes, which
// leaves no room to append a file name to it.
bool ReadModuleDirectory(char *buffer, size_t size);

#endif
