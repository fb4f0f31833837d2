#include "tasks/escape_text.h"

#include <string>

#include <gtest/gtest.h>

namespace vyn {
namespace {

struct escape_case {
  std::u16string in;
  std::u16string out;
  int32_t count;
};

class DecodeEscapes : public ::testing::TestWithParam<escape_case> {};

TEST_P(DecodeEscapes, Decodes) {
  std::u16string s = GetParam().in;
  EXPECT_EQ(decode_escapes(s), GetParam().count);
  EXPECT_EQ(s, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DecodeEscapes,
    ::testing::Values(
        escape_case{u"a\\tb", u"a\tb", 1},
        escape_case{u"C:\\\\dir", u"C:\\dir", 0},
        escape_case{u"\\'\\\"", u"'\"", 0},
        escape_case{u"\\r\\n", u"\r\n", 2},
        escape_case{u"\\x41\\u0042", u"AB", 2},
        escape_case{u"\\xfF\\u04aF", u"\u00FF\u04AF", 2},
        escape_case{u"\\u0000x", std::u16string(1, u'\0') + u"x", 1},
        escape_case{u"\\\\n", u"\\n", 0},       // the produced \ starts nothing
        escape_case{u"\\\\\\n", u"\\\n", 1},
        escape_case{u"\\x5c\\x6e", u"\\n", 2}));  // numbered \ starts nothing

INSTANTIATE_TEST_SUITE_P(
    MalformedStayLiteral, DecodeEscapes,
    ::testing::Values(
        escape_case{u"\\x4", u"\\x4", 0},        // one digit, at the end
        escape_case{u"\\xZZ", u"\\xZZ", 0},
        escape_case{u"\\x4g", u"\\x4g", 0},
        escape_case{u"\\u123", u"\\u123", 0},    // three digits at the end
        escape_case{u"\\u12G4", u"\\u12G4", 0},
        escape_case{u"\\q", u"\\q", 0},
        escape_case{u"\\T\\U0041\\X41", u"\\T\\U0041\\X41", 0},  // upper case
        escape_case{u"ab\\", u"ab\\", 0},        // final backslash
        escape_case{u"\\", u"\\", 0},            // one unit: unchanged
        escape_case{u"", u"", 0},
        escape_case{u"\\u123\\n", u"\\u123\n", 1}));

}  // namespace
}  // namespace vyn
