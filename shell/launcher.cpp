// Starts the application of a launcher button through the Windows shell.
#include <windows.h>

#include <stdio.h>

#include "shell.h"
#include "../config/launcher_table.h"
#include "../resources/resource.h"

static const char LAUNCH_ERROR_FORMAT[] =
    "The application could not be launched.\nPath: %s\n"
    "Check that the file exists in this location and\n"
    "that the Lanterra configuration file is correct";

void LaunchEntry(HWND owner, UINT id)
{
    if (id - IDC_FIRST_BUTTON > (UINT)(IDC_LAST_BUTTON - IDC_FIRST_BUTTON))
        return;
    const LauncherEntry *entry = &launcherTable.entries[id - IDC_FIRST_BUTTON];
    const char *parameters = entry->parameters[0] != '\0' ? entry->parameters : NULL;

    HINSTANCE result = ShellExecuteA(owner, "open", entry->appPath, parameters, NULL, SW_SHOWNOACTIVATE);
    if ((INT_PTR)result > 32)
        return;
    snprintf(messageBuffer, sizeof messageBuffer, LAUNCH_ERROR_FORMAT, entry->appPath);
    MessageBoxA(owner, messageBuffer, "Error starting application", MB_ICONERROR);
}
