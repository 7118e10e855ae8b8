// Start-up timer of the benchmark: starts Windows programs one after another,
// in turns, and measures inside Windows (so under the same Wine as they run)
// the wall time from just before CreateProcessA until the program's main
// window is visible and ready:
//   visible  a visible top-level window of the new process with the expected
//            class exists;
//   ready    that window is visible, its thread has answered a sent message
//            (it runs its message loop), and neither the window nor any of its
//            children has anything left to paint.
// Each program is then closed with WM_CLOSE and must exit by itself.
//
// usage: bench_launch ROUNDS WARMUP CONFIG...
//   CONFIG is LABEL|CLASS|PROGRAM|ARGUMENTS, PROGRAM a Windows path; the program
//   runs in its own folder. Round r starts with CONFIG r mod count, so that no
//   configuration always follows the same one. WARMUP rounds come first and
//   are not counted.
// Prints one line per counted run, "RUN label round visible ready" (in ms),
// then "MEDIAN label runs visible ready lowest highest" for each configuration.
// Exit code 0 when every run succeeded, 1 otherwise.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include "../config/text.h"

static const int LAUNCH_MAX_CONFIGS = 16;
static const int LAUNCH_MAX_ROUNDS = 500;
static const int LAUNCH_MAX_CHILDREN = 256;
static const DWORD LAUNCH_TIMEOUT_MS = 30000;

struct LaunchConfig {
    char label[40];
    char windowClass[64];
    char program[400];
    char folder[400];
    char commandLine[800];
};

struct RunTimes {
    double visibleMs;
    double readyMs;
};

struct WindowSearch {
    DWORD processId;
    const char *windowClass;
    HWND mainWindow;
    HWND otherWindow;   // any other visible top-level window of the process
};

struct ChildList {
    HWND windows[LAUNCH_MAX_CHILDREN];
    int count;
};

static LaunchConfig launchConfigs[LAUNCH_MAX_CONFIGS];
static int launchConfigCount;
static RunTimes launchTimes[LAUNCH_MAX_CONFIGS][LAUNCH_MAX_ROUNDS];
static double launchFrequency;

static double NowMs()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return (double)counter.QuadPart * 1000.0 / launchFrequency;
}

// Splits LABEL|CLASS|PROGRAM|ARGUMENTS into a configuration.
static bool ParseConfig(const char *text, LaunchConfig *config)
{
    char work[1200];
    if (!CopyText(work, text)) return false;
    char *fields[4] = {};
    char *cursor = work;
    for (int i = 0; i < 4; i++) {
        fields[i] = cursor;
        char *bar = (i < 3) ? strchr(cursor, '|') : nullptr;
        if (i < 3 && !bar) return false;
        if (bar) {
            *bar = '\0';
            cursor = bar + 1;
        }
    }
    if (!CopyText(config->label, fields[0]) || !CopyText(config->windowClass, fields[1]) ||
        !CopyText(config->program, fields[2]) || !CopyText(config->folder, fields[2]))
        return false;
    char *lastBackslash = strrchr(config->folder, '\\');
    if (!lastBackslash || lastBackslash == config->folder) return false;
    *lastBackslash = '\0';
    if (lastBackslash[-1] == ':') AppendText(config->folder, "\\");
    config->commandLine[0] = '\0';
    return AppendText(config->commandLine, "\"") && AppendText(config->commandLine, config->program) &&
           AppendText(config->commandLine, "\" ") && AppendText(config->commandLine, fields[3]);
}

static BOOL CALLBACK FindProcessWindow(HWND window, LPARAM lParam)
{
    WindowSearch *search = (WindowSearch *)lParam;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window)) return TRUE;
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, search->windowClass) == 0) {
        search->mainWindow = window;
        return FALSE;
    }
    search->otherWindow = window;
    return TRUE;
}

static BOOL CALLBACK CollectChild(HWND window, LPARAM lParam)
{
    ChildList *children = (ChildList *)lParam;
    if (children->count < LAUNCH_MAX_CHILDREN) children->windows[children->count++] = window;
    return TRUE;
}

// Prints the texts of a window's children: what a message box says.
static BOOL CALLBACK PrintChildText(HWND window, LPARAM)
{
    char text[600] = "";
    GetWindowTextA(window, text, sizeof text);
    if (text[0]) fprintf(stderr, "    | %s\n", text);
    return TRUE;
}

static bool NeedsPaint(HWND window)
{
    return GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

static void CloseProgram(PROCESS_INFORMATION *process, HWND window, const char *label)
{
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (!window || WaitForSingleObject(process->hProcess, 10000) != WAIT_OBJECT_0) {
        fprintf(stderr, "bench_launch: %s did not end after WM_CLOSE; terminated\n", label);
        TerminateProcess(process->hProcess, 1);
        WaitForSingleObject(process->hProcess, 10000);
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process->hProcess, &exitCode);
    if (window && exitCode != 0) fprintf(stderr, "bench_launch: %s ended with exit code %lu\n", label, exitCode);
    CloseHandle(process->hThread);
    CloseHandle(process->hProcess);
}

// One start of one program; false, with a message, when it failed.
static bool TimeOneStart(LaunchConfig *config, RunTimes *times)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    char commandLine[800];
    CopyText(commandLine, config->commandLine);

    double start = NowMs();
    if (!CreateProcessA(config->program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, config->folder, &startup,
                        &process)) {
        fprintf(stderr, "bench_launch: %s: CreateProcessA failed (%lu)\n", config->label, GetLastError());
        return false;
    }

    WindowSearch search = {};
    search.processId = process.dwProcessId;
    search.windowClass = config->windowClass;
    for (;;) {
        search.otherWindow = nullptr;
        EnumWindows(FindProcessWindow, (LPARAM)&search);
        if (search.mainWindow) break;
        const char *failure = nullptr;
        char otherTitle[200] = "";
        if (search.otherWindow) {
            GetWindowTextA(search.otherWindow, otherTitle, sizeof otherTitle);
            failure = "showed another window first";
        } else if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            failure = "ended before its window was shown";
        } else if (NowMs() - start > LAUNCH_TIMEOUT_MS) {
            failure = "showed no window in time";
        }
        if (failure) {
            fprintf(stderr, "bench_launch: %s %s %s\n", config->label, failure, otherTitle);
            if (search.otherWindow) EnumChildWindows(search.otherWindow, PrintChildText, 0);
            CloseProgram(&process, search.otherWindow, config->label);
            return false;
        }
    }
    times->visibleMs = NowMs() - start;

    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(search.mainWindow, WM_NULL, 0, 0, SMTO_NORMAL, LAUNCH_TIMEOUT_MS, &answer)) {
        fprintf(stderr, "bench_launch: %s does not answer messages\n", config->label);
        CloseProgram(&process, nullptr, config->label);
        return false;
    }
    static ChildList children;
    children.count = 0;
    EnumChildWindows(search.mainWindow, CollectChild, (LPARAM)&children);
    int clean = 0;   // windows before this index have been seen painted
    while (NeedsPaint(search.mainWindow) || clean < children.count) {
        while (clean < children.count && !NeedsPaint(children.windows[clean])) clean++;
        if (clean < children.count || NeedsPaint(search.mainWindow)) {
            if (NowMs() - start > LAUNCH_TIMEOUT_MS) {
                fprintf(stderr, "bench_launch: %s never finished painting\n", config->label);
                CloseProgram(&process, search.mainWindow, config->label);
                return false;
            }
            WaitForSingleObject(process.hProcess, 1);
        }
    }
    times->readyMs = NowMs() - start;

    CloseProgram(&process, search.mainWindow, config->label);
    Sleep(100);   // let the ended process leave the machine before the next start
    return true;
}

static int CompareMs(const void *a, const void *b)
{
    double left = *(const double *)a;
    double right = *(const double *)b;
    return (left > right) - (left < right);
}

static double Median(double *values, int count)
{
    qsort(values, count, sizeof values[0], CompareMs);
    return (count % 2) ? values[count / 2] : (values[count / 2 - 1] + values[count / 2]) / 2.0;
}

int main(int argc, char **argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: bench_launch ROUNDS WARMUP LABEL|CLASS|PROGRAM|ARGUMENTS...\n");
        return 2;
    }
    int rounds = atoi(argv[1]);
    int warmup = atoi(argv[2]);
    if (rounds < 1 || rounds > LAUNCH_MAX_ROUNDS || warmup < 0) {
        fprintf(stderr, "bench_launch: rounds must be 1 to %d, warm-up 0 or more\n", LAUNCH_MAX_ROUNDS);
        return 2;
    }
    for (int i = 3; i < argc; i++) {
        if (launchConfigCount == LAUNCH_MAX_CONFIGS || !ParseConfig(argv[i], &launchConfigs[launchConfigCount])) {
            fprintf(stderr, "bench_launch: bad or too many configurations at %s\n", argv[i]);
            return 2;
        }
        launchConfigCount++;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    launchFrequency = (double)frequency.QuadPart;

    for (int round = 0; round < warmup + rounds; round++) {
        for (int k = 0; k < launchConfigCount; k++) {
            int index = (round + k) % launchConfigCount;
            RunTimes times = {};
            if (!TimeOneStart(&launchConfigs[index], &times)) return 1;
            if (round < warmup) continue;
            launchTimes[index][round - warmup] = times;
            printf("RUN %s %d %.1f %.1f\n", launchConfigs[index].label, round - warmup + 1, times.visibleMs,
                   times.readyMs);
            fflush(stdout);
        }
    }

    static double visible[LAUNCH_MAX_ROUNDS];
    static double ready[LAUNCH_MAX_ROUNDS];
    for (int index = 0; index < launchConfigCount; index++) {
        for (int round = 0; round < rounds; round++) {
            visible[round] = launchTimes[index][round].visibleMs;
            ready[round] = launchTimes[index][round].readyMs;
        }
        double visibleMedian = Median(visible, rounds);
        double readyMedian = Median(ready, rounds);
        printf("MEDIAN %s %d %.1f %.1f %.1f %.1f\n", launchConfigs[index].label, rounds, visibleMedian, readyMedian,
               ready[0], ready[rounds - 1]);
    }
    fflush(stdout);
    return 0;
}
