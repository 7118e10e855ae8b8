// Drives the real korvane.exe as a user meets it: a fresh folder with its own
// lanterra.cfg, the message boxes read and answered, the shown window measured,
// buttons pressed, and what the panel started read back from the recorder.
//
//   korvane_driver SCENARIO KORVANE.EXE RECORDER.EXE RUNS_DIR FIXTURES_DIR
//
// One scenario per run; every failed check prints a line and the exit code is
// the number of failed checks (0: passed). Paths may be given in Unix form:
// under Wine they are reached through drive Z:.
#include <windows.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "resource.h"

// ---------------------------------------------------------------------------
// Checks

static int failureCount;

static bool Check(bool condition, int line, const char *format, ...)
{
    if (condition) return true;
    failureCount++;
    printf("driver.cpp:%d: Test failed: ", line);
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
    printf("\n");
    fflush(stdout);
    return false;
}
#define ok(condition, ...) Check((condition), __LINE__, __VA_ARGS__)

// Shows control characters, so that an expected and an actual text can be
// told apart at a glance.
static const char *Visible(const char *text)
{
    static char buffers[4][2048];
    static int next;
    char *out = buffers[next++ & 3];
    size_t n = 0;
    for (const char *p = text; *p && n + 5 < sizeof buffers[0]; p++) {
        if (*p == '\n') { out[n++] = '\\'; out[n++] = 'n'; }
        else if (*p == '\r') { out[n++] = '\\'; out[n++] = 'r'; }
        else if (*p == '\t') { out[n++] = '\\'; out[n++] = 't'; }
        else out[n++] = *p;
    }
    out[n] = '\0';
    return out;
}

// ---------------------------------------------------------------------------
// Paths and files

static const DWORD DRIVER_WAIT_MS = 10000;   // longest wait for any one event
static const DWORD DRIVER_POLL_MS = 20;

static char korvaneSource[MAX_PATH];
static char recorderSource[MAX_PATH];
static char runsRoot[MAX_PATH];
static char fixturesDir[MAX_PATH];

// The run of one scenario.
static const size_t RUN_PATH_SIZE = MAX_PATH;
static char runDir[RUN_PATH_SIZE];         // fresh folder holding korvane.exe and lanterra.cfg
static char runDirUpper[RUN_PATH_SIZE];    // the same, as the panel upper-cases paths
static char runExe[RUN_PATH_SIZE];
static char workDir[RUN_PATH_SIZE];        // the panel's current directory
static PROCESS_INFORMATION panel;
static bool panelRunning;
static HWND mainWindow;

static void ToWindowsPath(char *out, size_t size, const char *in)
{
    snprintf(out, size, "%s%s", in[0] == '/' ? "Z:" : "", in);
    for (char *p = out; *p; p++)
        if (*p == '/') *p = '\\';
    size_t length = strlen(out);
    if (length > 3 && out[length - 1] == '\\') out[length - 1] = '\0';
}

static void UpperAscii(char *text)
{
    for (; *text; text++)
        if (*text >= 'a' && *text <= 'z') *text = (char)(*text - 'a' + 'A');
}

// Replaces %D by the run folder and %U by its upper-case form.
static void Expand(char *out, size_t size, const char *pattern)
{
    size_t n = 0;
    for (const char *p = pattern; *p && n + 1 < size; p++) {
        const char *insert = NULL;
        if (p[0] == '%' && p[1] == 'D') insert = runDir;
        if (p[0] == '%' && p[1] == 'U') insert = runDirUpper;
        if (insert) {
            for (const char *q = insert; *q && n + 1 < size; q++) out[n++] = *q;
            p++;
        } else {
            out[n++] = *p;
        }
    }
    out[n] = '\0';
}

static bool WriteFileText(const char *path, const char *data, size_t length)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL done = WriteFile(file, data, (DWORD)length, &written, NULL);
    CloseHandle(file);
    return done && written == length;
}

// Writes a configuration: %D and %U expanded, every line ended by CR LF as a
// Windows editor saves it.
static bool WriteConfig(const char *pattern)
{
    static char expanded[65536];
    static char withCrLf[2 * 65536];
    Expand(expanded, sizeof expanded, pattern);
    size_t n = 0;
    for (const char *p = expanded; *p && n + 2 < sizeof withCrLf; p++) {
        if (*p == '\n') withCrLf[n++] = '\r';
        withCrLf[n++] = *p;
    }
    char path[RUN_PATH_SIZE];
    snprintf(path, sizeof path, "%s\\lanterra.cfg", runDir);
    return WriteFileText(path, withCrLf, n);
}

static bool ReadWholeFile(const char *path, char *out, size_t size)
{
    out[0] = '\0';
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD got = 0;
    BOOL done = ReadFile(file, out, (DWORD)(size - 1), &got, NULL);
    CloseHandle(file);
    out[done ? got : 0] = '\0';
    return done != FALSE;
}

// A fresh folder for the scenario: korvane.exe, the recorder, the fixtures,
// a document, and a work folder that becomes the panel's current directory.
static bool PrepareRunFolder(const char *scenario)
{
    CreateDirectoryA(runsRoot, NULL);
    snprintf(runDir, sizeof runDir, "%s\\%s", runsRoot, scenario);
    if (!ok(strlen(runDir) < 200, "run folder path too long (%u bytes): %s", (unsigned)strlen(runDir), runDir))
        return false;
    CreateDirectoryA(runDir, NULL);
    snprintf(runDirUpper, sizeof runDirUpper, "%s", runDir);
    UpperAscii(runDirUpper);
    static const char *const OLD_FILES[] = {
        "korvane.exe", "recorder.exe", "recorder.log", "lanterra.cfg", "marker.ico", "readme.txt", "Korvane.hlp",
    };
    for (const char *name : OLD_FILES) {
        char path[RUN_PATH_SIZE];
        snprintf(path, sizeof path, "%s\\%s", runDir, name);
        DeleteFileA(path);
    }
    snprintf(workDir, sizeof workDir, "%s\\work", runDir);
    CreateDirectoryA(workDir, NULL);

    snprintf(runExe, sizeof runExe, "%s\\korvane.exe", runDir);
    char target[RUN_PATH_SIZE], source[RUN_PATH_SIZE];
    bool copied = ok(CopyFileA(korvaneSource, runExe, FALSE) != FALSE, "cannot copy %s to %s", korvaneSource, runExe);
    snprintf(target, sizeof target, "%s\\recorder.exe", runDir);
    copied = ok(CopyFileA(recorderSource, target, FALSE) != FALSE, "cannot copy %s", recorderSource) && copied;
    snprintf(source, sizeof source, "%s\\marker.ico", fixturesDir);
    snprintf(target, sizeof target, "%s\\marker.ico", runDir);
    copied = ok(CopyFileA(source, target, FALSE) != FALSE, "cannot copy %s", source) && copied;
    snprintf(target, sizeof target, "%s\\readme.txt", runDir);
    static const char README[] = "A plain text document: it holds no icon.\r\n";
    copied = ok(WriteFileText(target, README, sizeof README - 1), "cannot write %s", target) && copied;
    return copied;
}

// ---------------------------------------------------------------------------
// Windows of the panel's process

struct WindowList {
    HWND windows[256];
    int count;
};

static BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param)
{
    WindowList *list = (WindowList *)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == panel.dwProcessId && list->count < 256) list->windows[list->count++] = window;
    return TRUE;
}

static void ClassOf(HWND window, char *out, int size)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    // Classes of the common controls may carry their version: "6.0.x!Button".
    const char *bang = strchr(name, '!');
    snprintf(out, (size_t)size, "%s", bang ? bang + 1 : name);
}

static void TextOf(HWND window, char *out, int size)
{
    out[0] = '\0';
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, (WPARAM)size, (LPARAM)out, SMTO_ABORTIFHUNG, 2000, &result))
        out[0] = '\0';
    out[size - 1] = '\0';
}

static HWND FindPanelWindow(const char *className, bool visibleOnly, HWND except)
{
    WindowList list;
    list.count = 0;
    EnumWindows(CollectTopLevel, (LPARAM)&list);
    for (int i = 0; i < list.count; i++) {
        char name[256];
        ClassOf(list.windows[i], name, sizeof name);
        if (lstrcmpiA(name, className) != 0 || list.windows[i] == except) continue;
        if (visibleOnly && !IsWindowVisible(list.windows[i])) continue;
        return list.windows[i];
    }
    return NULL;
}

static bool PanelExited()
{
    return WaitForSingleObject(panel.hProcess, 0) == WAIT_OBJECT_0;
}

// A dialog of the panel that the user can see: a message box or the About box.
static HWND VisibleDialog(HWND except)
{
    return FindPanelWindow("#32770", true, except);
}

static HWND WaitVisibleDialog(DWORD waitMs, HWND except)
{
    DWORD start = GetTickCount();
    for (;;) {
        HWND dialog = VisibleDialog(except);
        if (dialog) return dialog;
        if (PanelExited() || GetTickCount() - start > waitMs) return NULL;
        Sleep(DRIVER_POLL_MS);
    }
}

static bool WaitGone(HWND window)
{
    DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > DRIVER_WAIT_MS) return false;
        Sleep(DRIVER_POLL_MS);
    }
    return true;
}

// The static control of a message box that holds its text.
static const int MESSAGE_TEXT_ID = 0xFFFF;

struct BoxReading {
    char caption[512];
    char text[1024];
    bool mainVisible;     // was the main window visible while the box was up?
    HWND owner;
};

static void ReadBox(HWND box, BoxReading *reading)
{
    GetWindowTextA(box, reading->caption, sizeof reading->caption);
    HWND textControl = GetDlgItem(box, MESSAGE_TEXT_ID);
    if (textControl) TextOf(textControl, reading->text, sizeof reading->text);
    else reading->text[0] = '\0';
    reading->owner = GetWindow(box, GW_OWNER);
    reading->mainVisible = mainWindow && IsWindowVisible(mainWindow);
}

// Answers a message box with its OK button, as a user would click it.
static bool AnswerBox(HWND box)
{
    HWND button = GetDlgItem(box, IDOK);
    if (button) PostMessageA(button, BM_CLICK, 0, 0);
    else PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return WaitGone(box);
}

// Waits for the next message box and checks caption, text and owner. The
// texts may hold %D and %U.
static bool ExpectBox(const char *captionPattern, const char *textPattern, bool beforeMainShown)
{
    char caption[512], text[1024];
    Expand(caption, sizeof caption, captionPattern);
    Expand(text, sizeof text, textPattern);
    HWND box = WaitVisibleDialog(DRIVER_WAIT_MS, NULL);
    if (!ok(box != NULL, "no message box \"%s\" came", caption)) return false;
    // The box is made visible once its texts are in place.
    BoxReading reading;
    ReadBox(box, &reading);
    if (!mainWindow) mainWindow = FindPanelWindow("Korvane", false, NULL);
    ok(strcmp(reading.caption, caption) == 0, "box caption \"%s\", expected \"%s\"", reading.caption, caption);
    ok(strcmp(reading.text, text) == 0, "box text\n  got      \"%s\"\n  expected \"%s\"",
       Visible(reading.text), Visible(text));
    ok(mainWindow != NULL && reading.owner == mainWindow, "box \"%s\" owned by %p, not by the main window %p",
       reading.caption, (void *)reading.owner, (void *)mainWindow);
    if (beforeMainShown)
        ok(!reading.mainVisible, "box \"%s\" came after the main window was shown", reading.caption);
    return ok(AnswerBox(box), "box \"%s\" did not close on OK", reading.caption);
}

// Fails for, reads and closes any box that should not be there.
static void ExpectNoBox(const char *when)
{
    HWND box = VisibleDialog(NULL);
    if (!box) return;
    BoxReading reading;
    ReadBox(box, &reading);
    ok(false, "%s: unexpected box \"%s\": \"%s\"", when, reading.caption, Visible(reading.text));
    AnswerBox(box);
}

static bool StartPanel(const char *configPattern, bool useShowWindow, WORD show)
{
    if (configPattern && !ok(WriteConfig(configPattern), "cannot write lanterra.cfg in %s", runDir)) return false;
    char commandLine[RUN_PATH_SIZE + 4];
    snprintf(commandLine, sizeof commandLine, "\"%s\"", runExe);
    STARTUPINFOA startup;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    if (useShowWindow) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = show;
    }
    mainWindow = NULL;
    if (!ok(CreateProcessA(runExe, commandLine, NULL, NULL, FALSE, 0, NULL, workDir, &startup, &panel) != FALSE,
            "cannot start %s (error %lu)", runExe, GetLastError()))
        return false;
    panelRunning = true;
    return true;
}

// Waits until the main window is shown; every box before it must be expected
// (checked by the caller through ExpectBox beforehand).
static bool WaitMainShown()
{
    DWORD start = GetTickCount();
    for (;;) {
        if (!mainWindow) mainWindow = FindPanelWindow("Korvane", false, NULL);
        if (mainWindow && IsWindowVisible(mainWindow)) return true;
        ExpectNoBox("before the main window was shown");
        if (PanelExited()) {
            DWORD code = 0;
            GetExitCodeProcess(panel.hProcess, &code);
            return ok(false, "korvane.exe ended with code %#lx before showing its window", (unsigned long)code);
        }
        if (!ok(GetTickCount() - start < DRIVER_WAIT_MS, "the main window was not shown within %lu ms",
                (unsigned long)DRIVER_WAIT_MS))
            return false;
        Sleep(DRIVER_POLL_MS);
    }
}

enum ExitHow { EXIT_BUTTON, EXIT_CLOSE, EXIT_ALT_F4 };

static const char *const EXIT_NAMES[] = { "the Exit button", "WM_CLOSE", "Alt+F4" };

// Ends the panel the way a user would and checks that it ends with code 0.
static void EndPanel(ExitHow how)
{
    ExpectNoBox("before ending the panel");
    switch (how) {
    case EXIT_BUTTON: PostMessageA(GetDlgItem(mainWindow, IDC_EXIT), BM_CLICK, 0, 0); break;
    case EXIT_CLOSE: PostMessageA(mainWindow, WM_CLOSE, 0, 0); break;
    case EXIT_ALT_F4: PostMessageA(mainWindow, WM_SYSKEYDOWN, VK_F4, (LPARAM)(1 | (0x3E << 16) | (1 << 29))); break;
    }
    DWORD waited = WaitForSingleObject(panel.hProcess, DRIVER_WAIT_MS);
    if (ok(waited == WAIT_OBJECT_0, "korvane.exe still runs %lu ms after %s", (unsigned long)DRIVER_WAIT_MS,
           EXIT_NAMES[how])) {
        DWORD code = 1234;
        GetExitCodeProcess(panel.hProcess, &code);
        ok(code == 0, "exit code %lu after %s, expected 0", (unsigned long)code, EXIT_NAMES[how]);
    }
}

// Whatever happened, no panel is left running.
static void StopPanel()
{
    if (!panelRunning) return;
    if (WaitForSingleObject(panel.hProcess, 0) != WAIT_OBJECT_0) {
        ExpectNoBox("at the end of the scenario");
        TerminateProcess(panel.hProcess, 1);
        WaitForSingleObject(panel.hProcess, DRIVER_WAIT_MS);
    }
    CloseHandle(panel.hThread);
    CloseHandle(panel.hProcess);
    panelRunning = false;
}

// ---------------------------------------------------------------------------
// Measuring the main window

struct Child {
    int id;
    char className[64];
    char text[128];
    RECT rect;      // in the main window's client coordinates
    HWND window;
};

struct ChildList {
    Child children[128];
    int count;
};

static BOOL CALLBACK CollectChild(HWND window, LPARAM param)
{
    ChildList *list = (ChildList *)param;
    if (GetParent(window) != mainWindow || list->count >= 128) return TRUE;
    Child *child = &list->children[list->count++];
    child->window = window;
    child->id = GetDlgCtrlID(window);
    ClassOf(window, child->className, sizeof child->className);
    TextOf(window, child->text, sizeof child->text);
    GetWindowRect(window, &child->rect);
    MapWindowPoints(NULL, mainWindow, (POINT *)&child->rect, 2);
    return TRUE;
}

static void ReadChildren(ChildList *list)
{
    list->count = 0;
    EnumChildWindows(mainWindow, CollectChild, (LPARAM)list);
}

struct ExpectedChild {
    int id;
    const char *className;
    const char *text;
    int x, y, width, height;
};

// Checks that the main window holds exactly the expected children.
static void CheckChildren(const ExpectedChild *expected, int count)
{
    ChildList list;
    ReadChildren(&list);
    ok(list.count == count, "the main window has %d children, expected %d", list.count, count);
    for (int e = 0; e < count; e++) {
        const ExpectedChild *want = &expected[e];
        const Child *got = NULL;
        for (int c = 0; c < list.count; c++)
            if (list.children[c].id == want->id) got = &list.children[c];
        if (!ok(got != NULL, "no child with id %d", want->id)) continue;
        ok(lstrcmpiA(got->className, want->className) == 0, "child %d: class \"%s\", expected \"%s\"", want->id,
           got->className, want->className);
        ok(strcmp(got->text, want->text) == 0, "child %d: text \"%s\", expected \"%s\"", want->id, got->text,
           want->text);
        int x = got->rect.left, y = got->rect.top;
        int width = got->rect.right - got->rect.left, height = got->rect.bottom - got->rect.top;
        ok(x == want->x && y == want->y && width == want->width && height == want->height,
           "child %d: (%d, %d) %d x %d, expected (%d, %d) %d x %d", want->id, x, y, width, height, want->x, want->y,
           want->width, want->height);
    }
}

static void CheckTitle(const char *expected)
{
    char title[512];
    GetWindowTextA(mainWindow, title, sizeof title);
    ok(strcmp(title, expected) == 0, "window title \"%s\", expected \"%s\"", title, expected);
}

static void CheckOuterSize(int width, int height)
{
    RECT rect;
    GetWindowRect(mainWindow, &rect);

    ok(rect.right - rect.left == width && rect.bottom - rect.top == height,
       "main window %ld x %ld, expected %d x %d", rect.right - rect.left, rect.bottom - rect.top, width, height);
}

// The results of the grid rules: shape, outer size (height without SM_CYSIZE)
// and the places of Exit and About.
struct GridResult {
    int minCount, maxCount, columns, rows, width, heightLessCySize, exitX, exitY, aboutX, aboutY;
};

static const GridResult GRID_RESULTS[] = {
    { 0, 4, 2, 2, 230, 295, 30, 240, 120, 240 },
    { 5, 9, 3, 3, 330, 405, 80, 350, 170, 350 },
    { 10, 12, 3, 4, 330, 515, 80, 460, 170, 460 },
    { 13, 16, 4, 4, 430, 515, 130, 460, 220, 460 },
    { 17, 20, 4, 5, 430, 625, 130, 570, 220, 570 },
    { 21, 25, 5, 5, 530, 625, 180, 570, 270, 570 },
    { 26, 30, 6, 5, 630, 625, 230, 570, 320, 570 },
    { 31, 36, 6, 6, 630, 735, 230, 680, 320, 680 },
    { 37, 49, 7, 7, 730, 845, 280, 790, 370, 790 },
    { 50, 50, 8, 8, 830, 955, 330, 900, 420, 900 },
};

static const GridResult *GridFor(int count)
{
    for (const GridResult &rule : GRID_RESULTS)
        if (count >= rule.minCount && count <= rule.maxCount) return &rule;
    return NULL;
}

// Checks the whole panel of `count` entries whose captions are given.
static void CheckPanel(int count, const char *const *captions)
{
    const GridResult *grid = GridFor(count);
    if (!ok(grid != NULL, "no grid rule for %d entries", count)) return;
    CheckOuterSize(grid->width, grid->heightLessCySize + GetSystemMetrics(SM_CYSIZE));
    static ExpectedChild expected[2 * 50 + 2];
    int n = 0;
    for (int i = 0; i < count; i++) {
        int x = 20 + 100 * (i % grid->columns), y = 20 + 110 * (i / grid->columns);
        expected[n++] = { IDC_FIRST_BUTTON + i, "Button", "", x, y, 90, 70 };
        expected[n++] = { IDC_FIRST_LABEL + i, "Static", captions[i], x, y + 73, 90, 27 };
    }
    expected[n++] = { IDC_EXIT, "Button", "Exit", grid->exitX, grid->exitY, 80, 25 };
    expected[n++] = { IDC_ABOUT, "Button", "About", grid->aboutX, grid->aboutY, 80, 25 };
    CheckChildren(expected, n);
    // Every launcher button carries an image (what it shows is read from the screen: ButtonShows).
    for (int i = 0; i < count; i++)
        ok(SendMessageA(GetDlgItem(mainWindow, IDC_FIRST_BUTTON + i), BM_GETIMAGE, IMAGE_ICON, 0) != 0,
           "button %d has no icon", i + 1);
}

// The window opens where its template puts it, the top-left corner.
static void CheckAtTopLeft()
{
    RECT rect;
    GetWindowRect(mainWindow, &rect);
    ok(rect.left == 0 && rect.top == 0, "the main window opened at (%ld, %ld), expected (0, 0)", rect.left, rect.top);
}

// ---------------------------------------------------------------------------
// Pictures on the screen

struct Picture {
    int width, height;
    DWORD pixels[64 * 64];     // 0x00RRGGBB
    bool opaque[64 * 64];
};

// The picture of an icon as it is drawn: its colours where its mask is opaque.
static bool PictureOfIcon(HICON icon, Picture *picture)
{
    ICONINFO info;
    if (!icon || !GetIconInfo(icon, &info)) return false;
    BITMAP bitmap;
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    int width = bitmap.bmWidth, height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    bool fits = width > 0 && height > 0 && width <= 64 && height <= 64 && info.hbmColor;
    if (fits) {
        picture->width = width;
        picture->height = height;
        BITMAPINFO format;
        memset(&format, 0, sizeof format);
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = width;
        format.bmiHeader.biHeight = -height;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        static DWORD mask[64 * 64];
        HDC dc = GetDC(NULL);
        GetDIBits(dc, info.hbmColor, 0, (UINT)height, picture->pixels, &format, DIB_RGB_COLORS);
        GetDIBits(dc, info.hbmMask, 0, (UINT)height, mask, &format, DIB_RGB_COLORS);
        ReleaseDC(NULL, dc);
        bool hasAlpha = false;
        for (int i = 0; i < width * height; i++) hasAlpha = hasAlpha || (picture->pixels[i] >> 24) != 0;
        for (int i = 0; i < width * height; i++) {
            picture->opaque[i] = hasAlpha ? (picture->pixels[i] >> 24) == 0xFF : (mask[i] & 0xFFFFFF) == 0;
            picture->pixels[i] &= 0xFFFFFF;
        }
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return fits;
}

static bool SamePicture(const Picture *a, const Picture *b)
{
    if (a->width != b->width || a->height != b->height) return false;
    for (int i = 0; i < a->width * a->height; i++)
        if (a->opaque[i] != b->opaque[i] || (a->opaque[i] && a->pixels[i] != b->pixels[i])) return false;
    return true;
}

struct Capture {
    int width, height;
    DWORD pixels[1024 * 128];
};

// What the screen shows of a window.
static bool CaptureWindow(HWND window, Capture *capture)
{
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || width * height > (int)(sizeof capture->pixels / sizeof(DWORD))) return false;
    BITMAPINFO format;
    memset(&format, 0, sizeof format);
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    void *bits = NULL;
    HBITMAP dib = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BOOL copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    if (copied) {
        capture->width = width;
        capture->height = height;
        const DWORD *source = (const DWORD *)bits;
        for (int i = 0; i < width * height; i++) capture->pixels[i] = source[i] & 0xFFFFFF;
    }
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return copied != FALSE;
}

// Where in the capture the picture's opaque pixels stand, exactly.
static bool FindPicture(const Capture *capture, const Picture *picture, int *foundX, int *foundY)
{
    for (int y0 = 0; y0 + picture->height <= capture->height; y0++) {
        for (int x0 = 0; x0 + picture->width <= capture->width; x0++) {
            bool match = true;
            for (int y = 0; y < picture->height && match; y++)
                for (int x = 0; x < picture->width && match; x++) {
                    int i = y * picture->width + x;
                    if (picture->opaque[i] && capture->pixels[(y0 + y) * capture->width + x0 + x] != picture->pixels[i])
                        match = false;
                }
            if (match) {
                *foundX = x0;
                *foundY = y0;
                return true;
            }
        }
    }
    return false;
}

// Waits until the button shows the picture (the panel may still be painting).
static bool ButtonShows(HWND button, const Picture *picture)
{
    static Capture capture;
    DWORD start = GetTickCount();
    for (;;) {
        int x = 0, y = 0;
        if (CaptureWindow(button, &capture) && FindPicture(&capture, picture, &x, &y)) return true;
        if (GetTickCount() - start > 3000) return false;
        Sleep(100);
    }
}

static HMODULE korvaneResources;

static bool ResourcePicture(const char *name, Picture *picture)
{
    if (!korvaneResources) korvaneResources = LoadLibraryExA(runExe, NULL, LOAD_LIBRARY_AS_DATAFILE);
    HICON icon = (HICON)LoadImageA(korvaneResources, name, IMAGE_ICON, 48, 48,
                                   LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT);
    bool done = PictureOfIcon(icon, picture);
    if (icon) DestroyIcon(icon);
    return ok(done, "cannot load icon %s from %s", name, runExe);
}

static bool ExtractedPicture(const char *file, Picture *picture)
{
    HICON icon = NULL;
    UINT count = ExtractIconExA(file, 0, &icon, NULL, 1);
    bool done = count == 1 && PictureOfIcon(icon, picture);
    if (icon) DestroyIcon(icon);
    return ok(done, "cannot extract an icon from %s", file);
}

// The caption as a static control draws it in Arial with a 14-pixel cell,
// antialiased, on the colour the control paints behind it.
static void RenderCaption(const char *text, const LOGFONTA *font, DWORD background, int width, int height,
                          DWORD *out)
{
    BITMAPINFO format;
    memset(&format, 0, sizeof format);
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    void *bits = NULL;
    HBITMAP dib = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ oldBitmap = SelectObject(memory, dib);
    COLORREF back = RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
    HBRUSH brush = CreateSolidBrush(back);
    RECT rect = { 0, 0, width, height };
    FillRect(memory, &rect, brush);
    DeleteObject(brush);
    HFONT hfont = CreateFontIndirectA(font);
    HGDIOBJ oldFont = SelectObject(memory, hfont);
    SetBkColor(memory, back);
    SetBkMode(memory, OPAQUE);
    SetTextColor(memory, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextA(memory, text, -1, &rect, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS);
    GdiFlush();
    for (int i = 0; i < width * height; i++) out[i] = ((const DWORD *)bits)[i] & 0xFFFFFF;
    SelectObject(memory, oldFont);
    DeleteObject(hfont);
    SelectObject(memory, oldBitmap);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
}

static int CountDifferences(const DWORD *a, const DWORD *b, int count)
{
    int differences = 0;
    for (int i = 0; i < count; i++) differences += a[i] != b[i];
    return differences;
}

// Checks, from the screen, that a caption is drawn in Arial 14: its pixels are
// those of the text drawn in that font and differ from other fonts'.
static void CheckCaptionFont(HWND caption, const char *text)
{
    static Capture capture;
    static DWORD arial14[4096], arial16[4096], arial12[4096];
    LOGFONTA font;
    memset(&font, 0, sizeof font);
    font.lfHeight = 14;
    font.lfQuality = ANTIALIASED_QUALITY;
    lstrcpyA(font.lfFaceName, "Arial");
    int differences = -1;
    DWORD start = GetTickCount();
    while (differences != 0 && GetTickCount() - start < 3000) {
        if (!CaptureWindow(caption, &capture) || capture.width * capture.height > 4096) break;
        RenderCaption(text, &font, capture.pixels[0], capture.width, capture.height, arial14);
        differences = CountDifferences(capture.pixels, arial14, capture.width * capture.height);
        if (differences != 0) Sleep(100);
    }
    ok(differences == 0, "caption \"%s\" is not drawn in Arial 14 (%d pixels differ)", text, differences);
    // The comparison must be able to tell fonts apart for this text.
    font.lfHeight = 16;
    RenderCaption(text, &font, capture.pixels[0], capture.width, capture.height, arial16);
    font.lfHeight = 12;
    RenderCaption(text, &font, capture.pixels[0], capture.width, capture.height, arial12);
    ok(CountDifferences(arial14, arial16, capture.width * capture.height) > 0 &&
       CountDifferences(arial14, arial12, capture.width * capture.height) > 0,
       "caption \"%s\" looks alike in Arial 12, 14 and 16", text);
}

// ---------------------------------------------------------------------------
// The recorder's log

struct Start {
    char exe[MAX_PATH];
    char args[1024];
    char cwd[MAX_PATH];
    unsigned long flags;
    unsigned show;
};

static int ReadStarts(Start *starts, int max)
{
    static char log[65536];
    char path[RUN_PATH_SIZE];
    snprintf(path, sizeof path, "%s\\recorder.log", runDir);
    if (!ReadWholeFile(path, log, sizeof log)) return 0;
    int count = 0;
    Start current;
    memset(&current, 0, sizeof current);
    char *line = log;
    while (*line && count < max) {
        char *end = strchr(line, '\n');
        if (!end) break;    // a record still being written
        *end = '\0';
        if (strncmp(line, "exe=", 4) == 0) snprintf(current.exe, sizeof current.exe, "%s", line + 4);
        else if (strncmp(line, "args=", 5) == 0) snprintf(current.args, sizeof current.args, "%s", line + 5);
        else if (strncmp(line, "cwd=", 4) == 0) snprintf(current.cwd, sizeof current.cwd, "%s", line + 4);
        else if (strncmp(line, "flags=", 6) == 0) current.flags = strtoul(line + 6, NULL, 16);
        else if (strncmp(line, "show=", 5) == 0) current.show = (unsigned)strtoul(line + 5, NULL, 10);
        else if (strcmp(line, "end") == 0) {
            starts[count++] = current;
            memset(&current, 0, sizeof current);
        }
        line = end + 1;
    }
    return count;
}

static int WaitStarts(int expected, Start *starts, int max)
{
    DWORD start = GetTickCount();
    int count = 0;
    while ((count = ReadStarts(starts, max)) < expected && GetTickCount() - start < DRIVER_WAIT_MS)
        Sleep(50);
    return count;
}

static void PressButton(int id)
{
    PostMessageA(GetDlgItem(mainWindow, id), BM_CLICK, 0, 0);
}

// ---------------------------------------------------------------------------
// Scenarios

static const char TEMPLATE_TITLE[] = "Quillarn (TM) Lanterra";

// A configuration of `count` plain entries captioned Item 1, Item 2, ...
// (%D stays in the text: WriteConfig expands it).
static void GeneratedConfig(char *out, size_t size, const char *label, int count, const char **captions)
{
    static char names[50][16];
    size_t n = 0;
    out[0] = '\0';
    if (label) n += (size_t)snprintf(out + n, size - n, "WINLABEL \"%s\"\n", label);
    for (int i = 0; i < count && n < size; i++) {
        snprintf(names[i], sizeof names[i], "Item %d", i + 1);
        captions[i] = names[i];
        n += (size_t)snprintf(out + n, size - n, ";\nCOMMAND\n%s\nNO PARAMETERS\n%s\n", "%D\\recorder.exe",
                              names[i]);
    }
}

struct LayoutCase {
    const char *scenario;
    int count;
    const char *label;      // title line, or none
    const char *title;      // the window title that follows
    ExitHow exitHow;
};

static const LayoutCase LAYOUT_CASES[] = {
    { "layout_0", 0, "Empty Panel", "Empty Panel - Quillarn (TM) Lanterra", EXIT_BUTTON },
    { "layout_4", 4, "Quillarn Tools", "Quillarn Tools", EXIT_CLOSE },
    { "layout_5", 5, NULL, TEMPLATE_TITLE, EXIT_ALT_F4 },
    { "layout_12", 12, "quillarn twelve", "quillarn twelve - Quillarn (TM) Lanterra", EXIT_BUTTON },
    { "layout_20", 20, NULL, TEMPLATE_TITLE, EXIT_CLOSE },
    { "layout_30", 30, "Thirty", "Thirty - Quillarn (TM) Lanterra", EXIT_BUTTON },
    { "layout_50", 50, NULL, TEMPLATE_TITLE, EXIT_ALT_F4 },
};

static void RunLayout(const LayoutCase *test)
{
    static char config[16384];
    const char *captions[50];
    GeneratedConfig(config, sizeof config, test->label, test->count, captions);
    if (!StartPanel(config, false, 0) || !WaitMainShown()) return;
    ok(!IsIconic(mainWindow), "started without show information, the window is minimised");
    CheckAtTopLeft();
    CheckTitle(test->title);
    CheckPanel(test->count, captions);
    if (test->count == 50) {
        // The last row of the 8 x 8 grid holds entries 48 and 49 only.
        RECT rect;
        GetWindowRect(GetDlgItem(mainWindow, IDC_FIRST_BUTTON + 49), &rect);
        MapWindowPoints(NULL, mainWindow, (POINT *)&rect, 2);
        ok(rect.left == 120 && rect.top == 680, "button 50 at (%ld, %ld), expected (120, 680)", rect.left, rect.top);
    }
    EndPanel(test->exitHow);
}

// Seven entries: every rectangle of the worked example, the caption font and
// the resource icon.
static void RunLayout7()
{
    static char config[4096];
    const char *captions[50];
    GeneratedConfig(config, sizeof config, NULL, 7, captions);
    if (!StartPanel(config, false, 0) || !WaitMainShown()) return;
    CheckTitle(TEMPLATE_TITLE);
    CheckAtTopLeft();
    CheckOuterSize(330, 405 + GetSystemMetrics(SM_CYSIZE));
    // It can be minimised and closed from its caption, not maximised or sized.
    LONG style = GetWindowLongA(mainWindow, GWL_STYLE);
    ok((style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)) == (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX) &&
       !(style & (WS_MAXIMIZEBOX | WS_THICKFRAME)), "main window style %#lx", (unsigned long)style);
    static const ExpectedChild WORKED_EXAMPLE[] = {
        { 200, "Button", "", 20, 20, 90, 70 },     { 300, "Static", "Item 1", 20, 93, 90, 27 },
        { 201, "Button", "", 120, 20, 90, 70 },    { 301, "Static", "Item 2", 120, 93, 90, 27 },
        { 202, "Button", "", 220, 20, 90, 70 },    { 302, "Static", "Item 3", 220, 93, 90, 27 },
        { 203, "Button", "", 20, 130, 90, 70 },    { 303, "Static", "Item 4", 20, 203, 90, 27 },
        { 204, "Button", "", 120, 130, 90, 70 },   { 304, "Static", "Item 5", 120, 203, 90, 27 },
        { 205, "Button", "", 220, 130, 90, 70 },   { 305, "Static", "Item 6", 220, 203, 90, 27 },
        { 206, "Button", "", 20, 240, 90, 70 },    { 306, "Static", "Item 7", 20, 313, 90, 27 },
        { IDC_EXIT, "Button", "Exit", 80, 350, 80, 25 },
        { IDC_ABOUT, "Button", "About", 170, 350, 80, 25 },
    };
    CheckChildren(WORKED_EXAMPLE, sizeof WORKED_EXAMPLE / sizeof WORKED_EXAMPLE[0]);

    static Picture command;
    if (ResourcePicture("COMMAND", &command))
        for (int i = 0; i < 7; i++)
            ok(ButtonShows(GetDlgItem(mainWindow, IDC_FIRST_BUTTON + i), &command),
               "button %d does not show the 48 x 48 COMMAND icon", i + 1);
    CheckCaptionFont(GetDlgItem(mainWindow, IDC_FIRST_LABEL + 6), "Item 7");
    EndPanel(EXIT_BUTTON);
}

// No configuration file: the message names the full path, then an empty panel
// with the template's title.
static void RunNoConfig()
{
    if (!StartPanel(NULL, false, 0)) return;
    ExpectBox("Lanterra Error: No config file", "Could not find the Lanterra configuration file\n%D\\lanterra.cfg\n",
              true);
    if (!WaitMainShown()) return;
    CheckTitle(TEMPLATE_TITLE);
    CheckPanel(0, NULL);
    EndPanel(EXIT_CLOSE);
}

struct ConfigErrorCase {
    const char *scenario;
    const char *config;
    const char *caption;
    const char *text;
    int entries;            // complete entries before the error
    const char *title;
};

#define ENTRY(caption) ";\nCOMMAND\n%D\\recorder.exe\nNO PARAMETERS\n" caption "\n"

static const ConfigErrorCase CONFIG_ERROR_CASES[] = {
    // The fifth entry's header lacks its semicolon: four entries, 2 x 2.
    { "error_comment", ENTRY("Item 1") ENTRY("Item 2") ENTRY("Item 3") ENTRY("Item 4") "fifth entry\nCOMMAND\n",
      "Lanterra Error: No comment line", "Config file: %D\\lanterra.cfg\nLine 21\nComment line expected\n", 4,
      TEMPLATE_TITLE },
    // The file ends after the application line: the line that is missing is 10.
    { "error_parameters", "WINLABEL \"Half Done\"\n" ENTRY("Item 1") ";\nCOMMAND\n%D\\recorder.exe\n",
      "Lanterra Error: No parameter line", "Config file: %D\\lanterra.cfg\nLine 10\nParamters not found\n", 1,
      "Half Done - Quillarn (TM) Lanterra" },
    // 31 bytes of label; the entry before it stays.
    { "error_title", ENTRY("Item 1") "WINLABEL \"A label of thirty-one bytes long\"\n" ENTRY("Item 2"),
      "Lanterra Error: WINLABEL too long", "Config file: %D\\lanterra.cfg\nLine 6\nWINLABEL too long\n", 1,
      TEMPLATE_TITLE },
};

static void RunConfigError(const ConfigErrorCase *test)
{
    if (!StartPanel(test->config, false, 0)) return;
    ExpectBox(test->caption, test->text, true);
    if (!WaitMainShown()) return;
    static const char *const CAPTIONS[] = { "Item 1", "Item 2", "Item 3", "Item 4" };
    CheckTitle(test->title);
    CheckPanel(test->entries, CAPTIONS);
    EndPanel(EXIT_BUTTON);
}

// The icon sources, one entry each.
static void RunIcons()
{
    static const char CONFIG[] =
        "; a resource of the panel\nCOMMAND\n%D\\recorder.exe\nNO PARAMETERS\nResource\n"
        "; a name the panel does not hold\nNOSUCHICON\n%D\\recorder.exe\nNO PARAMETERS\nUnknown\n"
        "; the first icon of an icon file\nEXTRACT %D\\marker.ico\n%D\\recorder.exe\nNO PARAMETERS\nIcon File\n"
        "; the first icon of the application\nEXTRACT\n%D\\recorder.exe\nNO PARAMETERS\nFrom App\n"
        "; an application without an icon\nEXTRACT\n%D\\readme.txt\nNO PARAMETERS\nDocument\n"
        "; an icon file that is not there\nEXTRACT %D\\nothing.ico\n%D\\recorder.exe\nNO PARAMETERS\nNo File\n"
        "; the keyword in lower case\nextract\n%D\\recorder.exe\nNO PARAMETERS\nLower\n"
        "; an executable as the icon file of a document\nEXTRACT %D\\recorder.exe\n%D\\readme.txt\n\nExe Icon\n";
    if (!StartPanel(CONFIG, false, 0)) return;
    ExpectBox("Lanterra config file error",
              "Failed to extract an icon for button 5 from the following file\n%U\\README.TXT\n\n"
              "Check that the file is a executable file, DLL file, or icon file\n"
              "Also check that the file path and file name are correct.",
              true);
    if (!WaitMainShown()) return;
    static const char *const CAPTIONS[] = {
        "Resource", "Unknown", "Icon File", "From App", "Document", "No File", "Lower", "Exe Icon",
    };
    CheckPanel(8, CAPTIONS);

    static Picture command, fallback, marker, recorder;
    char markerPath[RUN_PATH_SIZE], recorderPath[RUN_PATH_SIZE];
    snprintf(markerPath, sizeof markerPath, "%s\\marker.ico", runDir);
    snprintf(recorderPath, sizeof recorderPath, "%s\\recorder.exe", runDir);
    bool loaded = ResourcePicture("COMMAND", &command) & ResourcePicture("Default", &fallback) &
                  ExtractedPicture(markerPath, &marker) & ExtractedPicture(recorderPath, &recorder);
    if (!loaded) {
        EndPanel(EXIT_BUTTON);
        return;
    }
    ok(command.width == 48 && command.height == 48 && fallback.width == 48 && fallback.height == 48,
       "the resource icons load at %d x %d and %d x %d, expected 48 x 48", command.width, command.height,
       fallback.width, fallback.height);
    int large = GetSystemMetrics(SM_CXICON);
    ok(marker.width == large && recorder.width == large, "extracted icons are %d and %d wide, expected %d",
       marker.width, recorder.width, large);
    ok(!SamePicture(&command, &fallback), "COMMAND and Default look alike: the panel's icons cannot be told apart");

    struct IconCase {
        const char *what;
        const Picture *picture;
    };
    const IconCase ICON_CASES[] = {
        { "COMMAND", &command }, { "Default", &fallback }, { "marker.ico", &marker },
        { "recorder.exe's icon", &recorder }, { "Default", &fallback }, { "Default", &fallback },
        { "recorder.exe's icon", &recorder }, { "recorder.exe's icon", &recorder },
    };
    for (int i = 0; i < 8; i++) {
        HWND button = GetDlgItem(mainWindow, IDC_FIRST_BUTTON + i);
        ok(ButtonShows(button, ICON_CASES[i].picture), "button %d (%s) does not show %s", i + 1, CAPTIONS[i],
           ICON_CASES[i].what);
    }
    EndPanel(EXIT_BUTTON);
}

// Starting applications: parameters passed as written, none for NO
// PARAMETERS, the launcher's current directory, shown without activation;
// a missing application gives the failure box.
static void RunLaunch()
{
    static const char CONFIG[] =
        "WINLABEL \"Launch\"\n"
        "; parameters in mixed case\nCOMMAND\n%D\\recorder.exe\n-x Mixed Case \"two words\"\nWith Args\n"
        "; none, said in mixed case inside a longer text\nCOMMAND\n%D\\recorder.exe\nrun with No Parameters now\nBare\n"
        "; an empty parameters line\nCOMMAND\n%D\\recorder.exe\n\nEmpty\n"
        "; an application that is not there\nCOMMAND\n%D\\missing.exe\n-x\nMissing\n";
    if (!StartPanel(CONFIG, false, 0) || !WaitMainShown()) return;

    struct LaunchCase {
        int button;
        const char *args;
    };
    static const LaunchCase LAUNCH_CASES[] = {
        { 0, "-x Mixed Case \"two words\"" },
        { 1, "" },
        { 2, "" },
        { 0, "-x Mixed Case \"two words\"" },   // pressed again: started again
    };
    static Start starts[8];
    char recorderPath[RUN_PATH_SIZE];
    snprintf(recorderPath, sizeof recorderPath, "%s\\recorder.exe", runDir);
    int expected = 0;
    for (const LaunchCase &test : LAUNCH_CASES) {
        PressButton(IDC_FIRST_BUTTON + test.button);
        expected++;
        int count = WaitStarts(expected, starts, 8);
        if (!ok(count == expected, "button %d: %d starts recorded, expected %d", test.button + 1, count, expected))
            break;
        const Start *got = &starts[expected - 1];
        ok(strcmp(got->args, test.args) == 0, "button %d: parameters \"%s\", expected \"%s\"", test.button + 1,
           got->args, test.args);
        ok(lstrcmpiA(got->exe, recorderPath) == 0, "button %d started %s", test.button + 1, got->exe);
        ok(lstrcmpiA(got->cwd, workDir) == 0, "button %d: current directory \"%s\", expected the panel's \"%s\"",
           test.button + 1, got->cwd, workDir);
        ok((got->flags & STARTF_USESHOWWINDOW) && got->show == SW_SHOWNOACTIVATE,
           "button %d: flags %#lx show %u, expected STARTF_USESHOWWINDOW and SW_SHOWNOACTIVATE (4)", test.button + 1,
           got->flags, got->show);
        ExpectNoBox("after a successful start");
    }

    PressButton(IDC_FIRST_BUTTON + 3);
    ExpectBox("Error starting application",
              "The application could not be launched.\nPath: %U\\MISSING.EXE\n"
              "Check that the file exists in this location and\nthat the Lanterra configuration file is correct",
              false);

    // Commands that no launcher handles change nothing.
    static const int IDLE_IDS[] = { IDOK, IDC_FIRST_LABEL, IDC_FIRST_LABEL + 3 };
    for (int id : IDLE_IDS) PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    HWND box = WaitVisibleDialog(1000, NULL);
    ok(box == NULL, "a command without a launcher opened a window");
    ok(ReadStarts(starts, 8) == expected, "a command without a launcher started something");
    ok(IsWindowVisible(mainWindow) && !PanelExited(), "a command without a launcher closed the panel");
    EndPanel(EXIT_CLOSE);
}

// The About box: texts, focus, centring over the main window with the clamps
// at the screen's edges, and closing by OK, Enter and Esc.
static void RunAbout()
{
    if (!StartPanel("", false, 0) || !WaitMainShown()) return;
    ExpectNoBox("with an empty configuration");
    HDC screen = GetDC(NULL);
    int screenWidth = GetDeviceCaps(screen, HORZRES), screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(NULL, screen);
    RECT mainRect;
    GetWindowRect(mainWindow, &mainRect);
    int mainWidth = mainRect.right - mainRect.left, mainHeight = mainRect.bottom - mainRect.top;

    enum Close { CLOSE_OK_BUTTON, CLOSE_ENTER, CLOSE_ESCAPE };
    struct AboutCase {
        int mainX, mainY;       // where the main window is moved first; -1: the right or bottom screen edge
        Close close;
        bool clampsLow, clampsHigh;    // which clamp of x and y must act
    };
    const AboutCase ABOUT_CASES[] = {
        { 0, 0, CLOSE_OK_BUTTON, true, false },        // at the top-left corner: the wider box stops at 0
        { 401, 301, CLOSE_ESCAPE, false, false },      // free: centred, halves truncated toward zero
        { -1, -1, CLOSE_ENTER, false, true },          // at the bottom-right corner: kept on the screen
    };
    for (const AboutCase &test : ABOUT_CASES) {
        int x = test.mainX < 0 ? screenWidth - mainWidth : test.mainX;
        int y = test.mainY < 0 ? screenHeight - mainHeight : test.mainY;
        SetWindowPos(mainWindow, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetWindowRect(mainWindow, &mainRect);
        ok(mainRect.left == x && mainRect.top == y, "main window not moved to (%d, %d)", x, y);

        PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_ABOUT, BN_CLICKED), 0);
        HWND about = WaitVisibleDialog(DRIVER_WAIT_MS, NULL);
        if (!ok(about != NULL, "no About box came")) break;
        char caption[256], version[256], notice[256];
        GetWindowTextA(about, caption, sizeof caption);
        TextOf(GetDlgItem(about, IDC_ABOUT_VERSION), version, sizeof version);
        TextOf(GetDlgItem(about, IDC_ABOUT_TEXT), notice, sizeof notice);
        ok(strcmp(caption, "Quillarn Lanterra") == 0, "About box caption \"%s\"", caption);
        ok(strcmp(version, "Lanterra V1.3 Build: 1000") == 0, "About version line \"%s\"", version);
        ok(notice[0] != '\0' && strcmp(notice, "Lic. Text") != 0, "About notice \"%s\"", notice);
        ok(GetWindow(about, GW_OWNER) == mainWindow, "the About box is not owned by the main window");
        ok(!(GetWindowLongA(about, GWL_STYLE) & WS_SYSMENU), "the About box has a close button in its caption");

        RECT aboutRect;
        GetWindowRect(about, &aboutRect);
        int width = aboutRect.right - aboutRect.left, height = aboutRect.bottom - aboutRect.top;
        int centreX = mainRect.left + (mainRect.right - mainRect.left - width) / 2;
        int centreY = mainRect.top + (mainRect.bottom - mainRect.top - height) / 2;
        int wantX = centreX < 0 ? 0 : centreX + width > screenWidth ? screenWidth - width : centreX;
        int wantY = centreY < 0 ? 0 : centreY + height > screenHeight ? screenHeight - height : centreY;
        ok(aboutRect.left == wantX && aboutRect.top == wantY,
           "About box at (%ld, %ld), expected (%d, %d) over the main window at (%ld, %ld)", aboutRect.left,
           aboutRect.top, wantX, wantY, mainRect.left, mainRect.top);
        ok((wantX != centreX || wantY != centreY) == (test.clampsLow || test.clampsHigh) &&
           (!test.clampsLow || (wantX == 0 && wantY == 0)) &&
           (!test.clampsHigh || (wantX == screenWidth - width && wantY == screenHeight - height)),
           "the main window at (%d, %d) does not bring the About box to the intended edge", x, y);

        GUITHREADINFO thread;
        memset(&thread, 0, sizeof thread);
        thread.cbSize = sizeof thread;
        ok(GetGUIThreadInfo(panel.dwThreadId, &thread) && thread.hwndFocus == GetDlgItem(about, IDOK),
           "the About box does not open with the focus on OK");

        // A command of another id leaves the box open.
        PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_TEXT, BN_CLICKED), 0);
        Sleep(300);
        ok(IsWindow(about) && IsWindowVisible(about), "the About box closed on a command of another id");

        HWND okButton = GetDlgItem(about, IDOK);
        switch (test.close) {
        case CLOSE_OK_BUTTON: PostMessageA(okButton, BM_CLICK, 0, 0); break;
        case CLOSE_ENTER: PostMessageA(okButton, WM_KEYDOWN, VK_RETURN, 1 | (0x1C << 16)); break;
        case CLOSE_ESCAPE: PostMessageA(okButton, WM_KEYDOWN, VK_ESCAPE, 1 | (0x01 << 16)); break;
        }
        ok(WaitGone(about), "the About box did not close");
        ok(IsWindowVisible(mainWindow) && !PanelExited(), "the panel went away with the About box");
    }
    EndPanel(EXIT_BUTTON);
}

// A message box of another process whose text holds `needle`.
struct ForeignSearch {
    const char *needle;
    HWND found;
};

static BOOL CALLBACK FindForeignBoxProc(HWND window, LPARAM param)
{
    ForeignSearch *search = (ForeignSearch *)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char name[64], text[1024];
    ClassOf(window, name, sizeof name);
    if (pid == panel.dwProcessId || pid == GetCurrentProcessId() || strcmp(name, "#32770") != 0 ||
        !IsWindowVisible(window))
        return TRUE;
    HWND textControl = GetDlgItem(window, MESSAGE_TEXT_ID);
    if (!textControl) return TRUE;
    TextOf(textControl, text, sizeof text);
    if (!strstr(text, search->needle)) return TRUE;
    search->found = window;
    return FALSE;
}

static HWND FindForeignBox(const char *needle)
{
    ForeignSearch search = { needle, NULL };
    EnumWindows(FindForeignBoxProc, (LPARAM)&search);
    return search.found;
}

// Help. With no help file beside the panel, the panel says so in its own box
// and starts no help viewer. With a file there (not a valid help file), the
// panel hands WinHelp its full path: the viewer then reports on that path.
static void AnswerViewerBox(HWND viewerBox)
{
    HWND no = GetDlgItem(viewerBox, IDNO);
    if (no) PostMessageA(no, BM_CLICK, 0, 0);
    else PostMessageA(viewerBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ok(WaitGone(viewerBox), "the help viewer's box did not close");
}

static void RunHelp(bool withFile)
{
    if (withFile) {
        char path[RUN_PATH_SIZE];
        snprintf(path, sizeof path, "%s\\Korvane.hlp", runDir);
        if (!ok(WriteFileText(path, "not a help file\r\n", 17), "cannot write %s", path)) return;
    }
    if (!StartPanel("", false, 0) || !WaitMainShown()) return;
    // F1 is no way to help: only the command is.
    PostMessageA(mainWindow, WM_KEYDOWN, VK_F1, 1 | (0x3B << 16));
    PostMessageA(mainWindow, WM_KEYUP, VK_F1, 1 | (0x3B << 16) | (3u << 30));
    DWORD pressed = GetTickCount();
    while (GetTickCount() - pressed < 1000 && !VisibleDialog(NULL) && !FindForeignBox("Korvane.hlp"))
        Sleep(DRIVER_POLL_MS);
    ok(!VisibleDialog(NULL) && !FindForeignBox("Korvane.hlp"), "F1 asked for help");
    ExpectNoBox("after F1");

    PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(IDHELP, 0), 0);
    char helpPath[RUN_PATH_SIZE];
    snprintf(helpPath, sizeof helpPath, "%s\\Korvane.hlp", runDir);
    HWND viewerBox = NULL;
    DWORD start = GetTickCount();
    while (!viewerBox && !VisibleDialog(NULL) && GetTickCount() - start < DRIVER_WAIT_MS) {
        viewerBox = FindForeignBox("Korvane.hlp");
        Sleep(DRIVER_POLL_MS);
    }
    if (viewerBox) {
        char text[1024];
        TextOf(GetDlgItem(viewerBox, MESSAGE_TEXT_ID), text, sizeof text);
        printf("the help viewer reports: \"%s\"\n", Visible(text));
        ok(withFile, "with no help file a help viewer was started: \"%s\"", Visible(text));
        ok(strstr(text, helpPath) != NULL, "the help viewer was not given %s: \"%s\"", helpPath, Visible(text));
        AnswerViewerBox(viewerBox);
        // The viewer may go on with a box of its own, and WinHelp may report failure.
        for (int more = 0; more < 3 && (viewerBox = FindForeignBox("Korvane.hlp")) != NULL; more++)
            AnswerViewerBox(viewerBox);
        if (WaitVisibleDialog(2000, NULL)) ExpectBox("Error", "Could not open the Korvane help file", false);
    } else {
        ok(!withFile, "with a help file beside it, the panel did not hand it to WinHelp");
        if (!withFile) ExpectBox("Error", "Could not open the Korvane help file", false);
    }
    ok(IsWindowVisible(mainWindow) && !PanelExited(), "the panel went away after asking for help");
    EndPanel(EXIT_CLOSE);
}

static void RunHelpMissing() { RunHelp(false); }
static void RunHelpFile() { RunHelp(true); }

// Started minimised, the panel shows its window minimised.
static void RunMinimized()
{
    static char config[1024];
    const char *captions[50];
    GeneratedConfig(config, sizeof config, NULL, 1, captions);
    if (!StartPanel(config, true, SW_SHOWMINNOACTIVE) || !WaitMainShown()) return;
    ok(IsIconic(mainWindow) != FALSE, "started with SW_SHOWMINNOACTIVE, the window is not minimised");
    // Restored, it is the panel of one entry.
    PostMessageA(mainWindow, WM_SYSCOMMAND, SC_RESTORE, 0);
    DWORD start = GetTickCount();
    while (IsIconic(mainWindow) && GetTickCount() - start < DRIVER_WAIT_MS) Sleep(DRIVER_POLL_MS);
    ok(!IsIconic(mainWindow), "the window did not restore");
    CheckPanel(1, captions);
    EndPanel(EXIT_CLOSE);
}

// ---------------------------------------------------------------------------

static bool RunScenario(const char *name)
{
    for (const LayoutCase &test : LAYOUT_CASES)
        if (strcmp(name, test.scenario) == 0) {
            if (PrepareRunFolder(name)) RunLayout(&test);
            return true;
        }
    for (const ConfigErrorCase &test : CONFIG_ERROR_CASES)
        if (strcmp(name, test.scenario) == 0) {
            if (PrepareRunFolder(name)) RunConfigError(&test);
            return true;
        }
    struct Named {
        const char *name;
        void (*run)();
    };
    static const Named SCENARIOS[] = {
        { "layout_7", RunLayout7 }, { "no_config", RunNoConfig }, { "icons", RunIcons },
        { "launch", RunLaunch },    { "about", RunAbout },        { "help", RunHelpMissing },
        { "help_file", RunHelpFile },
        { "minimized", RunMinimized },
    };
    for (const Named &scenario : SCENARIOS)
        if (strcmp(name, scenario.name) == 0) {
            if (PrepareRunFolder(name)) scenario.run();
            return true;
        }
    return false;
}

// One Wine session for all scenarios: the holder keeps the Wine server, the
// desktop and the services running between them (started detached from the
// test runner by hold.sh), until released or for 15 minutes at most.
static const char HOLDER_EVENT[] = "lanterra_wine_tests_release";

static int Hold(const char *runsDir)
{
    HANDLE release = CreateEventA(NULL, TRUE, FALSE, HOLDER_EVENT);
    bool another = GetLastError() == ERROR_ALREADY_EXISTS;
    GetDesktopWindow();     // brings up the desktop before the first scenario
    char root[MAX_PATH], ready[MAX_PATH + 16];
    ToWindowsPath(root, sizeof root, runsDir);
    CreateDirectoryA(root, NULL);
    snprintf(ready, sizeof ready, "%s\\holder.ready", root);
    WriteFileText(ready, "ready\n", 6);
    if (release && !another) WaitForSingleObject(release, 15 * 60 * 1000);
    if (release) CloseHandle(release);
    return 0;
}

static int Release()
{
    HANDLE release = OpenEventA(EVENT_MODIFY_STATE, FALSE, HOLDER_EVENT);
    if (release) {
        SetEvent(release);
        CloseHandle(release);
    }
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 3 && strcmp(argv[1], "hold") == 0) return Hold(argv[2]);
    if (argc == 2 && strcmp(argv[1], "release") == 0) return Release();
    if (argc != 6) {
        printf("usage: korvane_driver SCENARIO KORVANE.EXE RECORDER.EXE RUNS_DIR FIXTURES_DIR\n");
        return 2;
    }
    ToWindowsPath(korvaneSource, sizeof korvaneSource, argv[2]);
    ToWindowsPath(recorderSource, sizeof recorderSource, argv[3]);
    ToWindowsPath(runsRoot, sizeof runsRoot, argv[4]);
    ToWindowsPath(fixturesDir, sizeof fixturesDir, argv[5]);
    DWORD start = GetTickCount();
    if (!RunScenario(argv[1])) {
        printf("unknown scenario %s\n", argv[1]);
        return 2;
    }
    StopPanel();
    if (korvaneResources) FreeLibrary(korvaneResources);
    printf("%s: %d failed, %lu ms\n", argv[1], failureCount,
           (unsigned long)(GetTickCount() - start));
    return failureCount > 255 ? 255 : failureCount;
}
