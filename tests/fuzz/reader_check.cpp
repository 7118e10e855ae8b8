#include "reader_check.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "config_input.h"
#include "launcher_table.h"
#include "platform.h"
#include "reader.h"

// The seam for this check: the file is the fuzzer's bytes, the WOW64 answer
// follows the input's size, and the message is recorded.
static const uint8_t *fileBytes;
static size_t fileSize;
static bool wow64Answer;
static int messagesShown;
static char shownCaption[400];

FILE *OpenConfigFile(const char *)
{
    if (fileSize == 0)
        return fopen("/dev/null", "rb");
    return fmemopen(const_cast<uint8_t *>(fileBytes), fileSize, "rb");
}

bool IsWow64()
{
    return wow64Answer;
}

void ShowConfigMessage(void *, const char *, const char *caption)
{
    messagesShown++;
    snprintf(shownCaption, sizeof shownCaption, "%s", caption);
}

[[noreturn]] static void Fail(const char *what, int detail)
{
    fprintf(stderr, "reader check failed: %s (%d)\n", what, detail);
    abort();
}

static void Require(bool holds, const char *what, int detail = 0)
{
    if (!holds)
        Fail(what, detail);
}

// The plain model of the input rules: the bytes before the first 0x1A, with
// every CR LF pair turned into its LF.
static size_t ModelBytes(const uint8_t *data, size_t size, uint8_t *model)
{
    size_t end = 0;
    while (end < size && data[end] != 0x1A)
        end++;
    size_t length = 0;
    for (size_t i = 0; i < end; i++) {
        if (data[i] == '\r' && i + 1 < end && data[i + 1] == '\n')
            continue;
        model[length++] = data[i];
    }
    return length;
}

static void CheckInputRules(const uint8_t *data, size_t size, const uint8_t *model, size_t modelLength, int readSize)
{
    static char dest[301];
    ConfigInput input;
    StartConfigInput(&input, nullptr, data, size);
    size_t position = 0;
    for (;;) {
        memset(dest, 0x55, sizeof dest);
        int count = ReadConfigBytes(dest, readSize, &input);
        if (count == 0) {
            Require(position == modelLength, "a read delivered nothing before the end", readSize);
            Require(input.endOfData, "end of data without the flag", readSize);
            for (size_t i = 0; i < sizeof dest; i++)
                Require(dest[i] == 0x55, "an empty read changed its destination", readSize);
            return;
        }
        Require(count <= readSize - 1, "a read delivered more than size - 1 bytes", readSize);
        Require(dest[count] == '\0', "a read left its text unterminated", readSize);
        Require(dest[readSize] == 0x55, "a read wrote past its size", readSize);
        Require(position + count <= modelLength, "a read delivered more bytes than the data holds", readSize);
        Require(memcmp(dest, model + position, count) == 0, "a read delivered other bytes than the model", readSize);
        Require(!memchr(dest, '\n', count - 1), "a read went past an LF", readSize);
        position += count;
        bool endsAtLf = dest[count - 1] == '\n';
        if (endsAtLf)
            Require(!input.endOfData, "a read that stopped at an LF raised the flag", readSize);
        else if (count < readSize - 1)
            Require(input.endOfData && position == modelLength, "a short read without LF before the end", readSize);
    }
}

static bool TerminatedInside(const char *field, size_t size)
{
    return memchr(field, '\0', size) != nullptr;
}

static bool OnlyPlainBytes(const char *text)
{
    for (; *text; text++) {
        unsigned char byte = static_cast<unsigned char>(*text);
        if (byte < 0x20 || byte >= 0x80)
            return false;
    }
    return true;
}

static bool NoSmallLetters(const char *text)
{
    for (; *text; text++) {
        if (*text >= 'a' && *text <= 'z')
            return false;
    }
    return true;
}

static bool AllZero(const void *bytes, size_t size)
{
    const unsigned char *p = static_cast<const unsigned char *>(bytes);
    for (size_t i = 0; i < size; i++) {
        if (p[i])
            return false;
    }
    return true;
}

static void CheckReader()
{
    memset(&launcherTable, 0, sizeof launcherTable);
    memset(windowTitle, 0, sizeof windowTitle);
    memset(messageBuffer, 0, sizeof messageBuffer);
    strcpy(moduleDir, "C:\\Fuzz");
    messagesShown = 0;
    int result = LoadConfiguration(nullptr);

    Require(result == 0 || result == 1, "result", result);
    Require((result == 1) == (messagesShown == 1), "a message exactly when the result is 1", messagesShown);
    if (result == 1)
        Require(strncmp(shownCaption, "Lanterra Error: ", 16) == 0, "caption");
    Require(strcmp(configPath, "C:\\Fuzz\\lanterra.cfg") == 0, "configPath");
    int count = launcherTable.entryCount;
    Require(count >= 0 && count <= MAX_ENTRIES, "entryCount", count);
    Require(TerminatedInside(windowTitle, sizeof windowTitle), "windowTitle unterminated");
    Require(TerminatedInside(messageBuffer, sizeof messageBuffer), "messageBuffer unterminated");
    if (windowTitle[0]) {
        size_t length = strlen(windowTitle);
        static const char suffix[] = " - Quillarn (TM) Lanterra";
        bool suffixed = length > sizeof suffix - 1 && strcmp(windowTitle + length - (sizeof suffix - 1), suffix) == 0;
        Require(suffixed || (strstr(windowTitle, "Quillarn") && length <= 30), "windowTitle shape");
    }
    for (int i = 0; i < MAX_ENTRIES; i++) {
        const LauncherEntry &entry = launcherTable.entries[i];
        Require(TerminatedInside(entry.iconName, sizeof entry.iconName), "iconName unterminated", i);
        Require(TerminatedInside(entry.iconFile, sizeof entry.iconFile), "iconFile unterminated", i);
        Require(TerminatedInside(entry.appPath, sizeof entry.appPath), "appPath unterminated", i);
        Require(TerminatedInside(entry.parameters, sizeof entry.parameters), "parameters unterminated", i);
        Require(TerminatedInside(entry.buttonLabel, sizeof entry.buttonLabel), "buttonLabel unterminated", i);
        if (i > count)
            Require(AllZero(&entry, sizeof entry), "a record past entryCount was touched", i);
        if (i >= count)
            continue;
        Require(OnlyPlainBytes(entry.iconName) && OnlyPlainBytes(entry.iconFile) && OnlyPlainBytes(entry.appPath) &&
                    OnlyPlainBytes(entry.parameters) && OnlyPlainBytes(entry.buttonLabel),
                "a control or high byte in an entry", i);
        Require(NoSmallLetters(entry.iconName) && NoSmallLetters(entry.iconFile) && NoSmallLetters(entry.appPath),
                "a small letter in an upper-cased field", i);
        Require(entry.appType >= APP_ANY && entry.appType <= APP_64BIT, "appType", i);
        Require(entry.appType != APP_64BIT || wow64Answer, "a 64-bit entry without WOW64", i);
        Require(!entry.iconFile[0] || memmem(entry.iconName, sizeof entry.iconName, "EXTRACT", 8),
                "iconFile without a name cut after EXTRACT", i);
        Require(!FindTextNoCase(entry.parameters, "NO PARAMETERS"), "NO PARAMETERS kept", i);
    }
}

void CheckReaderOnBytes(const uint8_t *data, size_t size)
{
    static uint8_t model[16 << 20];
    if (size > sizeof model)
        return;
    size_t modelLength = ModelBytes(data, size, model);
    static const int READ_SIZES[] = {2, 3, 50, 100, 300};
    for (int readSize : READ_SIZES)
        CheckInputRules(data, size, model, modelLength, readSize);

    fileBytes = data;
    fileSize = size;
    wow64Answer = size % 2 == 1;
    CheckReader();
}
