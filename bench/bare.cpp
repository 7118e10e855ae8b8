// The bare program of the start-up benchmark: what every windowed program of
// this kind pays. Registers a class, creates its main window from a small
// dialog template (the panel's, with Exit and About), shows it and runs the
// message loop. Exit, the close box and WM_CLOSE end it with exit code 0.
#include <windows.h>
#include "bench_window.h"

static LRESULT CALLBACK BareWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == BENCH_IDC_EXIT) DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showValue)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = BareWndProc;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "BenchBare");
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "BenchBare";
    windowClass.hIconSm = LoadIconA(instance, "BenchBare");
    if (!RegisterClassExA(&windowClass)) return 1;

    HWND window = CreateDialogParamA(instance, "BenchBare", nullptr, nullptr, 0);
    if (!window) return 1;
    ShowWindow(window, showValue);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
