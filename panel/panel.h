// The button panel: the contents of the main window, built once from the
// configuration, and the handles it owns until the window is destroyed.
#ifndef LANTERRA_PANEL_H
#define LANTERRA_PANEL_H

#include <windows.h>
#include <stdint.h>
#include "../config/launcher_table.h"

struct PanelState {
    int32_t columns;
    int32_t rows;
    HFONT labelFont;                    // caption font; null if it could not be made
    HICON icons[MAX_ENTRIES];           // icon of button n; null beyond entryCount
    int32_t buttonIds[MAX_ENTRIES];
    HWND buttonWindows[MAX_ENTRIES];
    int32_t labelIds[MAX_ENTRIES];
    HWND labelWindows[MAX_ENTRIES];
};

extern PanelState panelState;

// Reads the configuration and fills the still hidden main window: title,
// size, one icon button and caption per entry, Exit and About below the grid.
void BuildPanel(HWND window);

// The icon for button index (counted from 0) of entry: a resource of
// instance, the first icon of a named file, or of the application itself;
// the "Default" resource when none of these gives one. Tells the user, in a
// box owned by owner, when the application file yields no icon.
HICON ResolveButtonIcon(const LauncherEntry *entry, int32_t index, HWND owner, HINSTANCE instance);

#endif
