// The About box: centred over the main window, with the notice and version.
#include <windows.h>

#include <stdint.h>
#include <stdio.h>

#include "shell.h"
#include "../panel/app_handles.h"
#include "../resources/resource.h"
#include "../resources/version.h"

static const char ABOUT_NOTICE[] = "Copyright 1998-2026 Quillarn";

enum { ABOUT_VERSION_SIZE = 200 };

void CenterWindowOver(HWND window, HWND reference)
{
    RECT rect, referenceRect;
    GetWindowRect(window, &rect);
    GetWindowRect(reference, &referenceRect);
    int32_t width = rect.right - rect.left;
    int32_t height = rect.bottom - rect.top;

    HDC screen = GetDC(window);
    int32_t screenWidth = GetDeviceCaps(screen, HORZRES);
    int32_t screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(window, screen);

    // Halves truncate toward zero; each clamp is one-sided.
    int32_t x = referenceRect.left + (referenceRect.right - referenceRect.left - width) / 2;
    if (x < 0)
        x = 0;
    else if (x + width > screenWidth)
        x = screenWidth - width;
    int32_t y = referenceRect.top + (referenceRect.bottom - referenceRect.top - height) / 2;
    if (y < 0)
        y = 0;
    else if (y + height > screenHeight)
        y = screenHeight - height;

    SetWindowPos(window, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

static void InitAboutBox(HWND dialog)
{
    CenterWindowOver(dialog, mainWindow);
    SetDlgItemTextA(dialog, IDC_ABOUT_TEXT, ABOUT_NOTICE);
    char version[ABOUT_VERSION_SIZE];
    snprintf(version, sizeof version, "%s %s Build: %s",
             PRODUCT_NAME_TEXT, VERSION_SHORT_TEXT, VERSION_BUILD_TEXT);
    SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, version);
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        InitAboutBox(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
