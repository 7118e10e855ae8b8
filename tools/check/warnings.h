// lanterra-check's warnings: what the panel will do with a configuration that
// the reader accepts without a word (a fallback icon, a hidden entry, a cut
// caption, lines it never reads), each tied to the line of the file it comes
// from, and the panel's grid and window size.
#ifndef LANTERRA_CHECK_WARNINGS_H
#define LANTERRA_CHECK_WARNINGS_H

enum { DEFAULT_CY_SIZE = 18, MAX_CY_SIZE = 1000 };

// Reads configPath again with the reader's own line input and collects the
// warnings. Call after LoadConfiguration, with the same WOW64 answer.
void CollectWarnings(bool wow64);

// The readable report's part: the layout and one line per warning.
void PrintWarningsReport(int cySize);

// The --json part: `, "warnings": [...], "layout": {...}`, to be written
// right before the object's closing brace.
void PrintWarningsJson(int cySize);

// Writes text as a JSON string (with the rest of the output, in check_main.cpp).
void PrintJsonString(const char *text);

// Writes text for the readable report: printable ASCII as it is, every other
// byte as \xHH (in check_main.cpp).
void PrintText(const char *text);

// Estimated pixel width of text in the caption font (Arial, 14-pixel cell);
// a '&' shows no glyph of its own, "&&" shows one.
int CaptionTextWidth(const char *text, int length);

#endif
