// The launcher entry table: what the panel offers, filled once from
// lanterra.cfg and only read afterwards. Plain process-wide data.
#ifndef LANTERRA_LAUNCHER_TABLE_H
#define LANTERRA_LAUNCHER_TABLE_H

#include <stdint.h>

enum { MAX_ENTRIES = 50 };

// Which processor width an application line demands.
enum { APP_ANY = 0, APP_32BIT = 1, APP_64BIT = 2 };

// Text buffer sizes, each including the terminating NUL.
enum {
    ICON_NAME_SIZE = 100,
    ICON_FILE_SIZE = 300,
    APP_PATH_SIZE = 300,
    PARAMETERS_SIZE = 300,
    BUTTON_LABEL_SIZE = 50,
    MODULE_DIR_SIZE = 400,
    CONFIG_PATH_SIZE = 400,
    WINDOW_TITLE_SIZE = 300,
    MESSAGE_BUFFER_SIZE = 512
};

struct LauncherEntry {
    char iconName[ICON_NAME_SIZE];      // upper-cased icon line, or "EXTRACT"
    char iconFile[ICON_FILE_SIZE];      // upper-cased file after "EXTRACT ", or empty
    char appPath[APP_PATH_SIZE];        // upper-cased application line
    char parameters[PARAMETERS_SIZE];   // case kept; empty for none
    char buttonLabel[BUTTON_LABEL_SIZE];// case kept
    int32_t appType;                    // APP_ANY, APP_32BIT or APP_64BIT
};

struct LauncherTable {
    LauncherEntry entries[MAX_ENTRIES];
    int32_t entryCount;                 // entries 0 .. entryCount - 1 are in use
};

extern LauncherTable launcherTable;
extern char windowTitle[WINDOW_TITLE_SIZE];     // empty when no title was configured
extern char moduleDir[MODULE_DIR_SIZE];         // executable's folder, no trailing backslash
extern char configPath[CONFIG_PATH_SIZE];       // path of lanterra.cfg, built by the reader
extern char messageBuffer[MESSAGE_BUFFER_SIZE]; // text of the latest error message

#endif
