/* The application that the panel under test starts: it appends one record of
   how it was started to recorder.log beside itself and ends at once.

   A record:
       exe=<its own path>
       args=<the command line after the program's name, leading blanks skipped>
       cwd=<its current directory>
       flags=<STARTUPINFO dwFlags, hex>
       show=<STARTUPINFO wShowWindow>
       end
*/
#include <windows.h>
#include <stdio.h>
#include <string.h>

static const char *SkipProgramName(const char *line)
{
    if (*line == '"') {
        line++;
        while (*line && *line != '"') line++;
        if (*line == '"') line++;
    } else {
        while (*line && *line != ' ' && *line != '\t') line++;
    }
    while (*line == ' ' || *line == '\t') line++;
    return line;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)instance; (void)previous; (void)commandLine; (void)show;
    char exePath[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, exePath, sizeof exePath);
    if (length == 0 || length >= sizeof exePath) return 1;
    exePath[length] = '\0';

    char logPath[MAX_PATH + 16];
    snprintf(logPath, sizeof logPath, "%s", exePath);
    char *slash = strrchr(logPath, '\\');
    if (!slash) return 1;
    snprintf(slash + 1, sizeof logPath - (size_t)(slash + 1 - logPath), "recorder.log");

    char currentDir[MAX_PATH];
    DWORD dirLength = GetCurrentDirectoryA(sizeof currentDir, currentDir);
    if (dirLength == 0 || dirLength >= sizeof currentDir) currentDir[0] = '\0';

    STARTUPINFOA startup;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);

    char record[4096];
    int recordLength = snprintf(record, sizeof record,
                                "exe=%s\nargs=%s\ncwd=%s\nflags=%lx\nshow=%u\nend\n",
                                exePath, SkipProgramName(GetCommandLineA()), currentDir,
                                (unsigned long)startup.dwFlags, (unsigned)startup.wShowWindow);
    if (recordLength < 0 || recordLength >= (int)sizeof record) return 1;

    /* One write per record, appended, so two starts give two whole records. */
    for (int attempt = 0; attempt < 100; attempt++) {
        HANDLE file = CreateFileA(logPath, FILE_APPEND_DATA, 0, NULL, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, NULL);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            BOOL ok = WriteFile(file, record, (DWORD)recordLength, &written, NULL);
            CloseHandle(file);
            return ok && written == (DWORD)recordLength ? 0 : 1;
        }
        Sleep(20);
    }
    return 1;
}
