// lanterra-check: runs the panel's own configuration reader on DIR\lanterra.cfg
// and reports what the panel would be given.
//   lanterra-check [--json] [--wow64 | --no-wow64] [--cysize N] DIR
// After what the reader gave come the warnings (warnings.h) and the layout,
// whose window height takes N as the caption button height (default 18).
// Exit status: the reader's result (0 read normally, 1 an error was reported),
// 2 for a usage error; warnings never change it.
#include <stdio.h>
#include <string.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "launcher_table.h"
#include "platform.h"
#include "reader.h"
#include "text.h"
#include "warnings.h"

enum { WOW64_ASK = -1, CHECK_USAGE_ERROR = 2, CAPTION_SIZE = 300 };

static const char USAGE[] = "usage: lanterra-check [--json] [--wow64 | --no-wow64] DIR\n"
                            "       --cysize N  caption button height for the window size, 1 to 1000 (default 18)\n";

// What the panel's message box would show.
static bool messageShown;
static char shownCaption[CAPTION_SIZE];
static char shownText[MESSAGE_BUFFER_SIZE];
static int wow64Choice = WOW64_ASK;
static int cySize = -1;

void ShowConfigMessage(void *, const char *text, const char *caption)
{
    messageShown = true;
    CopyText(shownCaption, caption);
    CopyText(shownText, text);
}

bool IsWow64()
{
    if (wow64Choice != WOW64_ASK)
        return wow64Choice != 0;
#ifdef _WIN32
    return QueryWow64();
#else
    return false;
#endif
}

// Writes text as a JSON string: quote and backslash escaped, every byte
// outside 0x20 to 0x7E as \u00XX.
void PrintJsonString(const char *text)
{
    putchar('"');
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; p++) {
        if (*p == '"' || *p == '\\')
            printf("\\%c", *p);
        else if (*p < 0x20 || *p > 0x7E)
            printf("\\u%04x", *p);
        else
            putchar(*p);
    }
    putchar('"');
}

static void PrintJson(int result)
{
    printf("{\"windowTitle\": ");
    PrintJsonString(windowTitle);
    printf(", \"entryCount\": %d, \"entries\": [", launcherTable.entryCount);
    for (int i = 0; i < launcherTable.entryCount; i++) {
        const LauncherEntry &entry = launcherTable.entries[i];
        printf(i ? ", {\"iconName\": " : "{\"iconName\": ");
        PrintJsonString(entry.iconName);
        printf(", \"iconFile\": ");
        PrintJsonString(entry.iconFile);
        printf(", \"appPath\": ");
        PrintJsonString(entry.appPath);
        printf(", \"parameters\": ");
        PrintJsonString(entry.parameters);
        printf(", \"buttonLabel\": ");
        PrintJsonString(entry.buttonLabel);
        printf(", \"appType\": %d}", static_cast<int>(entry.appType));
    }
    printf("], \"result\": %d, \"message\": ", result);
    if (messageShown) {
        printf("{\"caption\": ");
        PrintJsonString(shownCaption);
        printf(", \"text\": ");
        PrintJsonString(shownText);
        printf("}");
    } else {
        printf("null");
    }
    PrintWarningsJson(cySize);
    printf("}\n");
}

// Readable text: printable ASCII as it is, every other byte as \xHH, so
// that no configuration can drive the terminal.
void PrintText(const char *text)
{
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; p++) {
        if (*p < 0x20 || *p > 0x7E)
            printf("\\x%02x", *p);
        else
            putchar(*p);
    }
}

static void PrintField(const char *name, const char *text)
{
    printf("  %-12s ", name);
    PrintText(text);
    putchar('\n');
}

static void PrintReport(int result)
{
    static const char *const APP_TYPE_NAMES[] = {"APP_ANY", "APP_32BIT", "APP_64BIT"};
    printf("Configuration file: ");
    PrintText(configPath);
    printf("\nWindow title: ");
    PrintText(windowTitle);
    printf("\nEntries: %d\n", launcherTable.entryCount);
    for (int i = 0; i < launcherTable.entryCount; i++) {
        const LauncherEntry &entry = launcherTable.entries[i];
        printf("Entry %d\n", i);
        PrintField("iconName", entry.iconName);
        PrintField("iconFile", entry.iconFile);
        PrintField("appPath", entry.appPath);
        PrintField("parameters", entry.parameters);
        PrintField("buttonLabel", entry.buttonLabel);
        int appType = entry.appType;
        printf("  %-12s %d (%s)\n", "appType", appType,
               appType >= APP_ANY && appType <= APP_64BIT ? APP_TYPE_NAMES[appType] : "?");
    }
    if (messageShown) {
        printf("Message caption: ");
        PrintText(shownCaption);
        printf("\nMessage text:\n  ");
        // The box shows the text's line feeds as line breaks.
        for (const char *p = shownText; *p; p++) {
            char one[2] = {*p, '\0'};
            if (*p == '\n')
                printf(p[1] ? "\n  " : "\n");
            else
                PrintText(one);
        }
    } else {
        printf("Message: none\n");
    }
    printf("Result: %d\n", result);
    PrintWarningsReport(cySize);
}

// A --cysize value: 1 to MAX_CY_SIZE in decimal, else 0.
static int ParseCySize(const char *text)
{
    int value = 0;
    for (; *text >= '0' && *text <= '9' && value <= MAX_CY_SIZE; text++)
        value = value * 10 + (*text - '0');
    return *text || value > MAX_CY_SIZE ? 0 : value;
}

static int UsageError()
{
    fputs(USAGE, stderr);
    return CHECK_USAGE_ERROR;
}

int main(int argc, char **argv)
{
#ifdef _WIN32
    // The same bytes on every platform: no CR added before LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    bool json = false;
    char *dir = nullptr;
    bool optionsEnded = false;
    for (int i = 1; i < argc; i++) {
        char *arg = argv[i];
        if (!optionsEnded && arg[0] == '-') {
            if (strcmp(arg, "--json") == 0 && !json)
                json = true;
            else if (strcmp(arg, "--wow64") == 0 && wow64Choice == WOW64_ASK)
                wow64Choice = 1;
            else if (strcmp(arg, "--no-wow64") == 0 && wow64Choice == WOW64_ASK)
                wow64Choice = 0;
            else if (strcmp(arg, "--cysize") == 0 && cySize < 0 && i + 1 < argc)
                cySize = ParseCySize(argv[++i]);
            else if (strcmp(arg, "--") == 0)
                optionsEnded = true;
            else
                return UsageError();
        } else if (!dir) {
            dir = arg;
        } else {
            return UsageError();
        }
    }
    if (!dir || !dir[0] || cySize == 0)
        return UsageError();
    if (cySize < 0)
        cySize = DEFAULT_CY_SIZE;

    // moduleDir is DIR without trailing separators. A DIR too long for it is
    // cut to 399 bytes, which leaves no room for the file name, so the reader
    // reports it without opening anything.
    size_t length = strlen(dir);
    while (length > 1 && (dir[length - 1] == '/' || dir[length - 1] == '\\'))
        length--;
    if (length == 1 && (dir[0] == '/' || dir[0] == '\\'))
        length = 0;
    dir[length] = '\0';
    CopyText(moduleDir, dir);

    memset(&launcherTable, 0, sizeof launcherTable);
    int result = LoadConfiguration(nullptr);
    CollectWarnings(IsWow64());
    if (json)
        PrintJson(result);
    else
        PrintReport(result);
    fflush(stdout);
    return result;
}
