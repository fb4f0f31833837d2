#include "textfiles/code_page.h"

#include <string>

#include <gtest/gtest.h>

#include "foundations/exceptions.h"
#include "platform/utf.h"

namespace vyn {
namespace {

struct name_case {
  std::u16string name;
  text_file_code_page cp;
};

class ParseCodePage : public ::testing::TestWithParam<name_case> {};

TEST_P(ParseCodePage, Parses) {
  text_file_code_page cp = parse_code_page(GetParam().name);
  EXPECT_EQ(cp.number, GetParam().cp.number) << utf16_to_utf8(GetParam().name);
  EXPECT_EQ(cp.bom, GetParam().cp.bom) << utf16_to_utf8(GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ParseCodePage,
    ::testing::Values(
        name_case{u"auto", {-1, 0}}, name_case{u"AUTO", {-1, 0}},
        name_case{u"ansi", {0, 0}}, name_case{u"Oem", {1, 0}},
        name_case{u"unicode", {1200, 1}}, name_case{u"ucs2", {1200, 0}},
        name_case{u"UCS-2LE", {1200, 0}}, name_case{u"ucs_2_le", {1200, 0}},
        name_case{u"ucs2le", {1200, 0}}, name_case{u"ucs2bom", {1200, 1}},
        name_case{u"ucs-2-le-bom", {1200, 1}}, name_case{u"ucs2bebom", {1201, 1}},
        name_case{u"ucs-2-be", {1201, 0}}, name_case{u"utf8", {65001, 0}},
        name_case{u"UTF-8", {65001, 0}}, name_case{u"Utf-8-Bom", {65001, 1}},
        name_case{u"utf8bom", {65001, 1}}, name_case{u"UTF_8_BOM", {65001, 1}},
        name_case{u"utf-7", {65000, 0}}, name_case{u"utf7", {65000, 0}},
        name_case{u"1251", {1251, 0}}, name_case{u"866abc", {866, 0}},
        name_case{u"  437", {437, 0}}, name_case{u"+850", {850, 0}},
        name_case{u"0", {-2, 0}}, name_case{u"latin", {-2, 0}},
        name_case{u"-1", {-1, 0}}, name_case{u"utf8 ", {-2, 0}},
        name_case{u"", {-2, 0}}, name_case{u"utf--8", {-2, 0}},
        name_case{u"unicodebom", {-2, 0}}, name_case{u"utf7bom", {-2, 0}},
        name_case{u"99999999999", {2147483647, 0}}));

TEST(DisplayName, Table) {
  struct row {
    text_file_code_page cp;
    std::u16string name;
  };
  const row rows[] = {
      {{65001, 1}, u"UTF-8_BOM"}, {{65001, 0}, u"UTF-8"}, {{1200, 1}, u"UCS-2LE_BOM"},
      {{1201, 0}, u"UCS-2BE"},    {{1251, 1}, u"1251_BOM"}, {{866, 0}, u"866"},
      {{-1, 0}, u"auto"},         {{-2, 0}, u"invalid"},    {{0, 0}, u"ANSI"},
      {{1, 0}, u"OEM"},           {{65000, 0}, u"UTF-7"},   {{-5, 0}, u"4294967291"},
  };
  for (const row& r : rows) EXPECT_EQ(r.cp.display_name(), r.name);
}

text_file_code_page detect(const std::string& bytes) {
  return detect_code_page(bytes.data(), bytes.size());
}

TEST(DetectCodePage, DecisionsInOrder) {
  using namespace std::string_literals;
  const std::string kb100(102400, 'a');
  struct row {
    const char* name;
    std::string bytes;
    text_file_code_page expected;
  };
  const row rows[] = {
      {"utf16 with mark", "\xFF\xFEh\0i\0"s, {1200, 1}},
      {"utf16 without mark", "h\0i\0\r\0\n\0"s, {1200, 0}},
      {"utf16 mark and cyrillic", "\xFF\xFE\x16\x04"s, {1200, 1}},
      {"utf8 mark", "\xEF\xBB\xBFtext"s, {65001, 1}},
      {"mark cut short", "\xEF\xBB"s, {0, 0}},
      {"mark one byte", "\xEF"s, {0, 0}},
      {"pure ascii", "plain text\r\n"s, {0, 0}},
      {"long ascii", std::string(300000, 'x'), {0, 0}},
      {"utf8", "\xD0\x96\xD0\xB8\n"s, {65001, 0}},
      {"invalid utf8 early", "ok\n\xD0\n"s, {0, 0}},
      {"invalid after last LF", "\xD0\x96\n\xFF"s, {65001, 0}},
      {"invalid beyond sample", kb100 + "\n\xFF\xFE\xFD", {65001, 0}},
      {"utf8 beyond sample", kb100 + "\xD0\x96", {65001, 0}},
      {"cyrillic 1251", "\xCF\xF0\xE8\xE2\xE5\xF2\r\n"s, {0, 0}},
      {"cyrillic 866", "\x8F\xE0\xA8\xA2\xA5\xE2\r\n"s, {0, 0}},
  };
  for (const row& r : rows) {
    text_file_code_page cp = detect(r.bytes);
    EXPECT_EQ(cp.number, r.expected.number) << r.name;
    EXPECT_EQ(cp.bom, r.expected.bom) << r.name;
  }
}

TEST(IsUtf8Sample, CutsAfterTheLastLineFeedAndRefusesZero) {
  EXPECT_TRUE(is_utf8_sample("a\n\xD0", 3));
  EXPECT_FALSE(is_utf8_sample("a\xD0", 2));
  EXPECT_FALSE(is_utf8_sample("\xED\xA0\x80\n", 4));  // an encoded surrogate
  try {
    is_utf8_sample("", 0);
    FAIL();
  } catch (const wexception& e) {
    EXPECT_EQ(e.message(), u"_size == 0 at ..\\Src\\win\\text_file_code_page line 130");
  }
}

TEST(DecodingCodePage, FirstKindThatEitherNames) {
  EXPECT_EQ(decoding_code_page({-1, 0}, {65001, 1}), 65001);
  EXPECT_EQ(decoding_code_page({1251, 0}, {-2, 0}), 1251);
  EXPECT_EQ(decoding_code_page({65001, 0}, {-2, 0}), 65001);
  EXPECT_EQ(decoding_code_page({-1, 0}, {0, 0}), 0);
  EXPECT_EQ(decoding_code_page({1, 0}, {-2, 0}), 1);
}

TEST(Encoders, MarksForWritingNoneForAppending) {
  struct row {
    text_file_code_page cp;
    std::string written, appended;
    uint32_t append_code;
  };
  const row rows[] = {
      {{65001, 1}, "\xEF\xBB\xBF\xD0\x96", "\xD0\x96", 0},
      {{65001, 0}, "\xD0\x96", "\xD0\x96", 0},
      {{1200, 0}, std::string("\x16\x04", 2), std::string("\x16\x04", 2), 0},
      {{1200, 1}, std::string("\xFF\xFE\x16\x04", 4), std::string("\x16\x04", 2), 0},
      {{-1, 0}, std::string("\xFF\xFE\x16\x04", 4), std::string("\x16\x04", 2), 0},
      {{1251, 0}, "\xC6", "", 87},
      {{65000, 0}, "+BBY-", "", 87},
      {{1201, 0}, std::string("\x04\x16", 2), "", 87},
  };
  for (const row& r : rows) {
    std::string w, a;
    EXPECT_EQ(encode_for_write(r.cp, u"Ж", w), 0u);
    EXPECT_EQ(w, r.written) << r.cp.number;
    EXPECT_EQ(encode_for_append(r.cp, u"Ж", a), r.append_code);
    EXPECT_EQ(a, r.appended) << r.cp.number;
  }
  std::string none;
  for (int32_t n : {0, 1, 1251, 65001, 1200}) {
    EXPECT_EQ(encode_for_write({n, 0}, u"", none), 0u);
  }
  EXPECT_EQ(none, "");
  std::string three;
  encode_for_write({65001, 0}, u"\u4E2D\u6587", three);
  EXPECT_EQ(three.size(), 6u);
}

TEST(Decoders, Ucs2OddByteAndNumberedFailure) {
  std::u16string t;
  decode_bytes(1200, std::string("a\0b", 3), t, u"f");
  EXPECT_EQ(t, u"a");
  t.clear();
  try {
    decode_bytes(12345, "x", t, u"name.txt");
    FAIL();
  } catch (const windows_error& e) {
    EXPECT_EQ(e.code(), 87u);
    EXPECT_EQ(e.message(), u"name.txt");
  }
}

TEST(WholeLinesLength, CutsAfterTheLastLineFeed) {
  using namespace std::string_literals;
  EXPECT_EQ(whole_lines_length(0, "a\r\nb\r\nc"), 6u);
  EXPECT_EQ(whole_lines_length(65001, "a\nb\nc"), 4u);
  EXPECT_EQ(whole_lines_length(65001, "abc"), 0u);
  EXPECT_EQ(whole_lines_length(1200, "a\0\n\0b\0"s), 4u);
  // A 0A byte at an odd offset is the high byte of U+0A00, not a line feed.
  EXPECT_EQ(whole_lines_length(1200, "\0\n\0\0"s), 0u);
  EXPECT_EQ(whole_lines_length(1201, "\0a\0\n\0b"s), 4u);
}

}  // namespace
}  // namespace vyn
