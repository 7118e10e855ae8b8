#include "panel.h"

#include <string.h>

#include "app_handles.h"
#include "grid_layout.h"
#include "../config/reader.h"
#include "../config/text.h"
#include "../resources/resource.h"

PanelState panelState;

enum { PANEL_FONT_HEIGHT = 14 };

// Caption font: 14-unit Arial, antialiased, everything else the defaults.
static HFONT CreateLabelFont()
{
    LOGFONTA font;
    memset(&font, 0, sizeof font);
    font.lfHeight = PANEL_FONT_HEIGHT;
    font.lfQuality = ANTIALIASED_QUALITY;
    CopyText(font.lfFaceName, "Arial");
    return CreateFontIndirectA(&font);
}

static HWND CreateChild(HWND parent, const char *className, const char *text, DWORD style,
                        const GridRect &rect, int32_t id)
{
    return CreateWindowExA(0, className, text, style, rect.x, rect.y, rect.width, rect.height,
                           parent, (HMENU)(INT_PTR)id, appInstance, NULL);
}

static void AddEntry(HWND window, int32_t n, const PanelLayout &layout)
{
    const LauncherEntry *entry = &launcherTable.entries[n];
    panelState.icons[n] = ResolveButtonIcon(entry, n, window, appInstance);

    panelState.buttonIds[n] = IDC_FIRST_BUTTON + n;
    panelState.buttonWindows[n] = CreateChild(window, "button", NULL, WS_CHILD | WS_VISIBLE | BS_ICON,
                                              layout.buttons[n], panelState.buttonIds[n]);
    SendDlgItemMessageA(window, panelState.buttonIds[n], BM_SETIMAGE, IMAGE_ICON,
                        (LPARAM)panelState.icons[n]);

    panelState.labelIds[n] = IDC_FIRST_LABEL + n;
    panelState.labelWindows[n] = CreateChild(window, "STATIC", entry->buttonLabel,
                                             WS_CHILD | WS_VISIBLE | SS_CENTER,
                                             layout.captions[n], panelState.labelIds[n]);
    SendDlgItemMessageA(window, panelState.labelIds[n], WM_SETFONT, (WPARAM)panelState.labelFont, 1);
}

static void MovePushButton(HWND window, int id, const GridRect &rect)
{
    SetWindowPos(GetDlgItem(window, id), NULL, rect.x, rect.y, rect.width, rect.height,
                 SWP_NOOWNERZORDER);
}

void BuildPanel(HWND window)
{
    for (int32_t n = 0; n < MAX_ENTRIES; ++n)
        panelState.icons[n] = NULL;
    panelState.labelFont = CreateLabelFont();

    memset(launcherTable.entries, 0, sizeof launcherTable.entries);
    LoadConfiguration(window);

    if (windowTitle[0] != '\0')
        SetWindowTextA(window, windowTitle);

    PanelLayout layout = ComputeLayout(launcherTable.entryCount, GetSystemMetrics(SM_CYSIZE));
    panelState.columns = layout.columns;
    panelState.rows = layout.rows;
    SetWindowPos(window, NULL, 0, 0, layout.windowWidth, layout.windowHeight, SWP_NOMOVE);

    for (int32_t n = 0; n < layout.count; ++n)
        AddEntry(window, n, layout);

    MovePushButton(window, IDC_EXIT, layout.exitButton);
    MovePushButton(window, IDC_ABOUT, layout.aboutButton);
}
