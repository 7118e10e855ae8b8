// The main window's procedure: commands, help and teardown.
#include <windows.h>

#include "shell.h"
#include "../config/text.h"
#include "../panel/app_handles.h"
#include "../panel/panel.h"
#include "../resources/resource.h"

static const char HELP_FILE_NAME[] = "Korvane.hlp";
static const char ABOUT_TEMPLATE_NAME[] = "AboutBox";

enum { HELP_PATH_SIZE = 300 };

// True when path names an existing file (not a folder).
static bool IsFile(const char *path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void OpenHelp(UINT command, ULONG_PTR data, HWND owner)
{
    // A path that does not fit is never handed to WinHelp cut short, and a
    // missing file is reported here: a help viewer started for it would put
    // up its own questions and hold this window until they are answered.
    char helpPath[HELP_PATH_SIZE];
    bool ready = ReadModuleDirectory(helpPath, sizeof helpPath)
                 && AppendText(helpPath, "\\")
                 && AppendText(helpPath, HELP_FILE_NAME)
                 && IsFile(helpPath);
    if (!ready || !WinHelpA(owner, helpPath, command, data))
        MessageBoxA(owner, "Could not open the Korvane help file", "Error", MB_OK);
}

static void OnCommand(HWND window, UINT id)
{
    if (id >= IDC_FIRST_BUTTON && id <= IDC_LAST_BUTTON)
        LaunchEntry(window, id);
    switch (id) {
    case IDHELP:
        OpenHelp(HELP_CONTEXT, HELP_CONTEXT_MAIN, window);
        break;
    case IDC_EXIT:
        DestroyWindow(window);
        break;
    case IDC_ABOUT:
        DialogBoxParamA(appInstance, ABOUT_TEMPLATE_NAME, window, AboutDlgProc, 0);
        break;
    }
}

static void OnDestroy()
{
    PostQuitMessage(0);
    if (panelState.labelFont != NULL)
        DeleteObject(panelState.labelFont);
    for (int n = 0; n < MAX_ENTRIES; ++n) {
        if (panelState.icons[n] != NULL)
            DestroyIcon(panelState.icons[n]);
    }
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
