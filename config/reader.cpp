// lanterra.cfg: top-level lines (empty lines, title lines, entry headers),
// each entry header followed by its four field lines.
#include "reader.h"

#include <limits.h>
#include <stdio.h>
#include <string.h>

#include "config_input.h"
#include "launcher_table.h"
#include "platform.h"
#include "text.h"

enum { LINE_BUFFER_SIZE = 300, CAPTION_SIZE = 300, TITLE_LABEL_LIMIT = 30 };

static const char CONFIG_FILE_NAME[] = "lanterra.cfg";
static const char TITLE_SUFFIX[] = " - Quillarn (TM) Lanterra";

// Raised at the first error, after the detailed text went into messageBuffer;
// caught only by the handler in LoadConfiguration.
struct ConfigError {
    const char *reason;
};

struct ReadState {
    ConfigInput input;
    int lineNumber;                 // reads made since the file was opened
    char lineBuffer[LINE_BUFFER_SIZE];
};

static ReadState readState;

void TrimAtControl(char *text)
{
    size_t length = strlen(text);
    for (size_t i = 0; i < length; i++) {
        if (static_cast<signed char>(text[i]) < 32)
            text[i] = '\0';
    }
}

// Turns a to z into A to Z and leaves every other byte as it is.
void UpperCase(char *text)
{
    for (; *text; text++) {
        if (*text >= 'a' && *text <= 'z')
            *text = static_cast<char>(*text - 'a' + 'A');
    }
}

[[noreturn]] static void RaiseLineError(const ReadState *state, const char *detail, const char *reason)
{
    snprintf(messageBuffer, sizeof messageBuffer, "Config file: %s\nLine %d\n%s\n",
             configPath, state->lineNumber, detail);
    throw ConfigError{reason};
}

// One read of a field or top-level line; counts it whatever it delivers.
// (The count stops at INT_MAX: some two thousand million empty lines.)
static bool ReadLine(ReadState *state, char *dest, int size)
{
    if (state->lineNumber < INT_MAX)
        state->lineNumber++;
    return ReadConfigLine(dest, size, &state->input) != nullptr;
}

static void ReadTitleLine(ReadState *state)
{
    char *text = state->lineBuffer;
    *strrchr(text, '"') = '\0';
    char *firstQuote = strchr(text, '"');
    if (!firstQuote || firstQuote[1] == '\0')
        RaiseLineError(state, "WINLABEL format incorrect", "WINLABEL format incorrect");
    const char *label = firstQuote + 1;
    if (strlen(label) > TITLE_LABEL_LIMIT)
        RaiseLineError(state, "WINLABEL too long", "WINLABEL too long");
    CopyText(windowTitle, label);
    if (!strstr(label, "Quillarn"))
        AppendText(windowTitle, TITLE_SUFFIX);
}

// The icon line: a resource name, the keyword alone, or the keyword, one
// blank and a file to take the icon from.
void SplitIconLine(LauncherEntry *entry)
{
    char *keyword = strstr(entry->iconName, "EXTRACT");
    bool namesFile = strstr(entry->iconName, ".ICO") || strstr(entry->iconName, ".EXE") ||
                     strstr(entry->iconName, ".DLL");
    const char *keywordBlank = strstr(entry->iconName, "EXTRACT ");
    // Without "EXTRACT " there is no file to name: the whole line stays the name.
    if (keyword && namesFile && keywordBlank) {
        CopyText(entry->iconFile, keywordBlank + 8);
        TrimAtControl(entry->iconFile);
        keyword[7] = '\0';
    }
    TrimAtControl(entry->iconName);
}

// The application line: the path, optionally followed after ".EXE " by the
// width word 32BIT or 64BIT. With a width word anywhere, the path ends right
// after its first ".EXE", even where that one stands in a folder name.
void SplitApplicationLine(LauncherEntry *entry)
{
    entry->appType = APP_ANY;
    const char *exeBlank = strstr(entry->appPath, ".EXE ");
    if (exeBlank && (strstr(entry->appPath, "32BIT") || strstr(entry->appPath, "64BIT"))) {
        if (strstr(exeBlank, "32BIT"))
            entry->appType = APP_32BIT;
        else if (strstr(exeBlank, "64BIT"))
            entry->appType = APP_64BIT;
        strstr(entry->appPath, ".EXE")[4] = '\0';
    }
    TrimAtControl(entry->appPath);
}

static void ReadEntryBlock(ReadState *state)
{
    LauncherEntry *entry = &launcherTable.entries[launcherTable.entryCount];

    bool delivered = ReadLine(state, entry->iconName, sizeof entry->iconName);
    entry->iconFile[0] = '\0';
    if (!delivered)
        RaiseLineError(state, "Icon name not found", "No Icon name");
    UpperCase(entry->iconName);
    SplitIconLine(entry);

    if (!ReadLine(state, entry->appPath, sizeof entry->appPath))
        RaiseLineError(state, "Application path not found", "No application");
    UpperCase(entry->appPath);
    SplitApplicationLine(entry);

    if (!ReadLine(state, entry->parameters, sizeof entry->parameters))
        RaiseLineError(state, "Paramters not found", "No parameter line");
    TrimAtControl(entry->parameters);
    if (FindTextNoCase(entry->parameters, "NO PARAMETERS"))
        entry->parameters[0] = '\0';

    if (!ReadLine(state, entry->buttonLabel, sizeof entry->buttonLabel))
        RaiseLineError(state, "Button label not found", "No Button label");
    TrimAtControl(entry->buttonLabel);

    // A 64-bit application is offered only on 64-bit Windows; the next block
    // is then read into the same record.
    if (entry->appType == APP_64BIT && !IsWow64()) {
        entry->iconName[0] = '\0';
        entry->iconFile[0] = '\0';
        entry->parameters[0] = '\0';
        entry->appPath[0] = '\0';
        entry->appType = APP_ANY;
        return;
    }
    launcherTable.entryCount++;
}

// Builds configPath; false when moduleDir, a backslash and the file name do
// not fit, in which case configPath holds as much of that path as fits.
static bool BuildConfigPath()
{
    configPath[0] = '\0';
    if (!memchr(moduleDir, '\0', sizeof moduleDir))
        return false;
    bool fits = CopyText(configPath, moduleDir);
    fits = AppendText(configPath, "\\") && fits;
    fits = AppendText(configPath, CONFIG_FILE_NAME) && fits;
    return fits;
}

static void ReadTopLevel(ReadState *state)
{
    launcherTable.entryCount = 0;
    state->lineNumber = 0;
    for (;;) {
        if (state->input.endOfData || launcherTable.entryCount >= MAX_ENTRIES)
            return;
        bool delivered = ReadLine(state, state->lineBuffer, sizeof state->lineBuffer);
        if (state->input.endOfData)
            return;
        if (!delivered)
            RaiseLineError(state, "Comment line expected", "No comment line");
        const char *text = state->lineBuffer;
        if (strlen(text) <= 1)
            continue;
        if (strstr(text, "WINLABEL ") && strchr(text, '"')) {
            ReadTitleLine(state);
            continue;
        }
        if (text[0] != ';')
            RaiseLineError(state, "Comment line expected", "No comment line");
        ReadEntryBlock(state);
    }
}

int LoadConfiguration(void *owner)
{
    FILE *file = nullptr;
    try {
        // A path that does not fit is never opened cut short: it is reported
        // like a file that cannot be opened.
        if (BuildConfigPath())
            file = OpenConfigFile(configPath);
        if (!file) {
            snprintf(messageBuffer, sizeof messageBuffer,
                     "Could not find the Lanterra configuration file\n%s\n", configPath);
            throw ConfigError{"No config file"};
        }
        StartConfigInput(&readState.input, file, nullptr, 0);
        ReadTopLevel(&readState);
    } catch (const ConfigError &error) {
        char caption[CAPTION_SIZE];
        snprintf(caption, sizeof caption, "Lanterra Error: %s", error.reason);
        ShowConfigMessage(owner, messageBuffer, caption);
        if (file)
            fclose(file);
        return 1;
    }
    fclose(file);
    return 0;
}
