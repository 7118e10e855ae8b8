// Bounded text helpers: the one way text is copied into a fixed buffer.
#ifndef LANTERRA_TEXT_H
#define LANTERRA_TEXT_H

#include <stddef.h>

// Copies src into dst of dstSize bytes, cutting it to fit. dst is always
// NUL-terminated when dstSize > 0. Returns true when nothing was cut.
bool CopyText(char *dst, size_t dstSize, const char *src);

// Appends src to the text in dst (dstSize bytes in all), cutting it to fit.
// Returns true when nothing was cut.
bool AppendText(char *dst, size_t dstSize, const char *src);

// Array forms: the size comes from the array itself.
template <size_t N> inline bool CopyText(char (&dst)[N], const char *src) { return CopyText(dst, N, src); }
template <size_t N> inline bool AppendText(char (&dst)[N], const char *src) { return AppendText(dst, N, src); }

#endif
