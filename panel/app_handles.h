// The two process-wide handles that WinMain sets once at start-up and the
// panel, the launcher and the About box read. Defined in shell/main.cpp.
#ifndef LANTERRA_APP_HANDLES_H
#define LANTERRA_APP_HANDLES_H

#include <windows.h>

extern HINSTANCE appInstance;   // the running executable: source of every resource
extern HWND mainWindow;         // the main window, made from the KORVANE template

#endif
