#include "platform/code_page_codec.h"

#include <string>

#include <gtest/gtest.h>

namespace vyn::platform {
namespace {

std::string all_bytes() {
  std::string s;
  for (int b = 0; b < 256; ++b) s += char(b);
  return s;
}

class SingleBytePage : public ::testing::TestWithParam<int> {};

// Every byte value survives decode and encode, defined or not.
TEST_P(SingleBytePage, AllBytesRoundTrip) {
  std::u16string text;
  ASSERT_EQ(decode_code_page(GetParam(), all_bytes(), text), 0u);
  ASSERT_EQ(text.size(), 256u);
  std::string back;
  ASSERT_EQ(encode_code_page(GetParam(), text, back), 0u);
  EXPECT_EQ(back, all_bytes());
}

INSTANTIATE_TEST_SUITE_P(Pages, SingleBytePage,
                         ::testing::Values(1250, 1251, 1252, 866, 437, 1253, 1255,
                                           1257, 852, 857, 720, 850, 874, 20866));

TEST(CodePageCodec, KnownMappings) {
  std::u16string t;
  decode_code_page(1251, "\xC6\xE8\xE2\xB8", t);
  EXPECT_EQ(t, u"Живё");
  t.clear();
  decode_code_page(866, "\x86\xA8\xA2\xF1", t);
  EXPECT_EQ(t, u"Живё");
  t.clear();
  decode_code_page(1252, "\x80\x81", t);  // the euro; 0x81 as Windows maps it
  EXPECT_EQ(t, u"\u20AC\u0081");
}

TEST(CodePageCodec, IbmControlBytesStayAsTheyAre) {
  for (int cp : {437, 866, 850}) {
    std::u16string t;
    decode_code_page(cp, "\x1A\x1C\x7F", t);
    EXPECT_EQ(t, u"\u001A\u001C\u007F") << cp;
    std::string b;
    encode_code_page(cp, u"\u001A\u001C\u007F", b);
    EXPECT_EQ(b, "\x1A\x1C\x7F") << cp;
  }
}

TEST(CodePageCodec, UndefinedBytesBecomeRawUnits) {
  std::u16string t;
  decode_code_page(1253, "\xD2\xFF", t);  // not defined in Greek
  EXPECT_EQ(t, u"\xDCD2\xDCFF");
  t.clear();
  decode_code_page(852, "\xAA", t);
  EXPECT_EQ(t, u"\xDCAA");
}

TEST(CodePageCodec, MissingCharactersBecomeQuestionMarks) {
  struct row {
    int cp;
    std::u16string text;
    std::string bytes;
  };
  const row rows[] = {
      {1251, u"aЖ€中", "a\xC6\x88?"},
      {866, u"ЖÅ", "\x86?"},
      {1252, u"Жé", "?\xE9"},
      {437, u"\u2248x", "\xF7x"},   // defined there
      {1252, u"\u0100", "?"},       // no best fit: A with macron is not A
      {932, u"a日Ж", "a\x93\xFA\x84\x47"},
      {936, u"中\U0001F600", "\xD6\xD0?"},
  };
  for (const row& r : rows) {
    std::string b;
    EXPECT_EQ(encode_code_page(r.cp, r.text, b), 0u);
    EXPECT_EQ(b, r.bytes) << r.cp;
  }
}

TEST(CodePageCodec, MultiByteAndUtf7) {
  std::u16string t;
  EXPECT_EQ(decode_code_page(65000, "Hi +BBYEOAQyBFE-", t), 0u);
  EXPECT_EQ(t, u"Hi Живё");
  std::string b;
  EXPECT_EQ(encode_code_page(65000, u"Живё", b), 0u);
  t.clear();
  decode_code_page(65000, b, t);
  EXPECT_EQ(t, u"Живё");
  t.clear();
  EXPECT_EQ(decode_code_page(1201, std::string("\x04\x16\x00x", 4), t), 0u);
  EXPECT_EQ(t, u"Жx");
}

TEST(CodePageCodec, UnknownPagesFailWithInvalidParameter) {
  std::u16string t = u"kept";
  std::string b = "kept";
  EXPECT_FALSE(code_page_known(12345));
  EXPECT_EQ(decode_code_page(12345, "x", t), 87u);
  EXPECT_EQ(encode_code_page(-7, u"x", b), 87u);
  EXPECT_EQ(t, u"kept");
  EXPECT_EQ(b, "kept");
  EXPECT_TRUE(code_page_known(28595));  // ISO 8859-5
}

}  // namespace
}  // namespace vyn::platform
