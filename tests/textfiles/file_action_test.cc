#include "textfiles/file_action.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "engine/insert_actions.h"
#include "engine/plain_actions.h"
#include "engine/string_action_set.h"
#include "platform/utf.h"
#include "support/temp_dir.h"

namespace vyn {
namespace {

namespace fs = std::filesystem;
using testing_support::temp_dir;

// Runs the block action on one file; the result and the action.
struct run_outcome {
  result r;
  text_file_code_page written;
  int32_t replacements;
};

run_outcome rewrite(const temp_dir& d, const std::string& name,
                    text_file_code_page source, text_file_code_page target,
                    std::u16string sample = u"", std::u16string replacement = u"",
                    int64_t block_size = 52'428'800) {
  string_action_set set;
  if (!sample.empty()) set.add(new string_replace(sample, replacement));
  text_file_block_action action;
  action.set_code_pages(source.number, source.bom, target.number, target.bom);
  action.set_action_set(&set);
  action.block_size = block_size;
  action.set_name(utf8_to_utf16(d.file(name)));
  result r = action.run();
  return {r, action.written_code_page, set.replacements()};
}

TEST(TextFileBlockAction, CodePageChoices) {
  using namespace std::string_literals;
  struct row {
    const char* name;
    std::string before;
    text_file_code_page source, target;
    std::string after;
    text_file_code_page written;
  };
  const row rows[] = {
      {"utf8 mark kept", "\xEF\xBB\xBF\xD0\x96x\n"s, {-1, 0}, {-1, 0}, "\xEF\xBB\xBF\xD0\x96x\n"s, {65001, 1}},
      {"utf8 no mark", "\xD0\x96x\n"s, {-1, 0}, {-1, 0}, "\xD0\x96x\n"s, {65001, 0}},
      {"ascii stays", "plain\r\n"s, {-1, 0}, {-1, 0}, "plain\r\n"s, {0, 0}},
      {"utf16 to ansi", "\xFF\xFE" "a\0\r\0\n\0"s, {-1, 0}, {0, 0}, "a\r\n"s, {0, 0}},
      {"ansi to unicode", "ab"s, {-1, 0}, {1200, 1}, "\xFF\xFE" "a\0b\0"s, {1200, 1}},
      {"same number other mark ignored", "\xD0\x96\n"s, {-1, 0}, {65001, 1}, "\xD0\x96\n"s, {65001, 0}},
      {"source mark travels", "\xD0\x96\n"s, {65001, 1}, {-1, 0}, "\xEF\xBB\xBF\xD0\x96\n"s, {65001, 1}},
      {"1251 to utf8", "\xC6\xE8\xE2\r\n"s, {1251, 0}, {65001, 0}, "\xD0\x96\xD0\xB8\xD0\xB2\r\n"s, {65001, 0}},
      {"invalid utf8 kept", "\xD0\x96\n\xFF\xFE\n"s, {65001, 0}, {-1, 0}, "\xD0\x96\n\xFF\xFE\n"s, {65001, 0}},
  };
  for (const row& r : rows) {
    temp_dir d;
    d.write("f.txt", r.before);
    run_outcome o = rewrite(d, "f.txt", r.source, r.target);
    EXPECT_TRUE(o.r.ok()) << r.name;
    EXPECT_EQ(d.read("f.txt"), r.after) << r.name;
    EXPECT_EQ(o.written, r.written) << r.name;
    EXPECT_FALSE(d.exists("f.txt.tmp")) << r.name;
  }
}

TEST(TextFileBlockAction, ReplacesAndRewritesUnmatchedFilesByteForByte) {
  temp_dir d;
  d.write("a.txt", "one two one\r\n");
  run_outcome o = rewrite(d, "a.txt", {-1, 0}, {-1, 0}, u"one", u"1");
  EXPECT_TRUE(o.r.ok());
  EXPECT_EQ(o.replacements, 2);
  EXPECT_EQ(d.read("a.txt"), "1 two 1\r\n");

  std::string odd = "caf\xE9 \x80\x81\x8D\x8F\x90\x9D\r\nlast";  // 1252 bytes, holes included
  d.write("b.txt", odd);
  auto before = fs::last_write_time(d.file("b.txt"));
  o = rewrite(d, "b.txt", {-1, 0}, {-1, 0}, u"zzz", u"y");
  EXPECT_TRUE(o.r.ok());
  EXPECT_EQ(o.replacements, 0);
  EXPECT_EQ(d.read("b.txt"), odd);
  EXPECT_GE(fs::last_write_time(d.file("b.txt")), before);
}

TEST(TextFileBlockAction, EmptyFileIsLeftAlone) {
  temp_dir d;
  d.write("e.txt", "");
  auto before = fs::last_write_time(d.file("e.txt"));
  run_outcome o = rewrite(d, "e.txt", {-1, 0}, {1200, 1}, u"a", u"b");
  EXPECT_TRUE(o.r.ok());
  EXPECT_EQ(d.read("e.txt"), "");
  EXPECT_EQ(fs::last_write_time(d.file("e.txt")), before);
  EXPECT_FALSE(d.exists("e.txt.tmp"));
}

TEST(TextFileBlockAction, StaleTemporaryFile) {
  temp_dir d;
  d.write("f.txt", "abc\n");
  d.write("f.txt.tmp", "stale");
  EXPECT_TRUE(rewrite(d, "f.txt", {-1, 0}, {-1, 0}, u"b", u"B").r.ok());
  EXPECT_EQ(d.read("f.txt"), "aBc\n");
  EXPECT_FALSE(d.exists("f.txt.tmp"));

  // A temporary name that cannot be removed (a directory with content):
  // the file's result is an error and the file is untouched.
  d.write("g.txt", "abc\n");
  d.write("g.txt.tmp/inside", "x");
  run_outcome o = rewrite(d, "g.txt", {-1, 0}, {-1, 0}, u"b", u"B");
  EXPECT_FALSE(o.r.ok());
  EXPECT_NE(o.r.code(), 0u);
  EXPECT_EQ(d.read("g.txt"), "abc\n");
}

TEST(TextFileBlockAction, SixtyMebibytesInTwoBlocks) {
  temp_dir d;
  std::string line = "The quick brown fox jumps over the lazy dog 0123456789\r\n";
  std::string content;
  content.reserve(61u << 20);
  while (content.size() < (60u << 20)) content += line;
  d.write("big.txt", content);
  string_action_set set;
  set.add(new string_replace(u"fox", u"cat"));
  text_file_block_action action;
  action.set_action_set(&set);
  action.set_name(utf8_to_utf16(d.file("big.txt")));
  ASSERT_TRUE(action.run().ok());
  EXPECT_EQ(set.replacements(), int32_t(content.size() / line.size()));
  std::string expected = content;
  for (size_t at = expected.find("fox"); at != std::string::npos; at = expected.find("fox", at))
    expected.replace(at, 3, "cat");
  EXPECT_TRUE(d.read("big.txt") == expected);
}

TEST(TextFileBlockAction, KeepsPermissionsAndFollowsLinks) {
  temp_dir d;
  d.write("real.txt", "abc\n");
  fs::permissions(d.file("real.txt"), fs::perms::owner_read | fs::perms::owner_write |
                                          fs::perms::group_read | fs::perms::others_exec);
  fs::create_symlink("real.txt", d.file("link.txt"));
  EXPECT_TRUE(rewrite(d, "link.txt", {-1, 0}, {-1, 0}, u"b", u"B").r.ok());
  EXPECT_TRUE(fs::is_symlink(d.file("link.txt")));
  EXPECT_EQ(d.read("real.txt"), "aBc\n");
  EXPECT_EQ(fs::status(d.file("real.txt")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_exec);
  EXPECT_FALSE(d.exists("real.txt.tmp"));
  EXPECT_FALSE(d.exists("link.txt.tmp"));
}

TEST(TextFileBlockAction, MissingFileIsAnError) {
  temp_dir d;
  run_outcome o = rewrite(d, "none.txt", {-1, 0}, {-1, 0});
  EXPECT_EQ(o.r.code(), 2u);
  EXPECT_FALSE(o.r.ok());
}

TEST(TextFileBlockAction, FailingActionLeavesTheFileAndNoTemporary) {
  temp_dir d;
  std::string content;
  for (int i = 0; i < 1000; ++i) content += "line\n";
  d.write("f.txt", content);
  string_action_set set;
  set.add(new string_replace(u"line", u"LINE"));
  set.add(new string_insert(u"x", -1, 1000));  // fails: past the end
  text_file_block_action action;
  action.set_action_set(&set);
  action.block_size = 100;
  action.set_name(utf8_to_utf16(d.file("f.txt")));
  EXPECT_FALSE(action.run().ok());
  EXPECT_EQ(d.read("f.txt"), content);
  EXPECT_FALSE(d.exists("f.txt.tmp"));
}

}  // namespace
}  // namespace vyn
