// Runs the input rules and the reader over one file's bytes and aborts with a
// note on stderr when a rule or a table invariant does not hold. Shared by the
// libFuzzer target and the corpus replay test.
#ifndef LANTERRA_READER_CHECK_H
#define LANTERRA_READER_CHECK_H

#include <stddef.h>
#include <stdint.h>

void CheckReaderOnBytes(const uint8_t *data, size_t size);

#endif
