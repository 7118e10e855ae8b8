// The floor program of the start-up benchmark: for a given number of entries
// (its command line, 0 to 50) it makes exactly the platform calls that the
// panel has to make to build and show itself, and nothing else: it reads no
// file. Class, template, caption font, title, window size, one 48 x 48 icon
// from its own resources per entry, the icon button with its image, the
// caption with its font, Exit and About moved under the grid, in the panel's
// order. What korvane.exe takes beyond this is its own work.
// Built with FLOOR_IMPORTS_SHELL32 it also imports shell32 (as the panel must,
// for its launches and extracted icons) without calling it at start-up: the
// price of loading shell32 with the process.
#include <windows.h>
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>
#include "bench_window.h"
#include "../config/text.h"

struct FloorState {
    HFONT labelFont;
    HICON icons[BENCH_MAX_ENTRIES];
};

static FloorState floorState;
static HINSTANCE floorInstance;

// The icon groups that the benchmark's configurations name, in the same turn.
static const char *const FLOOR_ICON_NAMES[] = { "COMMAND", "DOCUMENT", "CONSOLE", "DEFAULT", "GIRL" };
static const int FLOOR_ICON_COUNT = sizeof FLOOR_ICON_NAMES / sizeof FLOOR_ICON_NAMES[0];

// Columns and rows of the panel's grid for count entries.
static void FloorGrid(int count, int *columns, int *rows)
{
    static const int FLOOR_RULES[][4] = {
        { 0, 4, 2, 2 }, { 5, 9, 3, 3 }, { 10, 12, 3, 4 }, { 13, 16, 4, 4 }, { 17, 20, 4, 5 },
        { 21, 25, 5, 5 }, { 26, 30, 6, 5 }, { 31, 36, 6, 6 }, { 37, 49, 7, 7 }, { 50, 64, 8, 8 },
    };
    *columns = 2;
    *rows = 2;
    for (const int *rule : FLOOR_RULES) {
        if (rule[0] <= count && count <= rule[1]) {
            *columns = rule[2];
            *rows = rule[3];
            return;
        }
    }
}

static void BuildFloor(HWND window, int count)
{
    LOGFONTA labelLook = {};
    labelLook.lfHeight = 14;
    labelLook.lfQuality = ANTIALIASED_QUALITY;
    CopyText(labelLook.lfFaceName, "Arial");
    floorState.labelFont = CreateFontIndirectA(&labelLook);

    SetWindowTextA(window, "Start-up - Quillarn (TM) Lanterra");

    int columns = 0;
    int rows = 0;
    FloorGrid(count, &columns, &rows);
    int cySize = GetSystemMetrics(SM_CYSIZE);
    int width = columns * 100 + 30;
    SetWindowPos(window, nullptr, 0, 0, width, rows * 110 + cySize + 75, SWP_NOMOVE);

    for (int n = 0; n < count; n++) {
        int x = 20 + 100 * (n % columns);
        int y = 20 + 110 * (n / columns);
        floorState.icons[n] = (HICON)LoadImageA(floorInstance, FLOOR_ICON_NAMES[n % FLOOR_ICON_COUNT], IMAGE_ICON,
                                                48, 48, LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT);
        CreateWindowExA(0, "button", nullptr, WS_CHILD | WS_VISIBLE | BS_ICON, x, y, 90, 70, window,
                        (HMENU)(INT_PTR)(BENCH_FIRST_BUTTON + n), floorInstance, nullptr);
        SendDlgItemMessageA(window, BENCH_FIRST_BUTTON + n, BM_SETIMAGE, IMAGE_ICON, (LPARAM)floorState.icons[n]);
        char label[50];
        snprintf(label, sizeof label, "Program %d", n + 1);
        CreateWindowExA(0, "STATIC", label, WS_CHILD | WS_VISIBLE | SS_CENTER, x, y + 73, 90, 27, window,
                        (HMENU)(INT_PTR)(BENCH_FIRST_LABEL + n), floorInstance, nullptr);
        SendDlgItemMessageA(window, BENCH_FIRST_LABEL + n, WM_SETFONT, (WPARAM)floorState.labelFont, 1);
    }

    int exitX = (width - 170) / 2;
    SetWindowPos(GetDlgItem(window, BENCH_IDC_EXIT), nullptr, exitX, rows * 110 + 20, 80, 25, SWP_NOOWNERZORDER);
    SetWindowPos(GetDlgItem(window, BENCH_IDC_ABOUT), nullptr, exitX + 90, rows * 110 + 20, 80, 25,
                 SWP_NOOWNERZORDER);
}

static LRESULT CALLBACK FloorWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == BENCH_IDC_EXIT) DestroyWindow(window);
#ifdef FLOOR_IMPORTS_SHELL32
        if (LOWORD(wParam) == BENCH_FIRST_BUTTON) ShellExecuteA(window, "open", "notepad.exe", nullptr, nullptr, SW_SHOW);
#endif
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        if (floorState.labelFont) DeleteObject(floorState.labelFont);
        for (HICON icon : floorState.icons)
            if (icon) DestroyIcon(icon);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showValue)
{
    floorInstance = instance;
    int count = atoi(commandLine);
    if (count < 0) count = 0;
    if (count > BENCH_MAX_ENTRIES) count = BENCH_MAX_ENTRIES;

    HWND window = CreateBenchWindow(instance, "BenchFloor", FloorWndProc);
    if (!window) return 1;
    BuildFloor(window, count);
    ShowWindow(window, showValue);
    return RunMessageLoop();
}
