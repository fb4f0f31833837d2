#include "platform/unicode_text_check.h"

#include <string>

#include <gtest/gtest.h>

namespace vyn::platform {
namespace {

// Each test on its own: the bytes, the one test asked for, whether its bit
// comes back.
struct single_test {
  const char* name;
  std::string bytes;
  uint32_t asked;
  bool set;
};

class UnicodeTextCheck : public ::testing::TestWithParam<single_test> {};

TEST_P(UnicodeTextCheck, SingleTest) {
  uint32_t mask = GetParam().asked;
  is_text_unicode(GetParam().bytes.data(), GetParam().bytes.size(), &mask);
  EXPECT_EQ((mask & GetParam().asked) != 0, GetParam().set) << GetParam().name;
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Tests, UnicodeTextCheck,
    ::testing::Values(
        single_test{"ascii16 yes", "a\0b\0"s, kUnicodeAscii16, true},
        single_test{"ascii16 no", "a\0\x80\0"s, kUnicodeAscii16, false},
        single_test{"ascii16 short", "a"s, kUnicodeAscii16, false},
        single_test{"statistics yes", "a\0\xFF\0\x00\x04"s, kUnicodeStatistics, true},
        single_test{"statistics half", "a\0\x00\x04"s, kUnicodeStatistics, false},
        single_test{"controls cr", "\r\0"s, kUnicodeControls, true},
        single_test{"controls ideographic space", "\x00\x30"s, kUnicodeControls, true},
        single_test{"controls none", "a\0"s, kUnicodeControls, false},
        single_test{"signature", "\xFF\xFEx\0"s, kUnicodeSignature, true},
        single_test{"signature later", "x\0\xFF\xFE"s, kUnicodeSignature, false},
        single_test{"not asked", "\xFF\xFE"s, kUnicodeAscii16, false}),
    [](const auto& info) {
      std::string n = info.param.name;
      for (char& c : n) if (c == ' ') c = '_';
      return n;
    });

TEST(UnicodeTextCheck, AlwaysEvaluatedResults) {
  uint32_t mask = 0;
  is_text_unicode("\xFE\xFF\0", 3, &mask);
  EXPECT_TRUE(mask & kUnicodeReverseSignature);
  EXPECT_TRUE(mask & kUnicodeOddLength);
  EXPECT_TRUE(mask & kUnicodeNullBytes);
}

TEST(UnicodeTextCheck, Verdict) {
  using namespace std::string_literals;
  struct row {
    std::string bytes;
    uint32_t mask;
    bool verdict;
  };
  const uint32_t detection = kUnicodeAscii16 | kUnicodeSignature | kUnicodeNullBytes;
  const row rows[] = {
      {"h\0i\0"s, detection, true},               // ASCII in UTF-16
      {"\xFF\xFE\x16\x04"s, detection, true},     // signature
      {"\x16\x04\x10\x04"s, detection, false},    // Cyrillic without mark: no test fires
      {"\x16\x04 \0"s, 0x000F, true},             // ... but a blank does
      {"h\0i"s, detection, false},                // odd length
      {"\xFE\xFFh\0"s, detection, false},         // reversed mark
      {"plain ascii"s, detection, false},
      {"x"s, detection, false},                   // n < 2
      {""s, detection, false},
  };
  for (const row& r : rows) {
    uint32_t mask = r.mask;
    EXPECT_EQ(is_text_unicode(r.bytes.data(), r.bytes.size(), &mask), r.verdict);
  }
}

}  // namespace
}  // namespace vyn::platform
