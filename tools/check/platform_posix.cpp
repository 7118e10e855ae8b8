// The reader's file access off Windows. The reader builds configPath with
// backslashes, as on Windows; here they are taken as slashes.
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

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

    // Only a regular file counts. A folder (which Windows would not open), a
    // pipe (which would wait for a writer) or a device such as /dev/zero
    // (which never ends) is taken as a file that cannot be opened.
    int fd = open(posixPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        close(fd);
        return nullptr;
    }
    FILE *file = fdopen(fd, "rb");
    if (!file)
        close(fd);
    return file;
}
