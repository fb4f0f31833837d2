#include "textfiles/textfile.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/utf.h"
#include "support/temp_dir.h"

namespace vyn {
namespace {

using testing_support::temp_dir;

std::u16string path16(const temp_dir& d, const std::string& name) {
  return utf8_to_utf16(d.file(name));
}

// Reads a file block by block; the blocks' texts in order.
std::vector<std::u16string> blocks(const std::u16string& path, text_file_code_page cp,
                                   int64_t block_size, text_file_code_page* reported = nullptr) {
  textfile f(path, cp);
  f.block_size = block_size;
  std::vector<std::u16string> out;
  std::u16string text;
  while (f.read_block(text, reported)) out.push_back(text);
  EXPECT_FALSE(f.is_open());
  EXPECT_FALSE(f.read_block(text));  // stays at the end
  return out;
}

std::u16string joined(const std::vector<std::u16string>& parts) {
  std::u16string all;
  for (const auto& p : parts) all += p;
  return all;
}

TEST(TextfileRead, ReportsTheCodePageAndSkipsTheMark) {
  temp_dir d;
  using namespace std::string_literals;
  struct row {
    std::string bytes;
    text_file_code_page set, reported;
    std::u16string text;
  };
  const row rows[] = {
      {"\xEF\xBB\xBF\xD0\x96\r\n"s, {-1, 0}, {65001, 1}, u"Ж\r\n"},
      {"\xD0\x96"s, {-1, 0}, {65001, 0}, u"Ж"},
      {"\xFF\xFE\x16\x04"s, {-1, 0}, {1200, 1}, u"Ж"},
      {"\x16\x04\r\0"s, {1200, 1}, {1200, 0}, u"Ж\r"},
      {"plain"s, {-1, 0}, {0, 0}, u"plain"},
      {"\xC6"s, {1251, 1}, {1251, 0}, u"Ж"},
      {"\x86"s, {866, 0}, {866, 0}, u"Ж"},
      {"+BBY-"s, {65000, 0}, {65000, 0}, u"Ж"},
      {"\xEF\xBB\xBFx"s, {65001, 0}, {65001, 1}, u"x"},
  };
  for (const row& r : rows) {
    d.write("f", r.bytes);
    textfile f(path16(d, "f"), r.set);
    std::u16string text = u"old";
    text_file_code_page reported{-2, 0};
    f.read(text, &reported);
    EXPECT_EQ(text, r.text);
    EXPECT_EQ(reported, r.reported) << r.set.number;
  }
}

TEST(TextfileRead, EmptyAndMissingFiles) {
  temp_dir d;
  d.write("empty", "");
  textfile f(path16(d, "empty"), {-1, 0});
  std::u16string text = u"x";
  text_file_code_page reported{42, 1};
  f.read(text, &reported);
  EXPECT_TRUE(text.empty());
  EXPECT_EQ(reported, (text_file_code_page{42, 1}));
  EXPECT_FALSE(f.read_block(text));

  textfile missing(path16(d, "missing"), {-1, 0});
  try {
    missing.read(text);
    FAIL();
  } catch (const file_error& e) {
    EXPECT_EQ(e.code(), 2u);
    EXPECT_EQ(e.message(), u"File operation failed '" + path16(d, "missing") + u"'");
  }
  EXPECT_THROW(missing.read_block(text), file_error);
}

TEST(TextfileBlocks, OneMebibytePlusTenInTwoCalls) {
  temp_dir d;
  for (std::string eol : {"\r\n", "\n"}) {
    std::string line = "0123456789abcdef" + eol;
    std::string content;
    while (content.size() < (1u << 20)) content += line;
    content.resize(1 << 20);
    content += "tail line\n";  // 10 more bytes
    // Make the content end exactly 10 bytes past the first block.
    ASSERT_EQ(content.size(), (1u << 20) + 10);
    d.write("f", content);
    auto parts = blocks(path16(d, "f"), {-1, 0}, 1 << 20);
    ASSERT_EQ(parts.size(), 2u) << eol.size();
    EXPECT_EQ(parts[0].back(), u'\n');
    EXPECT_TRUE(utf16_to_utf8(joined(parts)) == content);
  }
}

TEST(TextfileBlocks, Utf8MarkIsSkippedOnlyAtTheStart) {
  temp_dir d;
  std::string content = "\xEF\xBB\xBF";
  for (int i = 0; i < 5000; ++i) content += "\xD0\x96\xD0\xB8\xD0\xB2\xD1\x91\n";
  content += "\xEF\xBB\xBFinner\n";  // a mark inside the file is text
  d.write("f", content);
  text_file_code_page reported{-2, 0};
  auto parts = blocks(path16(d, "f"), {-1, 0}, 4096, &reported);
  EXPECT_GT(parts.size(), 5u);
  EXPECT_EQ(reported, (text_file_code_page{65001, 1}));
  EXPECT_TRUE(utf16_to_utf8(joined(parts)) == content.substr(3));
  for (const auto& p : parts) EXPECT_EQ(p.back(), u'\n');
}

TEST(TextfileBlocks, Ucs2WithMarkInBlocks) {
  temp_dir d;
  std::u16string text;
  for (int i = 0; i < 3000; ++i) text += u"строка\r\n";
  std::string bytes = "\xFF\xFE";
  for (char16_t u : text) {
    bytes += char(u & 0xFF);
    bytes += char(u >> 8);
  }
  d.write("f", bytes);
  text_file_code_page reported;
  auto parts = blocks(path16(d, "f"), {-1, 0}, 1001, &reported);  // odd size on purpose
  EXPECT_EQ(reported, (text_file_code_page{1200, 1}));
  EXPECT_TRUE(joined(parts) == text);
}

TEST(TextfileBlocks, LastLineWithoutEndAndLongLine) {
  temp_dir d;
  d.write("f", "a\nb\nlast");
  auto parts = blocks(path16(d, "f"), {-1, 0}, 3);
  EXPECT_EQ(joined(parts), u"a\nb\nlast");
  EXPECT_EQ(parts.back(), u"last");

  // One 3 MiB line of Cyrillic UTF-8 without any line feed: delivered whole
  // in one block, no character split, no endless loop.
  std::string line;
  while (line.size() < (3u << 20)) line += "\xD0\x96";
  d.write("long", line);
  auto whole = blocks(path16(d, "long"), {65001, 0}, 1 << 20);
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_TRUE(whole[0] == std::u16string(line.size() / 2, u'Ж'));

  // The same with a line feed at the very end: still one block.
  d.write("long2", line + "\n");
  EXPECT_EQ(blocks(path16(d, "long2"), {-1, 0}, 1 << 20).size(), 1u);

  // A mark before a first line longer than a block is skipped all the same.
  d.write("long3", "\xEF\xBB\xBF" + line + "\nrest\n");
  auto marked = blocks(path16(d, "long3"), {-1, 0}, 1 << 20);
  EXPECT_TRUE(joined(marked) == std::u16string(line.size() / 2, u'Ж') + u"\nrest\n");
}

TEST(TextfileBlocks, ReportsTheSetCodePageWhenNotAuto) {
  temp_dir d;
  d.write("f", "\xEF\xBB\xBFx\n");
  text_file_code_page reported;
  auto parts = blocks(path16(d, "f"), {65001, 0}, 64, &reported);
  EXPECT_EQ(reported, (text_file_code_page{65001, 0}));
  EXPECT_EQ(joined(parts), u"x\n");
}

TEST(TextfileWrite, ShorterTextLeavesNoTail) {
  temp_dir d;
  d.write("f", "a much longer old content");
  textfile f(path16(d, "f"), {65001, 0});
  EXPECT_TRUE(f.write(u"short").ok());
  EXPECT_EQ(d.read("f"), "short");
}

TEST(TextfileAppend, CreatesWithMarkAddsNoneLater) {
  temp_dir d;
  textfile f(path16(d, "new"), {65001, 1});
  EXPECT_TRUE(f.append(u"a").ok());
  EXPECT_TRUE(f.append(u"b").ok());
  EXPECT_EQ(d.read("new"), "\xEF\xBB\xBF" "ab");

  textfile u(path16(d, "u16"), {-1, 0});
  EXPECT_TRUE(u.append(u"x").ok());
  EXPECT_TRUE(u.append(u"y").ok());
  EXPECT_EQ(d.read("u16"), std::string("\xFF\xFEx\0y\0", 6));
}

TEST(TextfileAppend, UnsupportedCodePagesFailAndWriteNothing) {
  temp_dir d;
  for (int32_t cp : {65000, 1251}) {
    d.write("f", "before");
    textfile f(path16(d, "f"), {cp, 0});
    result r = f.append(u"x");
    EXPECT_EQ(r.code(), 87u);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(d.read("f"), "before");
    EXPECT_THROW(f.append_or_throw(u"x"), file_error);
  }
}

TEST(TextfileRoundTrip, ByteExact) {
  temp_dir d;
  std::mt19937 rng(3);
  std::string random(200000, '\0');
  for (auto& c : random) c = char(rng());
  struct row {
    std::string bytes;
    text_file_code_page cp;
  };
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  std::string utf16 = "\xFF\xFE";
  for (int i = 0; i < 1000; ++i) utf16 += std::string("\x16\x04\r\0\n\0", 6);
  const row rows[] = {
      {random, {65001, 0}}, {all, {1250, 0}}, {all, {1251, 0}}, {all, {1252, 0}},
      {all, {866, 0}},      {all, {437, 0}},  {utf16, {1200, 1}},
  };
  for (const row& r : rows) {
    d.write("f", r.bytes);
    textfile f(path16(d, "f"), r.cp);
    std::u16string text;
    f.read(text);
    EXPECT_TRUE(f.write(text).ok());
    EXPECT_TRUE(d.read("f") == r.bytes) << r.cp.number;
    // And through blocks.
    auto parts = blocks(path16(d, "f"), r.cp, 4096);
    EXPECT_TRUE(f.write(joined(parts)).ok());
    EXPECT_TRUE(d.read("f") == r.bytes) << r.cp.number;
  }
}

TEST(THandle, SecondCloseIsSkipped) {
  temp_dir d;
  d.write("f", "x");
  file f;
  f.open(path16(d, "f"), platform::open_mode::read_existing);
  EXPECT_TRUE(f.handle.is_valid());
  EXPECT_EQ(f.handle.close(), 0u);
  EXPECT_FALSE(f.handle.is_valid());
  EXPECT_EQ(f.handle.close(), 0u);  // logs the skipped close
}

}  // namespace
}  // namespace vyn
