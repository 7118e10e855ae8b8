#include "config_input.h"

enum { INPUT_END = -1, INPUT_FAILED = -2, CONTROL_Z = 0x1A };

void StartConfigInput(ConfigInput *input, FILE *file, const void *bytes, size_t byteCount)
{
    input->file = file;
    input->bytes = static_cast<const unsigned char *>(bytes);
    input->byteCount = file ? 0 : byteCount;
    input->bytePosition = 0;
    input->pendingByte = -1;
    input->dataEnded = false;
    input->readFailed = false;
    input->endOfData = false;
}

// The next byte of the data (0..255), INPUT_END past its end (raising the
// end-of-data flag), or INPUT_FAILED once reading the file has failed.
static int FetchByte(ConfigInput *input)
{
    if (input->pendingByte >= 0) {
        int byte = input->pendingByte;
        input->pendingByte = -1;
        return byte;
    }
    if (input->readFailed)
        return INPUT_FAILED;
    int byte = INPUT_END;
    if (!input->dataEnded) {
        if (input->file) {
            byte = getc(input->file);
            if (byte == EOF && ferror(input->file)) {
                input->readFailed = true;
                return INPUT_FAILED;
            }
            if (byte == EOF)
                byte = INPUT_END;
        } else if (input->bytePosition < input->byteCount) {
            byte = input->bytes[input->bytePosition++];
        }
    }
    if (byte == CONTROL_Z || byte == INPUT_END) {
        input->dataEnded = true;
        input->endOfData = true;
        return INPUT_END;
    }
    return byte;
}

// The next byte delivered: a CR LF pair becomes its LF.
static int DeliverByte(ConfigInput *input)
{
    int byte = FetchByte(input);
    if (byte != '\r')
        return byte;
    int next = FetchByte(input);
    if (next == '\n')
        return '\n';
    if (next >= 0)
        input->pendingByte = next;
    return '\r';
}

int ReadConfigBytes(char *dest, int size, ConfigInput *input)
{
    if (size < 2)
        return 0;
    int count = 0;
    while (count < size - 1) {
        int byte = DeliverByte(input);
        if (byte < 0)
            break;
        dest[count++] = static_cast<char>(byte);
        if (byte == '\n')
            break;
    }
    if (count > 0)
        dest[count] = '\0';
    return count;
}

char *ReadConfigLine(char *dest, int size, ConfigInput *input)
{
    return ReadConfigBytes(dest, size, input) > 0 ? dest : nullptr;
}
