// korvane.exe: start-up, the main window class and the message loop.
#include <windows.h>

#include "shell.h"
#include "../config/launcher_table.h"
#include "../config/text.h"
#include "../panel/app_handles.h"
#include "../panel/panel.h"

HINSTANCE appInstance;
HWND mainWindow;

static const char MAIN_NAME[] = "Korvane";      // class, dialog template and icon
static const char START_ERROR_CAPTION[] = "Lanterra";

// Without a main window the message loop would wait forever: say so and stop.
static int FailStart(const char *text)
{
    MessageBoxA(NULL, text, START_ERROR_CAPTION, MB_OK | MB_ICONERROR);
    return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    appInstance = instance;

    // configPath serves as the work buffer; the reader rebuilds it from moduleDir.
    // A path cut short by the buffer stays cut: the reader then finds that the
    // configuration's path does not fit, reports it, and opens nothing.
    ReadModuleDirectory(configPath, sizeof configPath);
    CopyText(moduleDir, configPath);

    WNDCLASSEXA windowClass;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = appInstance;
    windowClass.hIcon = LoadIconA(appInstance, MAIN_NAME);
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = NULL;
    windowClass.lpszClassName = MAIN_NAME;
    windowClass.hIconSm = LoadIconA(appInstance, MAIN_NAME);
    if (RegisterClassExA(&windowClass) == 0)
        return FailStart("Lanterra could not register its main window class.");

    mainWindow = CreateDialogParamA(appInstance, MAIN_NAME, NULL, NULL, 0);
    if (mainWindow == NULL)
        return FailStart("Lanterra could not create its main window.");

    BuildPanel(mainWindow);
    ShowWindow(mainWindow, showCommand);

    MSG message = {};
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
