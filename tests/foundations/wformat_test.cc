#include "foundations/wformat.h"

#include <string>

#include <gtest/gtest.h>

namespace vyn {
namespace {

TEST(WFormat, Conversions) {
  EXPECT_EQ(wformat(u"%u", 4294967295u), u"4294967295");
  EXPECT_EQ(wformat(u"%08X", 0x2000F01Au), u"2000F01A");
  EXPECT_EQ(wformat(u"%08X", 87u), u"00000057");
  EXPECT_EQ(wformat(u"%x|%#x|%o", 255, 255, 8), u"ff|0xff|10");
  EXPECT_EQ(wformat(u"%d|%i|%+d|% d", -5, 7, 7, 7), u"-5|7|+7| 7");
  EXPECT_EQ(wformat(u"%5d|%-5d|%05d|%.3d", 42, 42, -42, 7),
            u"   42|42   |-0042|007");
  EXPECT_EQ(wformat(u"%s and %s", u"wide", "narrow \xD0\xB6"), u"wide and narrow ж");
  EXPECT_EQ(wformat(u"%.2s|%4s|%-4s|", u"abcdef", u"ab", u"ab"), u"ab|  ab|ab  |");
  EXPECT_EQ(wformat(u"%c%c", u'я', 65), u"яA");
  EXPECT_EQ(wformat(u"100%%"), u"100%");
  EXPECT_EQ(wformat(u"%ld %lld %I64d %hu", 1L, 2LL, 3LL, 4), u"1 2 3 4");
  EXPECT_EQ(wformat(u"%*d|%-*d|", 4, 1, 3, 2), u"   1|2  |");
  EXPECT_EQ(wformat(u"%d", int64_t(-9223372036854775807LL - 1)),
            u"-9223372036854775808");
}

TEST(WFormat, MismatchesAndMissingArgumentsAreSafe) {
  EXPECT_EQ(wformat(u"[%s]", 12), u"[12]");
  EXPECT_EQ(wformat(u"[%d]", u"txt"), u"[txt]");
  EXPECT_EQ(wformat(u"[%s][%d]"), u"[][]");
  EXPECT_EQ(wformat(u"%u", -1), u"4294967295");
  EXPECT_EQ(wformat(u"trailing %"), u"trailing %");
  EXPECT_EQ(wformat(u"%q", 1), u"%q");
}

}  // namespace
}  // namespace vyn
