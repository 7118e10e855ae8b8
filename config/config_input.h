// Line input for lanterra.cfg: an fgets-shaped read over the bytes of a file
// opened in binary mode ("rb"), with the same rules on every platform:
//   1. CR LF is delivered as LF; a CR not followed by LF is delivered as is.
//   2. A byte 0x1A ends the data; nothing from it on is delivered.
//   3. No byte-order mark is recognised: its bytes belong to the first line.
//   4. A read into size bytes delivers at most size - 1 bytes followed by a
//      NUL: the line up to and including its LF, or its first size - 1 bytes,
//      or the bytes up to the end of the data. The rest of a long line comes
//      with the next read.
//   5. A read delivers nothing (returns null, destination untouched) only when
//      no byte is left or reading the file failed.
//   6. endOfData is raised as soon as a read tries to go past the last byte;
//      a read that stops at an LF does not raise it.
//   7. A NUL byte is delivered like any other byte.
// A CR that is the last byte a read may store is looked past to tell CR LF
// from a lone CR; if the data ends there, that look raises endOfData.
#ifndef LANTERRA_CONFIG_INPUT_H
#define LANTERRA_CONFIG_INPUT_H

#include <stddef.h>
#include <stdio.h>

struct ConfigInput {
    FILE *file;                 // the source; when null, bytes/byteCount are
    const unsigned char *bytes; // read instead (an in-memory copy of a file)
    size_t byteCount;
    size_t bytePosition;
    int pendingByte;            // the byte read after a lone CR, or -1
    bool dataEnded;             // the last byte or a 0x1A was met
    bool readFailed;            // the file could not be read; nothing more comes
    bool endOfData;             // rule 6: a read tried to go past the last byte
};

// Prepares input over an open file, or over byteCount bytes when file is null.
void StartConfigInput(ConfigInput *input, FILE *file, const void *bytes, size_t byteCount);

// Reads one line into dest of size bytes by the rules above and returns the
// number of bytes delivered (a NUL byte in the line counts). A size below 2
// delivers nothing.
int ReadConfigBytes(char *dest, int size, ConfigInput *input);

// The same read, shaped like fgets: dest, or null when nothing was delivered.
char *ReadConfigLine(char *dest, int size, ConfigInput *input);

#endif
