#include "launcher_table.h"

LauncherTable launcherTable;
char windowTitle[WINDOW_TITLE_SIZE];
char moduleDir[MODULE_DIR_SIZE];
char configPath[CONFIG_PATH_SIZE];
char messageBuffer[MESSAGE_BUFFER_SIZE];
