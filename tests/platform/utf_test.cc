#include "platform/utf.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

namespace vyn {
namespace {

TEST(Utf8, DecodesValidSequences) {
  EXPECT_EQ(utf8_to_utf16("a\xD0\xB6\xE2\x82\xAC\xF0\x9F\x98\x80"),
            u"a\u0436\u20AC\U0001F600");
}

TEST(Utf8, InvalidBytesBecomeRawUnitsOneEach) {
  struct row {
    std::string bytes;
    std::u16string units;
  };
  const row rows[] = {
      {"\xFF", u"\xDCFF"},
      {"\xC0\x80", u"\xDCC0\xDC80"},              // overlong NUL
      {"\xE0\x80\x80", u"\xDCE0\xDC80\xDC80"},    // overlong
      {"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},    // encoded surrogate
      {"\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},  // beyond U+10FFFF
      {"\xD0", u"\xDCD0"},                        // cut at the end
      {"\xD0x", u"\xDCD0x"},                      // cut before ASCII
      {"\x80", u"\xDC80"},                        // lone continuation
  };
  for (const row& r : rows) {
    EXPECT_EQ(utf8_to_utf16(r.bytes), r.units);
    EXPECT_EQ(utf16_to_utf8(r.units), r.bytes);
  }
}

TEST(Utf8, RandomBytesRoundTrip) {
  std::mt19937 rng(42);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(rng() % 300, '\0');
    for (auto& b : bytes) {
      // Mostly valid-looking text with some breakage.
      unsigned r = rng() % 10;
      b = char(r < 5 ? 'a' + rng() % 26 : rng() % 256);
    }
    EXPECT_EQ(utf16_to_utf8(utf8_to_utf16(bytes)), bytes);
  }
}

TEST(Utf16ToUtf8, LoneSurrogatesOutsideTheRawRangeBecomeReplacement) {
  EXPECT_EQ(utf16_to_utf8(u"\xD800x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(utf16_to_utf8(u"\xDC00"), "\xEF\xBF\xBD");
  EXPECT_EQ(utf16_to_utf8(u"\xD83D\xDE00"), "\xF0\x9F\x98\x80");
}

TEST(Utf8, LongAsciiRunsAroundMultibyteCharacters) {
  std::string bytes = std::string(37, 'q') + "\xD1\x8F" + std::string(19, 'r');
  std::u16string units = utf8_to_utf16(bytes);
  EXPECT_EQ(units, std::u16string(37, u'q') + u"я" + std::u16string(19, u'r'));
  EXPECT_EQ(utf16_to_utf8(units), bytes);
}

}  // namespace
}  // namespace vyn
