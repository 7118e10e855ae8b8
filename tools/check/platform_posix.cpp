// The reader's file and text search off Windows. The reader builds configPath
// with backslashes, as on Windows; here they are taken as slashes.
#include <string.h>
#include <sys/stat.h>

#include "launcher_table.h"
#include "platform.h"

FILE *OpenConfigFile(const char *path)
{
    char posixPath[CONFIG_PATH_SIZE];
    if (strlen(path) >= sizeof posixPath)
        return nullptr;
    size_t i = 0;
    for (; path[i]; i++)
        posixPath[i] = path[i] == '\\' ? '/' : path[i];
    posixPath[i] = '\0';
    FILE *file = fopen(posixPath, "rb");
    // A folder opens here but not on Windows: refuse it alike.
    struct stat status;
    if (file && (fstat(fileno(file), &status) != 0 || S_ISDIR(status.st_mode))) {
        fclose(file);
        return nullptr;
    }
    return file;
}
