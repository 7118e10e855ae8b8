// The shell and the icon choice in-process, under Wine: real windows, real
// icons from the linked resources, real message boxes read and answered.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "launcher_table.h"
#include "panel.h"
#include "shell.h"
#include "text.h"
#include "resource.h"

HINSTANCE appInstance;
HWND mainWindow;

namespace {

// ---- message boxes, read and answered from a second thread ----------------

struct SeenBox { std::string caption, text; };

struct BoxWatcher {
    std::mutex lock;
    std::vector<SeenBox> seen;
    std::vector<HWND> answered;
    std::atomic<bool> running{ true };
    std::thread thread;

    BoxWatcher() : thread([this] { Run(); }) {}
    ~BoxWatcher()
    {
        running = false;
        thread.join();
    }
    std::vector<SeenBox> Seen()
    {
        std::lock_guard<std::mutex> guard(lock);
        return seen;
    }

    static BOOL CALLBACK LongestStatic(HWND child, LPARAM result)
    {
        char className[16], text[1024];
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0) {
            std::string *best = (std::string *)result;
            if (strlen(text) > best->size())
                *best = text;
        }
        return TRUE;
    }

    static BOOL CALLBACK Visit(HWND window, LPARAM self)
    {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        char className[16];
        GetClassNameA(window, className, sizeof className);
        if (process != GetCurrentProcessId() || strcmp(className, "#32770") != 0 || !IsWindowVisible(window))
            return TRUE;
        BoxWatcher *watcher = (BoxWatcher *)self;
        std::lock_guard<std::mutex> guard(watcher->lock);
        for (HWND done : watcher->answered)
            if (done == window)
                return TRUE;
        char caption[256] = "";
        GetWindowTextA(window, caption, sizeof caption);
        std::string text;
        EnumChildWindows(window, LongestStatic, (LPARAM)&text);
        watcher->seen.push_back({ caption, text });
        watcher->answered.push_back(window);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        return TRUE;
    }

    void Run()
    {
        while (running) {
            EnumWindows(Visit, (LPARAM)this);
            Sleep(30);
        }
    }
};

// ---- icons ---------------------------------------------------------------

struct IconPicture { int width = 0, height = 0; std::string bits; };

IconPicture Picture(HICON icon)
{
    IconPicture picture;
    ICONINFO info;
    if (icon == NULL || !GetIconInfo(icon, &info))
        return picture;
    HBITMAP source = info.hbmColor ? info.hbmColor : info.hbmMask;
    BITMAP bitmap;
    GetObjectA(source, sizeof bitmap, &bitmap);
    picture.width = bitmap.bmWidth;
    picture.height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = bitmap.bmWidth;
    format.bmiHeader.biHeight = bitmap.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    picture.bits.resize((size_t)bitmap.bmWidth * bitmap.bmHeight * 4);
    HDC screen = GetDC(NULL);
    GetDIBits(screen, source, 0, bitmap.bmHeight, &picture.bits[0], &format, DIB_RGB_COLORS);
    ReleaseDC(NULL, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return picture;
}

IconPicture ResourcePicture(const char *name)
{
    HICON icon = (HICON)LoadImageA(appInstance, name, IMAGE_ICON, 48, 48, LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT);
    IconPicture picture = Picture(icon);
    DestroyIcon(icon);
    return picture;
}

IconPicture FilePicture(const char *file)
{
    HICON icon = NULL;
    ExtractIconExA(file, 0, &icon, NULL, 1);
    IconPicture picture = Picture(icon);
    if (icon)
        DestroyIcon(icon);
    return picture;
}

LauncherEntry Entry(const char *iconName, const char *iconFile, const char *appPath)
{
    LauncherEntry entry = {};
    CopyText(entry.iconName, iconName);
    CopyText(entry.iconFile, iconFile);
    CopyText(entry.appPath, appPath);
    return entry;
}

std::string SystemFile(const char *name)
{
    char path[MAX_PATH];
    GetSystemDirectoryA(path, sizeof path);
    return std::string(path) + "\\" + name;
}

std::string WindowsFile(const char *name)
{
    char path[MAX_PATH];
    GetWindowsDirectoryA(path, sizeof path);
    return std::string(path) + "\\" + name;
}

const char ICON_WARNING_TEXT[] =
    "Failed to extract an icon for button %d from the following file\n%s\n\n"
    "Check that the file is a executable file, DLL file, or icon file\n"
    "Also check that the file path and file name are correct.";

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { appInstance = GetModuleHandleA(NULL); }
};

// Which icon each kind of entry gets, and that only an application without
// an icon is reported, naming its 1-based button number and its path.
TEST_F(ShellTest, ResolveButtonIconTakesEachSourceAndFallsBackToDefault)
{
    const std::string shell32 = SystemFile("SHELL32.DLL");
    const std::string regedit = WindowsFile("REGEDIT.EXE");
    const std::string document = WindowsFile("WIN.INI");
    const IconPicture fallback = ResourcePicture("Default");
    const IconPicture command = ResourcePicture("COMMAND");
    ASSERT_EQ(fallback.width, 48);
    ASSERT_NE(fallback.bits, command.bits);
    const int largeSize = GetSystemMetrics(SM_CXICON);

    struct Case {
        const char *what;
        LauncherEntry entry;
        IconPicture expected;
        int size;
    };
    const Case cases[] = {
        { "resource by name", Entry("COMMAND", "", "C:\\NONE.EXE"), command, 48 },
        { "resource in another case", Entry("command", "", ""), command, 48 },
        { "unknown resource", Entry("NOSUCHICON", "", regedit.c_str()), fallback, 48 },
        { "keyword with text after it", Entry("EXTRACT C:\\TOOLS\\VIEW", "", regedit.c_str()), fallback, 48 },
        { "longer word", Entry("EXTRACTS", "", regedit.c_str()), fallback, 48 },
        { "first icon of a DLL", Entry("extract", shell32.c_str(), document.c_str()),
          FilePicture(shell32.c_str()), largeSize },
        { "missing icon file, silently", Entry("EXTRACT", "C:\\NO\\SUCH\\FILE.ICO", document.c_str()), fallback, 48 },
        { "application's own icon", Entry("EXTRACT", "", regedit.c_str()), FilePicture(regedit.c_str()), largeSize },
    };
    BoxWatcher boxes;
    for (const Case &c : cases) {
        HICON icon = ResolveButtonIcon(&c.entry, 0, NULL, appInstance);
        IconPicture picture = Picture(icon);
        EXPECT_EQ(picture.width, c.size) << c.what;
        EXPECT_EQ(picture.height, c.size) << c.what;
        EXPECT_TRUE(picture.bits == c.expected.bits) << c.what;
        DestroyIcon(icon);
    }
    EXPECT_EQ(boxes.Seen().size(), 0u) << "a box for a silent case";

    for (const char *path : { document.c_str(), "C:\\NO\\SUCH\\PROGRAM.EXE" }) {
        LauncherEntry entry = Entry("EXTRACT", "", path);
        size_t before = boxes.Seen().size();
        HICON icon = ResolveButtonIcon(&entry, 2, NULL, appInstance);
        EXPECT_TRUE(Picture(icon).bits == fallback.bits) << path;
        DestroyIcon(icon);
        std::vector<SeenBox> seen = boxes.Seen();
        ASSERT_EQ(seen.size(), before + 1) << path;
        char expected[700];
        snprintf(expected, sizeof expected, ICON_WARNING_TEXT, 3, path);
        EXPECT_EQ(seen.back().caption, "Lanterra config file error");
        EXPECT_EQ(seen.back().text, expected);
    }
}

// Launcher ids outside 200..249 start nothing and say nothing; a start that
// fails names the stored path in the box and leaves the text in messageBuffer.
TEST_F(ShellTest, LaunchEntryIgnoresForeignIdsAndReportsAFailedStart)
{
    memset(&launcherTable, 0, sizeof launcherTable);
    for (int n = 0; n < MAX_ENTRIES; ++n)
        CopyText(launcherTable.entries[n].appPath, "C:\\NO\\SUCH\\PROGRAM.EXE");
    CopyText(messageBuffer, "untouched");
    BoxWatcher boxes;
    for (UINT id : { 0u, 199u, 250u, 300u, 1000u, 65535u, 0xFFFFFFFFu })
        LaunchEntry(NULL, id);
    Sleep(200);
    EXPECT_EQ(boxes.Seen().size(), 0u);
    EXPECT_STREQ(messageBuffer, "untouched");

    CopyText(launcherTable.entries[49].appPath, "C:\\NO\\SUCH\\LAST ONE.EXE");
    CopyText(launcherTable.entries[49].parameters, "-x");
    LaunchEntry(NULL, 249);
    std::vector<SeenBox> seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    const char *expected = "The application could not be launched.\nPath: C:\\NO\\SUCH\\LAST ONE.EXE\n"
                           "Check that the file exists in this location and\n"
                           "that the Lanterra configuration file is correct";
    EXPECT_EQ(seen[0].caption, "Error starting application");
    EXPECT_EQ(seen[0].text, expected);
    EXPECT_STREQ(messageBuffer, expected);
}

// No Korvane.hlp beside the program: the error box, and no help viewer.
TEST_F(ShellTest, OpenHelpWithoutTheHelpFileShowsTheErrorBox)
{
    BoxWatcher boxes;
    OpenHelp(HELP_CONTEXT, HELP_CONTEXT_MAIN, NULL);
    std::vector<SeenBox> seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Error");
    EXPECT_EQ(seen[0].text, "Could not open the Korvane help file");
}

// The directory comes back only when the whole path fitted: a path cut by
// the buffer (possibly without a terminator) is no path at all, and stays
// cut to the buffer's last byte so that no file name fits after it.
TEST_F(ShellTest, ReadModuleDirectoryNeedsTheWholePath)
{
    char full[4096];
    DWORD length = GetModuleFileNameA(NULL, full, sizeof full);
    ASSERT_GT(length, 0u);
    ASSERT_LT(length, sizeof full);
    std::string directory(full, strrchr(full, '\\') - full);

    char buffer[4096];
    struct Case { size_t size; bool ok; };
    for (Case c : { Case{ length + 1, true }, Case{ length + 2, true }, Case{ length, false },
                    Case{ length - 1, false }, Case{ 1, false } }) {
        memset(buffer, 'x', sizeof buffer);
        bool ok = ReadModuleDirectory(buffer, c.size);
        EXPECT_EQ(ok, c.ok) << "size " << c.size;
        std::string cut(full, c.size - 1);
        EXPECT_STREQ(buffer, c.ok ? directory.c_str() : cut.c_str()) << "size " << c.size;
        EXPECT_EQ(buffer[c.size], 'x') << "wrote past the buffer, size " << c.size;
    }
}

// ---- CenterWindowOver on real windows --------------------------------------

HWND Popup(int x, int y, int width, int height)
{
    return CreateWindowExA(0, "STATIC", "", WS_POPUP, x, y, width, height, NULL, NULL, appInstance, NULL);
}

RECT Where(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

TEST_F(ShellTest, CenterWindowOverHalvesTowardZeroAndClampsOneSideAtATime)
{
    HDC screen = GetDC(NULL);
    const int sw = GetDeviceCaps(screen, HORZRES), sh = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(NULL, screen);

    struct Case {
        const char *what;
        RECT reference;       // x, y, width, height
        SIZE size;
        POINT expected;
    };
    const Case cases[] = {
        { "odd difference: extra pixel on the right", { 100, 100, 301, 200 }, { 100, 50 }, { 200, 175 } },
        { "negative odd difference truncates toward zero", { 500, 300, 100, 100 }, { 107, 107 }, { 497, 297 } },
        { "off the left edge: placed at 0", { 0, 10, 100, 100 }, { 300, 50 }, { 0, 35 } },
        { "off the top edge: placed at 0", { 10, -300, 100, 100 }, { 50, 50 }, { 35, 0 } },
        { "past the right edge", { sw - 50, 10, 100, 100 }, { 200, 50 }, { sw - 200, 35 } },
        { "past the bottom edge", { 100, sh - 50, 200, 40 }, { 100, 100 }, { 150, sh - 100 } },
        { "wider than the screen stays negative", { 0, 0, sw + 400, 100 }, { sw + 100, 50 }, { -100, 25 } },
    };
    for (const Case &c : cases) {
        HWND reference = Popup(c.reference.left, c.reference.top, c.reference.right, c.reference.bottom);
        HWND window = Popup(3, 4, c.size.cx, c.size.cy);
        RECT placed = Where(reference);
        ASSERT_EQ(placed.right - placed.left, c.reference.right) << c.what;
        ASSERT_EQ(Where(window).right - Where(window).left, c.size.cx) << c.what;

        CenterWindowOver(window, reference);
        RECT moved = Where(window);
        EXPECT_EQ(moved.left, c.expected.x) << c.what;
        EXPECT_EQ(moved.top, c.expected.y) << c.what;
        EXPECT_EQ(moved.right - moved.left, c.size.cx) << c.what;
        EXPECT_EQ(moved.bottom - moved.top, c.size.cy) << c.what;
        DestroyWindow(window);
        DestroyWindow(reference);
    }
}

} // namespace
