// The line input on byte strings: each case runs over the bytes in memory and
// over the same bytes in a file, and must deliver the same reads both ways.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <optional>
#include <string>
#include <vector>

#include "config_input.h"

namespace {

struct Read {
    std::optional<std::string> text; // nullopt: the read delivered nothing
    bool endOfData;                  // the flag after the read
};

struct InputCase {
    const char *name;
    std::string bytes;
    int size;
    std::vector<Read> reads;         // the last one always delivers nothing
};

using namespace std::string_literals;
const std::nullopt_t NOTHING = std::nullopt;

const InputCase INPUT_CASES[] = {
    {"crlf_is_delivered_as_lf", "a\r\nb\r\n", 10, {{"a\n", false}, {"b\n", false}, {NOTHING, true}}},
    {"lone_cr_is_delivered_and_ends_no_line", "a\rb\n", 10, {{"a\rb\n", false}, {NOTHING, true}}},
    {"cr_before_crlf_stays", "a\r\r\nb", 10, {{"a\r\n", false}, {"b", true}, {NOTHING, true}}},
    {"only_lf_lines", "\n\n", 10, {{"\n", false}, {"\n", false}, {NOTHING, true}}},
    {"control_z_ends_the_data", "ab\ncd\x1a" "ef\n", 10, {{"ab\n", false}, {"cd", true}, {NOTHING, true}}},
    {"control_z_first", "\x1a" "ab\n", 10, {{NOTHING, true}}},
    {"cr_then_control_z", "a\r\x1a" "b\n", 10, {{"a\r", true}, {NOTHING, true}}},
    {"byte_order_mark_is_text", "\xef\xbb\xbfx\n", 10, {{"\xef\xbb\xbfx\n", false}, {NOTHING, true}}},
    {"long_line_is_split_at_n_minus_1", "abcdefg\n", 4, {{"abc", false}, {"def", false}, {"g\n", false}, {NOTHING, true}}},
    {"crlf_at_the_limit_counts_as_one_byte", "ab\r\ncd", 4, {{"ab\n", false}, {"cd", true}, {NOTHING, true}}},
    {"crlf_just_past_the_limit", "ab\r\n", 3, {{"ab", false}, {"\n", false}, {NOTHING, true}}},
    {"lone_cr_at_the_limit", "ab\rc\n", 4, {{"ab\r", false}, {"c\n", false}, {NOTHING, true}}},
    {"lone_cr_at_the_limit_ends_the_file", "ab\r", 4, {{"ab\r", true}, {NOTHING, true}}},
    {"n_minus_1_bytes_at_the_end_raise_nothing", "abc", 4, {{"abc", false}, {NOTHING, true}}},
    {"last_line_without_lf_raises_the_flag", "ab\ncd", 10, {{"ab\n", false}, {"cd", true}, {NOTHING, true}}},
    {"nul_is_delivered", "a\0b\n"s, 10, {{"a\0b\n"s, false}, {NOTHING, true}}},
    {"empty_file", "", 10, {{NOTHING, true}}},
    {"smallest_read", "ab\n", 2, {{"a", false}, {"b", false}, {"\n", false}, {NOTHING, true}}},
};

// Runs one case over input and compares every read; the destination of a
// read that delivers nothing must stay as it was.
void ExpectReads(const InputCase &c, ConfigInput *input)
{
    for (size_t i = 0; i < c.reads.size(); i++) {
        char dest[64];
        memset(dest, '#', sizeof dest);
        int count = ReadConfigBytes(dest, c.size, input);
        const Read &want = c.reads[i];
        SCOPED_TRACE("read " + std::to_string(i + 1));
        if (want.text) {
            ASSERT_EQ(std::string(dest, count), *want.text);
            EXPECT_EQ(dest[count], '\0');
            EXPECT_EQ(dest[c.size], '#') << "wrote past the size";
        } else {
            EXPECT_EQ(count, 0);
            EXPECT_EQ(dest[0], '#') << "an empty read changed its destination";
        }
        EXPECT_EQ(input->endOfData, want.endOfData);
    }
}

class InputRules : public ::testing::TestWithParam<InputCase> {};

TEST_P(InputRules, FromBytes)
{
    const InputCase &c = GetParam();
    ConfigInput input;
    StartConfigInput(&input, nullptr, c.bytes.data(), c.bytes.size());
    ExpectReads(c, &input);
}

TEST_P(InputRules, FromAFileOpenedAsBytes)
{
    const InputCase &c = GetParam();
    FILE *file = tmpfile();
    ASSERT_NE(file, nullptr);
    fwrite(c.bytes.data(), 1, c.bytes.size(), file);
    rewind(file);
    ConfigInput input;
    StartConfigInput(&input, file, nullptr, 0);
    ExpectReads(c, &input);
    fclose(file);
}

INSTANTIATE_TEST_SUITE_P(Cases, InputRules, ::testing::ValuesIn(INPUT_CASES),
                         [](const ::testing::TestParamInfo<InputCase> &info) { return std::string(info.param.name); });

// A file whose reading fails after its first bytes: those bytes are
// delivered, then nothing, and the end-of-data flag stays down, so that the
// reader reports the failure instead of taking it for the end of the file.
ssize_t ReadTwoBytesThenFail(void *cookie, char *buffer, size_t size)
{
    int *calls = static_cast<int *>(cookie);
    if ((*calls)++ > 0 || size < 2)
        return -1;
    memcpy(buffer, "ab", 2);
    return 2;
}

TEST(InputFailure, DeliversWhatCameThenNothingWithoutTheFlag)
{
    int calls = 0;
    cookie_io_functions_t functions = {ReadTwoBytesThenFail, nullptr, nullptr, nullptr};
    FILE *file = fopencookie(&calls, "rb", functions);
    ASSERT_NE(file, nullptr);
    ConfigInput input;
    StartConfigInput(&input, file, nullptr, 0);
    char dest[10] = "untouched";
    ASSERT_NE(ReadConfigLine(dest, sizeof dest, &input), nullptr);
    EXPECT_STREQ(dest, "ab");
    EXPECT_FALSE(input.endOfData);
    strcpy(dest, "untouched");
    EXPECT_EQ(ReadConfigLine(dest, sizeof dest, &input), nullptr);
    EXPECT_STREQ(dest, "untouched");
    EXPECT_FALSE(input.endOfData);
    fclose(file);
}

TEST(InputSize, BelowTwoDeliversNothingAndReadsNothing)
{
    ConfigInput input;
    StartConfigInput(&input, nullptr, "ab\n", 3);
    char dest[4] = "xyz";
    EXPECT_EQ(ReadConfigLine(dest, 1, &input), nullptr);
    EXPECT_EQ(ReadConfigLine(dest, 0, &input), nullptr);
    EXPECT_STREQ(dest, "xyz");
    ASSERT_NE(ReadConfigLine(dest, sizeof dest, &input), nullptr);
    EXPECT_STREQ(dest, "ab\n");
}

} // namespace
