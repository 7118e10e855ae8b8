// The configuration reader: fills launcherTable and windowTitle from
// lanterra.cfg in moduleDir, reporting the first error in a message box.
#ifndef LANTERRA_READER_H
#define LANTERRA_READER_H

// Reads moduleDir\lanterra.cfg into the table. owner is the window that owns
// the error box. Returns 0 when the reading ended normally (end of data or a
// full table), 1 when an error was reported. Never throws.
int LoadConfiguration(void *owner);

// Ends text at its first byte that is below 32 when read as a signed 8-bit
// number: the control bytes 0x01 to 0x1F and every byte from 0x80 to 0xFF.
void TrimAtControl(char *text);

// The treatment of a freshly read field line, shared with lanterra-check,
// which reads the file again to tell where each field came from.
struct LauncherEntry;

// Turns a to z into A to Z and leaves every other byte as it is.
void UpperCase(char *text);

// The icon line, upper-cased: a resource name, the keyword alone, or the
// keyword, one blank and a file to take the icon from (into iconFile).
void SplitIconLine(LauncherEntry *entry);

// The application line, upper-cased: sets appType from a width word after
// ".EXE " and then cuts the path right after its first ".EXE".
void SplitApplicationLine(LauncherEntry *entry);

#endif
