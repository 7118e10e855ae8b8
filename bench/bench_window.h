// Ids shared by the benchmark's window programs and their resource scripts.
// The main window template copies the panel's: same styles, size, font and
// push buttons, so both programs start from the same window as korvane.exe.
#ifndef LANTERRA_BENCH_WINDOW_H
#define LANTERRA_BENCH_WINDOW_H

#define BENCH_IDC_EXIT      1000
#define BENCH_IDC_ABOUT     1022
#define BENCH_FIRST_BUTTON  200
#define BENCH_FIRST_LABEL   300
#define BENCH_MAX_ENTRIES   50

#ifndef RC_INVOKED
#include <windows.h>

// Registers a class like the panel's, named name, and creates the hidden main
// window from the template of the same name; null when either fails.
static inline HWND CreateBenchWindow(HINSTANCE instance, const char *name, WNDPROC procedure)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, name);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    windowClass.hIconSm = LoadIconA(instance, name);
    if (!RegisterClassExA(&windowClass)) return nullptr;
    return CreateDialogParamA(instance, name, nullptr, nullptr, 0);
}

// The plain message loop, until the quit message.
static inline int RunMessageLoop()
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
#endif

#endif
