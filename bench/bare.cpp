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
    HWND window = CreateBenchWindow(instance, "BenchBare", BareWndProc);
    if (!window) return 1;
    ShowWindow(window, showValue);
    return RunMessageLoop();
}
