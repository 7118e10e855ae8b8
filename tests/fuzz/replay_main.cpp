// Replays the fuzz corpus through the same checks, without libFuzzer:
//   lanterra-fuzz-replay FILE_OR_FOLDER...
#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include "reader_check.h"

static unsigned char fileData[16 << 20];

static int ReplayFile(const char *path)
{
    FILE *file = fopen(path, "rb");
    if (!file) {
        fprintf(stderr, "cannot open %s\n", path);
        return 1;
    }
    size_t size = fread(fileData, 1, sizeof fileData, file);
    fclose(file);
    CheckReaderOnBytes(fileData, size);
    return 0;
}

int main(int argc, char **argv)
{
    int replayed = 0, failures = 0;
    for (int i = 1; i < argc; i++) {
        struct stat status;
        if (stat(argv[i], &status) == 0 && S_ISDIR(status.st_mode)) {
            DIR *dir = opendir(argv[i]);
            for (struct dirent *item = dir ? readdir(dir) : nullptr; item; item = readdir(dir)) {
                if (item->d_name[0] == '.')
                    continue;
                char path[4096];
                snprintf(path, sizeof path, "%s/%s", argv[i], item->d_name);
                failures += ReplayFile(path);
                replayed++;
            }
            if (dir)
                closedir(dir);
        } else {
            failures += ReplayFile(argv[i]);
            replayed++;
        }
    }
    printf("replayed %d inputs\n", replayed);
    return failures || replayed == 0 ? 1 : 0;
}
