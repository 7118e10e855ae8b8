// libFuzzer entry: every input is one lanterra.cfg.
#include "reader_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CheckReaderOnBytes(data, size);
    return 0;
}
