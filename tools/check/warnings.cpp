// The warnings of lanterra-check. The file is read a second time with the
// reader's own line input (config_input.h), following the reader's steps, so
// that every field is known with the physical line it came from; the table
// that LoadConfiguration filled is not touched.
#include "warnings.h"

#include <limits.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#else
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#endif

#include "config_input.h"
#include "grid_layout.h"
#include "launcher_table.h"
#include "platform.h"
#include "reader.h"
#include "text.h"

enum {
    WARN_MAX = 400,
    WARN_TEXT_SIZE = 480,
    WARN_LINE_SIZE = 300,
    WARN_PATH_SIZE = 800,
    WARN_TITLE_LIMIT = 30,
    CAPTION_WIDTH = 90,
    CAPTION_LINES = 2,
    ICON_SIZE_WANTED = 48
};

struct CheckWarning {
    int line;
    char text[WARN_TEXT_SIZE];
};

static CheckWarning warnings[WARN_MAX];
static int warningCount;
static int warningsLost;

// The icon groups of korvane.exe, taken from resources/lanterra.rc when the
// build is configured: {name, has a 48 x 48 image}.
struct IconGroup {
    const char *name;
    bool has48;
};

static const IconGroup ICON_GROUPS[] = {
#include "icon_groups.inc"
};

// Advance widths in pixels of the printable ASCII characters (0x20 to 0x7E)
// in Arial at a 14-pixel cell height (13 pixels per em): the font's advance
// widths in font units times 13 / 2048, rounded.
static const unsigned char ARIAL_14_ADVANCES[95] = {
    4, 4, 5, 7, 7, 12, 9, 2, 4, 4, 5, 8, 4, 4, 4, 4,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 4, 4, 8, 8, 8, 7,
    13, 9, 9, 9, 9, 9, 8, 10, 9, 4, 7, 9, 7, 11, 9, 10,
    9, 10, 9, 9, 8, 9, 9, 12, 9, 9, 8, 4, 4, 4, 6, 7,
    4, 7, 7, 7, 7, 7, 4, 7, 7, 3, 3, 7, 3, 11, 7, 7,
    7, 7, 4, 7, 4, 7, 7, 9, 7, 7, 7, 4, 3, 4, 8,
};

// One entry block as the reader sees it, with the file line of each field.
struct ScanEntry {
    LauncherEntry read;     // the fields as the reader makes them
    int headerLine;
    int fieldLines[4];
};

struct ScanState {
    ConfigInput input;
    int nextLine;           // file line on which the next read begins
    int pendingSplitLine;   // a read filled its buffer without the line end: its line
    int pendingSplitSize;   // and that buffer's size, until the next read tells more
    const char *pendingSplitWhat;
};

static ScanState scan;
static ScanEntry scanEntry;
static char scanLine[WARN_LINE_SIZE];

static void AddWarning(int line, const char *format, ...) __attribute__((format(printf, 2, 3)));

static void AddWarning(int line, const char *format, ...)
{
    if (warningCount >= WARN_MAX) {
        warningsLost++;
        return;
    }
    CheckWarning *warning = &warnings[warningCount++];
    warning->line = line;
    va_list args;
    va_start(args, format);
    vsnprintf(warning->text, sizeof warning->text, format, args);
    va_end(args);
}

// A text quoted for a warning: printable ASCII as it is, other bytes as \xHH.
static const char *Quoted(const char *text, char *out, size_t outSize)
{
    out[0] = '\0';
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; p++) {
        char one[5];
        if (*p < 0x20 || *p > 0x7E)
            snprintf(one, sizeof one, "\\x%02x", *p);
        else
            snprintf(one, sizeof one, "%c", *p);
        if (!AppendText(out, outSize, one))
            break;
    }
    return out;
}

// One read, as the reader makes it, keeping the file's own line count.
// Returns the number of bytes delivered.
static int ScanRead(char *dest, int size, const char *what)
{
    int line = scan.nextLine;
    int count = ReadConfigBytes(dest, size, &scan.input);
    if (count > 0 && scan.pendingSplitLine) {
        // The previous read stopped at its buffer's end, and this one takes the rest.
        if (count == 1 && dest[0] == '\n')
            AddWarning(scan.pendingSplitLine,
                       "%s is %d bytes, the most one read takes: its line end is read as a line of its own, "
                       "so from here on the panel's line numbers are one higher than the file's",
                       scan.pendingSplitWhat, scan.pendingSplitSize - 1);
        else
            AddWarning(scan.pendingSplitLine,
                       "%s is longer than %d bytes: the rest is read as the next line, which shifts every line "
                       "after it",
                       scan.pendingSplitWhat, scan.pendingSplitSize - 1);
    }
    scan.pendingSplitLine = 0;
    bool lineEnd = count > 0 && dest[count - 1] == '\n';
    if (count == size - 1 && !lineEnd) {
        scan.pendingSplitLine = line;
        scan.pendingSplitSize = size;
        scan.pendingSplitWhat = what;
    }
    if (lineEnd && scan.nextLine < INT_MAX)
        scan.nextLine++;
    return count;
}

// A field that TrimAtControl cut before its line end.
static void CheckCut(const char *raw, int count, int line, const char *what)
{
    for (int i = 0; i < count; i++) {
        unsigned char byte = static_cast<unsigned char>(raw[i]);
        if (byte == '\n' && i == count - 1)
            return;
        if (byte < 0x20 || byte >= 0x80) {
            char kept[WARN_LINE_SIZE];
            CopyText(kept, raw);
            kept[i] = '\0';
            char quoted[WARN_TEXT_SIZE / 2];
            AddWarning(line,
                       "%s is cut at byte 0x%02x (column %d; a tab, control byte or accented letter ends a field): "
                       "it keeps \"%s\"",
                       what, byte, i + 1, Quoted(kept, quoted, sizeof quoted));
            return;
        }
    }
}

// ---------------------------------------------------------------------------
// Icon sources

enum IconLook { ICONS_UNKNOWN, ICONS_MISSING, ICONS_NONE, ICONS_FOUND };

struct IconFacts {
    IconLook look;
    bool isIconFile;    // an .ico directory
    bool has48;         // the directory holds a 48 x 48 image
};

static unsigned ReadU16(const unsigned char *p) { return p[0] | (p[1] << 8); }
static unsigned long ReadU32(const unsigned char *p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<unsigned long>(p[3]) << 24);
}

static bool ReadAt(FILE *file, long offset, unsigned char *dest, size_t size)
{
    return fseek(file, offset, SEEK_SET) == 0 && fread(dest, 1, size, file) == size;
}

// Number of icon groups in a PE file's resources, or -1 when that cannot be told.
static int CountPeIconGroups(FILE *file)
{
    enum { RT_GROUP_ICON_ID = 14, RESOURCE_DIRECTORY = 2 };
    unsigned char head[64], pe[24], optional[240], section[40], directory[16], entry[8];
    if (!ReadAt(file, 0, head, sizeof head))
        return -1;
    long peOffset = static_cast<long>(ReadU32(head + 0x3C));
    if (!ReadAt(file, peOffset, pe, sizeof pe) || memcmp(pe, "PE\0\0", 4) != 0)
        return -1;
    unsigned sectionCount = ReadU16(pe + 6);
    unsigned optionalSize = ReadU16(pe + 20);
    size_t optionalRead = optionalSize < sizeof optional ? optionalSize : sizeof optional;
    if (!ReadAt(file, peOffset + 24, optional, optionalRead))
        return -1;
    unsigned magic = ReadU16(optional);
    size_t directories = magic == 0x20B ? 112 : magic == 0x10B ? 96 : 0;
    if (!directories || directories + 8 * (RESOURCE_DIRECTORY + 1) > optionalRead)
        return -1;
    unsigned long directoryCount = ReadU32(optional + directories - 4);
    unsigned long resourceRva = ReadU32(optional + directories + 8 * RESOURCE_DIRECTORY);
    if (directoryCount <= RESOURCE_DIRECTORY || resourceRva == 0)
        return 0;
    long resourceOffset = -1;
    for (unsigned i = 0; i < sectionCount && resourceOffset < 0; i++) {
        if (!ReadAt(file, peOffset + 24 + optionalSize + 40L * i, section, sizeof section))
            return -1;
        unsigned long size = ReadU32(section + 8), address = ReadU32(section + 12);
        if (size < ReadU32(section + 16))
            size = ReadU32(section + 16);
        if (resourceRva >= address && resourceRva < address + size)
            resourceOffset = static_cast<long>(resourceRva - address + ReadU32(section + 20));
    }
    if (resourceOffset < 0 || !ReadAt(file, resourceOffset, directory, sizeof directory))
        return -1;
    unsigned named = ReadU16(directory + 12), ids = ReadU16(directory + 14);
    for (unsigned i = named; i < named + ids; i++) {
        if (!ReadAt(file, resourceOffset + 16 + 8L * i, entry, sizeof entry))
            return -1;
        if (ReadU32(entry) != RT_GROUP_ICON_ID)
            continue;
        unsigned long target = ReadU32(entry + 4);
        if (!(target & 0x80000000UL) ||
            !ReadAt(file, resourceOffset + static_cast<long>(target & 0x7FFFFFFFUL), directory, sizeof directory))
            return -1;
        return static_cast<int>(ReadU16(directory + 12) + ReadU16(directory + 14));
    }
    return 0;
}

// What the bytes of a file say about its icons: an .ico directory, a PE file
// with icon groups, or neither (a document, a text, a picture of another kind).
static IconFacts InspectIconBytes(FILE *file)
{
    IconFacts facts = {ICONS_NONE, false, false};
    unsigned char head[6];
    if (!ReadAt(file, 0, head, sizeof head))
        return facts;
    if (ReadU16(head) == 0 && ReadU16(head + 2) == 1) {
        unsigned count = ReadU16(head + 4);
        facts.isIconFile = true;
        facts.look = count ? ICONS_FOUND : ICONS_NONE;
        for (unsigned i = 0; i < count; i++) {
            unsigned char entry[16];
            if (!ReadAt(file, 6 + 16L * i, entry, sizeof entry))
                break;
            if (entry[0] == ICON_SIZE_WANTED && entry[1] == ICON_SIZE_WANTED)
                facts.has48 = true;
        }
        return facts;
    }
    if (head[0] == 'M' && head[1] == 'Z') {
        int groups = CountPeIconGroups(file);
        facts.look = groups < 0 ? ICONS_UNKNOWN : groups ? ICONS_FOUND : ICONS_NONE;
    }
    return facts;
}

static bool IsAbsoluteWindowsPath(const char *path)
{
    bool drive = ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) && path[1] == ':';
    return drive || path[0] == '\\' || path[0] == '/';
}

static bool HasFolderPart(const char *path)
{
    return strchr(path, '\\') || strchr(path, '/');
}

#ifdef _WIN32

// On Windows the checker asks the shell itself, as the panel does. A relative
// path is taken from the configuration's folder, where the panel runs when it
// is started from its own folder.
static IconFacts InspectIconSource(const char *path)
{
    IconFacts facts = {ICONS_UNKNOWN, false, false};
    char full[WARN_PATH_SIZE];
    CopyText(full, path);
    if (!IsAbsoluteWindowsPath(path)) {
        char local[WARN_PATH_SIZE];
        snprintf(local, sizeof local, "%s\\%s", moduleDir, path);
        if (GetFileAttributesA(local) != INVALID_FILE_ATTRIBUTES || HasFolderPart(path))
            CopyText(full, local);
    }
    UINT count = ExtractIconExA(full, -1, nullptr, nullptr, 0);
    DWORD attributes = GetFileAttributesA(full);
    if (static_cast<int>(count) > 0)
        facts.look = ICONS_FOUND;
    else if (attributes != INVALID_FILE_ATTRIBUTES)
        facts.look = ICONS_NONE;
    else if (HasFolderPart(path))
        facts.look = ICONS_MISSING;
    else
        return facts;   // a bare name: the shell may find it on its search path
    FILE *file = attributes != INVALID_FILE_ATTRIBUTES ? fopen(full, "rb") : nullptr;
    if (file) {
        IconFacts bytes = InspectIconBytes(file);
        facts.isIconFile = bytes.isIconFile;
        facts.has48 = bytes.has48;
        fclose(file);
    }
    return facts;
}

#else

// Off Windows only a path relative to the configuration's folder can be
// reached. Its folders and file are matched without regard to case, since the
// reader upper-cases the path.
static bool ResolveNoCase(const char *relative, char *out, size_t outSize)
{
    CopyText(out, outSize, moduleDir[0] ? moduleDir : ".");
    const char *p = relative;
    while (*p) {
        char part[WARN_LINE_SIZE];
        size_t length = strcspn(p, "\\/");
        if (length >= sizeof part)
            return false;
        memcpy(part, p, length);
        part[length] = '\0';
        p += length;
        while (*p == '\\' || *p == '/')
            p++;
        if (length == 0)
            continue;
        DIR *folder = opendir(out);
        if (!folder)
            return false;
        bool found = false;
        while (struct dirent *item = readdir(folder)) {
            if (strcasecmp(item->d_name, part) == 0) {
                found = AppendText(out, outSize, "/") && AppendText(out, outSize, item->d_name);
                break;
            }
        }
        closedir(folder);
        if (!found)
            return false;
    }
    return true;
}

static IconFacts InspectIconSource(const char *path)
{
    IconFacts facts = {ICONS_UNKNOWN, false, false};
    if (!path[0] || IsAbsoluteWindowsPath(path))
        return facts;
    char full[WARN_PATH_SIZE];
    struct stat status;
    if (!ResolveNoCase(path, full, sizeof full) || stat(full, &status) != 0) {
        if (HasFolderPart(path))
            facts.look = ICONS_MISSING;
        return facts;
    }
    if (S_ISDIR(status.st_mode)) {
        facts.look = ICONS_NONE;
        return facts;
    }
    FILE *file = fopen(full, "rb");
    if (file) {
        facts = InspectIconBytes(file);
        fclose(file);
    }
    return facts;
}

#endif

static const IconGroup *FindIconGroup(const char *name)
{
    for (const IconGroup &group : ICON_GROUPS) {
        if (strcmp(group.name, name) == 0)
            return &group;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// Captions

int CaptionTextWidth(const char *text, int length)
{
    int width = 0;
    for (int i = 0; i < length; i++) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '&') {
            if (i + 1 >= length || text[i + 1] != '&')
                continue;
            i++;
        }
        if (c >= 0x20 && c <= 0x7E)
            width += ARIAL_14_ADVANCES[c - 0x20];
    }
    return width;
}

// The caption static centres its text and wraps it at blanks; two lines fit
// in its 27 pixels. A word wider than the caption is cut at its edge.
static void CheckCaption(const char *caption, int line)
{
    char quoted[WARN_TEXT_SIZE / 2];
    int length = static_cast<int>(strlen(caption));
    if (strchr(caption, '&')) {
        bool single = false;
        for (int i = 0; i < length; i++) {
            if (caption[i] == '&' && caption[i + 1] == '&')
                i++;
            else if (caption[i] == '&')
                single = true;
        }
        if (single)
            AddWarning(line, "caption \"%s\": a single '&' is not shown, it underlines the character after it "
                             "(write && for one &)", Quoted(caption, quoted, sizeof quoted));
    }
    int lines = 0, lineWidth = 0, space = ARIAL_14_ADVANCES[0];
    int widest = 0;
    const char *wideWord = nullptr;
    int wideLength = 0;
    for (int i = 0; i < length;) {
        while (i < length && caption[i] == ' ')
            i++;
        if (i >= length)
            break;
        int start = i;
        while (i < length && caption[i] != ' ')
            i++;
        int word = CaptionTextWidth(caption + start, i - start);
        if (word > CAPTION_WIDTH && word > widest) {
            widest = word;
            wideWord = caption + start;
            wideLength = i - start;
        }
        if (lines == 0 || lineWidth + space + word > CAPTION_WIDTH) {
            lines++;
            lineWidth = word;
        } else {
            lineWidth += space + word;
        }
    }
    int total = CaptionTextWidth(caption, length);
    Quoted(caption, quoted, sizeof quoted);
    if (wideWord) {
        char word[BUTTON_LABEL_SIZE];
        memcpy(word, wideWord, static_cast<size_t>(wideLength));
        word[wideLength] = '\0';
        char quotedWord[WARN_TEXT_SIZE / 4];
        AddWarning(line, "caption \"%s\": the word \"%s\" is about %d pixels wide, more than the %d-pixel "
                         "caption, and is cut at its edge",
                   quoted, Quoted(word, quotedWord, sizeof quotedWord), widest, CAPTION_WIDTH);
    } else if (lines > CAPTION_LINES) {
        AddWarning(line, "caption \"%s\" is about %d pixels wide and needs %d lines of the %d-pixel caption; "
                         "only %d fit under the button, the rest is not shown",
                   quoted, total, lines, CAPTION_WIDTH, CAPTION_LINES);
    } else if (lines == CAPTION_LINES) {
        AddWarning(line, "caption \"%s\" is about %d pixels wide, more than the %d-pixel caption: it wraps "
                         "onto a second line", quoted, total, CAPTION_WIDTH);
    }
}

// ---------------------------------------------------------------------------
// Entries

static void CheckIcon(const ScanEntry *entry, int buttonNumber)
{
    char quoted[WARN_TEXT_SIZE / 2];
    int line = entry->fieldLines[0];
    if (strcmp(entry->read.iconName, "EXTRACT") != 0) {
        const IconGroup *group = FindIconGroup(entry->read.iconName);
        if (!group && !entry->read.iconName[0])
            AddWarning(line, "the icon line is empty: the button shows the DEFAULT icon");
        else if (!group && strncmp(entry->read.iconName, "EXTRACT", 7) == 0)
            AddWarning(line, "icon \"%s\" is not an icon group of korvane.exe: the button shows the DEFAULT icon "
                             "(to take an icon from a file write EXTRACT, one blank and a .ICO, .EXE or .DLL file)",
                       Quoted(entry->read.iconName, quoted, sizeof quoted));
        else if (!group)
            AddWarning(line, "icon \"%s\" is not an icon group of korvane.exe: the button shows the DEFAULT icon",
                       Quoted(entry->read.iconName, quoted, sizeof quoted));
        else if (!group->has48)
            AddWarning(line, "icon group %s has no 48 x 48 image: it is scaled up from a smaller one", group->name);
        return;
    }
    const char *source = entry->read.iconFile[0] ? entry->read.iconFile : entry->read.appPath;
    IconFacts facts = InspectIconSource(source);
    Quoted(source, quoted, sizeof quoted);
    if (entry->read.iconFile[0]) {
        if (facts.look == ICONS_MISSING)
            AddWarning(line, "EXTRACT file \"%s\" does not exist: the button shows the DEFAULT icon", quoted);
        else if (facts.look == ICONS_NONE)
            AddWarning(line, "EXTRACT file \"%s\" holds no icon: the button shows the DEFAULT icon", quoted);
    } else if (facts.look == ICONS_MISSING || facts.look == ICONS_NONE) {
        char number[24] = "";
        if (buttonNumber > 0)
            snprintf(number, sizeof number, " %d", buttonNumber);
        AddWarning(entry->fieldLines[1],
                   "no icon can be taken from the application \"%s\" (%s): the panel shows \"Failed to extract an "
                   "icon for button%s\" and then the DEFAULT icon",
                   quoted, facts.look == ICONS_MISSING ? "it does not exist" : "it holds no icon", number);
    }
    if (facts.look == ICONS_FOUND && facts.isIconFile && !facts.has48)
        AddWarning(line, "icon file \"%s\" has no 48 x 48 image: it will be scaled", quoted);
}

static void CheckApplication(const ScanEntry *entry, const char *rawUpper)
{
    char quoted[WARN_TEXT_SIZE / 2];
    int line = entry->fieldLines[1];
    if (entry->read.appType == APP_64BIT) {
        AddWarning(line, "marked 64BIT: 32-bit Windows hides this entry, and the entries after it move up one place");
        const char *system32 = strstr(entry->read.appPath, "\\SYSTEM32\\");
        if (system32)
            AddWarning(line, "64-bit program under System32: the 32-bit panel on 64-bit Windows is redirected "
                             "from System32 to SysWOW64; write \\Sysnative\\ in place of \\System32\\");
    }
    // With a width word the path ends at ".EXE": options written after it are lost.
    if (entry->read.appType != APP_ANY || (strstr(rawUpper, ".EXE ") &&
                                      (strstr(rawUpper, "32BIT") || strstr(rawUpper, "64BIT")))) {
        const char *rest = strstr(rawUpper, ".EXE") + 4;
        char dropped[WARN_LINE_SIZE];
        CopyText(dropped, rest);
        TrimAtControl(dropped);
        bool other = false;
        for (const char *p = dropped; *p; p++) {
            if (strncmp(p, "32BIT", 5) == 0 || strncmp(p, "64BIT", 5) == 0)
                p += 4;
            else if (*p != ' ')
                other = true;
        }
        if (other)
            AddWarning(line, "the line carries a width word, so everything after \".EXE\" is dropped: "
                             "\"%s\" is lost (put options on the parameters line)",
                       Quoted(dropped, quoted, sizeof quoted));
    }
}

// Reads the four field lines of a block as the reader does and checks them.
// False when a field line is missing (the reader reported that error).
static bool ScanEntryBlock(bool wow64, int *entryIndex, int headerLine, bool counted)
{
    ScanEntry *entry = &scanEntry;
    memset(entry, 0, sizeof *entry);
    entry->headerLine = headerLine;
    static const char *const WHAT[4] = {"icon line", "application line", "parameters line", "caption line"};
    char *fields[4] = {entry->read.iconName, entry->read.appPath, entry->read.parameters, entry->read.buttonLabel};
    static const int SIZES[4] = {ICON_NAME_SIZE, APP_PATH_SIZE, PARAMETERS_SIZE, BUTTON_LABEL_SIZE};
    char rawApp[APP_PATH_SIZE];
    for (int f = 0; f < 4; f++) {
        entry->fieldLines[f] = scan.nextLine;
        int count = ScanRead(fields[f], SIZES[f], WHAT[f]);
        if (count == 0)
            return false;
        if (counted)
            CheckCut(fields[f], count, entry->fieldLines[f], WHAT[f]);
        if (f == 0) {
            UpperCase(entry->read.iconName);
            SplitIconLine(&entry->read);
        } else if (f == 1) {
            UpperCase(entry->read.appPath);
            CopyText(rawApp, entry->read.appPath);
            SplitApplicationLine(&entry->read);
        } else {
            TrimAtControl(fields[f]);
        }
    }
    if (!counted)
        return true;
    bool kept = entry->read.appType != APP_64BIT || wow64;
    CheckIcon(entry, kept ? *entryIndex + 1 : 0);
    CheckApplication(entry, rawApp);
    CheckCaption(entry->read.buttonLabel, entry->fieldLines[3]);
    if (kept)
        ++*entryIndex;
    return true;
}

static bool IsTitleLine(const char *text)
{
    return strstr(text, "WINLABEL ") && strchr(text, '"');
}

// A title line as the reader takes it: false when the reader reports it.
static bool TitleIsValid(const char *text)
{
    char copy[WARN_LINE_SIZE];
    CopyText(copy, text);
    *strrchr(copy, '"') = '\0';
    const char *first = strchr(copy, '"');
    return first && first[1] && strlen(first + 1) <= WARN_TITLE_LIMIT;
}

// After the 50th entry the reader stops: say what it leaves unread.
static void ScanUnread()
{
    for (;;) {
        int line = scan.nextLine;
        int count = ScanRead(scanLine, sizeof scanLine, "a line after the 50th entry");
        if (count == 0)
            return;
        if (strlen(scanLine) <= 1)
            continue;
        if (IsTitleLine(scanLine)) {
            AddWarning(line, "title line after the 50th entry is never read: the panel stops reading there");
        } else if (scanLine[0] == ';') {
            AddWarning(line, "entry block after the 50th entry is never read: the panel holds 50 entries");
            int ignored = 0;
            if (!ScanEntryBlock(false, &ignored, line, false))
                return;
        }
        if (scan.input.endOfData)
            return;
    }
}

// The last line of the file, read together with the end of the data: the
// reader does not look at it.
static void CheckLastLine(const char *text, int line)
{
    if (strlen(text) <= 1)
        return;
    if (IsTitleLine(text))
        AddWarning(line, "title line at the end of the file has no line end: it is never read (end it with Enter)");
    else if (text[0] == ';')
        AddWarning(line, "entry header at the end of the file has no line end: it opens no entry");
    else
        AddWarning(line, "the last line has no line end and is never read");
}

// A byte 0x1A ends the data: say so when anything but line ends and blanks
// follows it, since the panel never sees that part of the file.
static void CheckControlZ(FILE *file)
{
    if (fseek(file, 0, SEEK_SET) != 0)
        return;
    int line = 1, byte;
    while ((byte = getc(file)) != EOF && byte != 0x1A)
        line += byte == '\n' && line < INT_MAX;
    if (byte != 0x1A)
        return;
    while ((byte = getc(file)) != EOF) {
        if (byte != '\r' && byte != '\n' && byte != ' ' && byte != 0x1A) {
            AddWarning(line, "a byte 0x1A (Ctrl+Z) ends the file here: nothing after it is read");
            return;
        }
    }
}

void CollectWarnings(bool wow64)
{
    warningCount = 0;
    warningsLost = 0;
    FILE *file = configPath[0] ? OpenConfigFile(configPath) : nullptr;
    if (!file)
        return;
    memset(&scan, 0, sizeof scan);
    scan.nextLine = 1;
    StartConfigInput(&scan.input, file, nullptr, 0);
    int entryIndex = 0;
    bool first = true;
    for (;;) {
        if (scan.input.endOfData)
            break;
        if (entryIndex >= MAX_ENTRIES) {
            ScanUnread();
            break;
        }
        int line = scan.nextLine;
        int count = ScanRead(scanLine, sizeof scanLine, "the line");
        if (first && count >= 3 && memcmp(scanLine, "\xEF\xBB\xBF", 3) == 0)
            AddWarning(line, "the file begins with a UTF-8 byte-order mark, which is read as part of the first "
                             "line: save the file as ANSI text");
        first = false;
        if (scan.input.endOfData) {
            if (count > 0)
                CheckLastLine(scanLine, line);
            break;
        }
        if (count == 0 || strlen(scanLine) <= 1)
            continue;
        if (IsTitleLine(scanLine)) {
            if (!TitleIsValid(scanLine))
                break;
            continue;
        }
        if (scanLine[0] != ';' || !ScanEntryBlock(wow64, &entryIndex, line, true))
            break;
    }
    CheckControlZ(file);
    fclose(file);
    // In line order, warnings of one line in the order they were found.
    for (int i = 1; i < warningCount; i++) {
        for (int j = i; j > 0 && warnings[j - 1].line > warnings[j].line; j--) {
            CheckWarning swap = warnings[j];
            warnings[j] = warnings[j - 1];
            warnings[j - 1] = swap;
        }
    }
}

// ---------------------------------------------------------------------------
// Output

void PrintWarningsReport(int cySize)
{
    PanelLayout layout = ComputeLayout(launcherTable.entryCount, cySize);
    printf("Grid: %d columns x %d rows\n", layout.columns, layout.rows);
    printf("Window: %d x %d pixels (caption buttons %d pixels high)\n", layout.windowWidth, layout.windowHeight,
           cySize);
    printf("Warnings: %d\n", warningCount + warningsLost);
    for (int i = 0; i < warningCount; i++) {
        printf("  line %d: ", warnings[i].line);
        PrintText(warnings[i].text);
        putchar('\n');
    }
    if (warningsLost)
        printf("  (%d more not shown)\n", warningsLost);
}

void PrintWarningsJson(int cySize)
{
    PanelLayout layout = ComputeLayout(launcherTable.entryCount, cySize);
    printf(", \"warnings\": [");
    for (int i = 0; i < warningCount; i++) {
        printf(i ? ", {\"line\": %d, \"text\": " : "{\"line\": %d, \"text\": ", warnings[i].line);
        PrintJsonString(warnings[i].text);
        printf("}");
    }
    printf("], \"layout\": {\"columns\": %d, \"rows\": %d, \"width\": %d, \"height\": %d}", layout.columns,
           layout.rows, layout.windowWidth, layout.windowHeight);
}
