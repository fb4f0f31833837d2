// sorvex end to end: file mode, stream mode and list files.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sorvex_test_util.h"

namespace sorvex_test {
namespace {

TEST(FileMode, OutputLevels) {
  temp_dir d;
  struct row {
    std::string level;
    std::string out;
  };
  const row rows[] = {
      {"-o:q", kTitle},
      {"-o:s", kTitle + "a.txt ANSI\nb.txt UTF-8_BOM\n"},
      {"-o:detailed", kTitle + "a.txt ANSI : 1\nb.txt UTF-8_BOM : 2\n"},
      {"-notitle", "a.txt ANSI\nb.txt UTF-8_BOM\n"},  // short by default
  };
  for (const row& r : rows) {
    d.write("a.txt", "x\r\n");
    d.write("b.txt", "\xEF\xBB\xBFx x\n");
    run_result out = sorvex(d, {"-spt:x", "-t:y", r.level, "*.txt"});
    EXPECT_EQ(out.out, r.out) << r.level;
    EXPECT_EQ(out.exit_code, 0);
    EXPECT_EQ(d.read("a.txt"), "y\r\n");
    EXPECT_EQ(d.read("b.txt"), "\xEF\xBB\xBFy y\n");
  }
}

TEST(FileMode, ExitCodes) {
  temp_dir d;
  d.write("a.txt", "abc");
  struct row {
    std::vector<std::string> args;
    int exit_code;
    std::string out;
  };
  const row rows[] = {
      {{"-spt:b", "-t:B", "-notitle", "a.txt"}, 0, "a.txt ANSI\n"},
      {{"-spt:z", "-t:Z", "-notitle", "a.txt"}, 1, "a.txt ANSI\n"},
      {{"-spt:z", "-t:Z", "-notitle", "none.*"}, 2, ""},
      {{"-spt:z", "-t:Z", "-notitle", "none/*.txt"}, 2, ""},
      // A mask that matches nothing is forgotten when a later mask matches...
      {{"-spt:c", "-t:C", "-notitle", "none.*", "a.txt"}, 0, "a.txt ANSI\n"},
      // ... but not when it comes after.
      {{"-spt:C", "-t:c", "-notitle", "a.txt", "none.*"}, 2, "a.txt ANSI\n"},
  };
  for (const row& r : rows) {
    run_result out = sorvex(d, r.args);
    EXPECT_EQ(out.exit_code, r.exit_code) << r.args.back();
    EXPECT_EQ(out.out, r.out) << r.args.back();
    EXPECT_EQ(out.err, "");
  }
  EXPECT_EQ(d.read("a.txt"), "aBc");
}

TEST(FileMode, FailingFileKeepsItsNameOnTheLineAndTheRunFails) {
  temp_dir d;
  d.write("a.txt", "aaa");
  d.write("b.txt", "aaa");
  d.write("a.txt.tmp/blocker", "");  // the stale temporary file cannot go
  run_result out = sorvex(d, {"-spt:a", "-t:b", "-notitle", "*.txt"});
  EXPECT_EQ(out.exit_code, 2);
  EXPECT_EQ(out.out, "a.txtb.txt ANSI\n");
  EXPECT_EQ(d.read("a.txt"), "aaa");
  EXPECT_EQ(d.read("b.txt"), "bbb");
}

TEST(FileMode, CodePageConversion) {
  temp_dir d;
  d.write("c.txt", "\xC6\xE8\xE2\r\n");
  run_result out = sorvex(d, {"-cp:1251,utf8bom", "-o:d", "-notitle", "c.txt"});
  EXPECT_EQ(out.exit_code, 0);
  EXPECT_EQ(out.out, "c.txt UTF-8_BOM : 0\n");
  EXPECT_EQ(d.read("c.txt"), "\xEF\xBB\xBF\xD0\x96\xD0\xB8\xD0\xB2\r\n");
  // Accepted (the marks differ), but a target with the number of the code
  // page as read keeps the code page as read, mark included.
  out = sorvex(d, {"-cp:utf8bom,utf8", "-notitle", "c.txt"});
  EXPECT_EQ(out.exit_code, 0);
  EXPECT_EQ(d.read("c.txt"), "\xEF\xBB\xBF\xD0\x96\xD0\xB8\xD0\xB2\r\n");
  out = sorvex(d, {"-cp:auto,unicode", "-notitle", "c.txt"});
  EXPECT_EQ(d.read("c.txt"), std::string("\xFF\xFE\x16\x04\x38\x04\x32\x04\r\0\n\0", 12));
}

TEST(FileMode, EmptyFileReportsThePreviousCodePage) {
  temp_dir d;
  d.write("a.txt", "\xEF\xBB\xBFx");
  d.write("b.txt", "");
  run_result out = sorvex(d, {"-spt:x", "-t:y", "-notitle", "-o:d", "*.txt"});
  EXPECT_EQ(out.out, "a.txt UTF-8_BOM : 1\nb.txt UTF-8_BOM : 0\n");
  EXPECT_EQ(d.read("b.txt"), "");
}

TEST(FileMode, RecursiveWithQuotedMask) {
  temp_dir d;
  d.write("top.txt", "k");
  d.write("sub/deep/inner.txt", "k");
  d.write("sub/other.log", "k");
  run_result out = sorvex(d, {"-spt:k", "-t:K", "-r", "-notitle", "*.txt"});
  EXPECT_EQ(out.exit_code, 0);
  EXPECT_EQ(out.out, "top.txt ANSI\nsub/deep/inner.txt ANSI\n");
  EXPECT_EQ(d.read("sub/deep/inner.txt"), "K");
  EXPECT_EQ(d.read("sub/other.log"), "k");
  // An absolute mask that starts with "/" is a mask, not an option.
  out = sorvex(d, {"-spt:K", "-t:Q", "-notitle", d.file("sub") + "/deep/*.txt"});
  EXPECT_EQ(out.exit_code, 0);
  EXPECT_EQ(d.read("sub/deep/inner.txt"), "Q");
}

TEST(StreamMode, LinesCountAndEnds) {
  temp_dir d;
  struct row {
    std::string in, out;
    int exit_code;
  };
  const row rows[] = {
      {"q1\nq2\nq3\n", kTitle + "w1\nw2\nw3\n", 3},
      {"", kTitle, 0},
      {"q\nlast q", kTitle + "w\nlast w\n", 2},  // the last line gains its end
      {"crlf q\r\n", kTitle + "crlf w\r\n", 1},
      {"\xFF\xFE q \xD0\n", kTitle + "\xFF\xFE w \xD0\n", 1},  // undecodable bytes pass
  };
  for (const row& r : rows) {
    run_result out = sorvex(d, {"-spt:q", "-t:w"}, r.in);
    EXPECT_EQ(out.out, r.out);
    EXPECT_EQ(out.exit_code, r.exit_code);
  }
  std::string many;
  for (int i = 0; i < 300; ++i) many += "a\n";
  EXPECT_EQ(sorvex(d, {"-spt:a", "-t:b", "-notitle"}, many).exit_code, 255);
}

TEST(StreamMode, FailingActionKeepsWhatWasWritten) {
  temp_dir d;
  run_result out = sorvex(d, {"-notitle", "-sre:(a|aa)*b", "-t:x"},
                          "ok\n" + std::string(30000, 'a') + "!b\nnever\n");
  EXPECT_EQ(out.exit_code, 2);
  EXPECT_EQ(out.out, "ok\n");
}

TEST(ListFile, LinesCommentsAndOrder) {
  temp_dir d;
  d.write("list.txt",
          "' a comment\r\n"
          "\r\n"
          "-spt:a -t:b\r\n"
          "   \t\n"
          "-spt:b -t:c\n");
  d.write("f.txt", "a");
  run_result out = sorvex(d, {"-list:list.txt", "-notitle", "f.txt"});
  // The blank-only line has no search: 504.
  EXPECT_EQ(out.exit_code, 2);
  EXPECT_EQ(out.err, usage_error(87, "Search string not specified. "));
  EXPECT_EQ(d.read("f.txt"), "a");

  d.write("list.txt", "' a comment\r\n\r\n-spt:a -t:b\r\n-spt:b -t:c\n 'not a comment");
  out = sorvex(d, {"-list:list.txt", "-notitle", "f.txt"});
  EXPECT_EQ(out.exit_code, 2);
  EXPECT_EQ(out.err, usage_error(50, "'not a comment"));

  d.write("list.txt", "' a comment\r\n\r\n-spt:a -t:b\r\n-spt:b -t:c\n");
  out = sorvex(d, {"-list:list.txt", "-notitle", "-o:d", "f.txt"});
  EXPECT_EQ(out.exit_code, 0);
  EXPECT_EQ(out.out, "f.txt ANSI : 2\n");
  EXPECT_EQ(d.read("f.txt"), "c");

  // The list's actions come before the command line's.
  d.write("f.txt", "a");
  out = sorvex(d, {"-spt:c", "-t:d", "-list:list.txt", "-notitle", "f.txt"});
  EXPECT_EQ(d.read("f.txt"), "d");
}

TEST(ListFile, LineForms) {
  temp_dir d;
  struct row {
    std::string line, before, after;
  };
  const row rows[] = {
      {"-sre:(\\d+) -ft:<$1>", "a12b3", "a<12>b<3>"},
      {"-spt:x -occ:2 -ib -t:y", "xxx", "xyx"},  // -occ comes first in a list
      {"-insert -t:header", "body", "headerbody"},
      {"-set:\\t -et:\\x41", "a\tb", "aAb"},
      {"-sre:\"a b\" -t:\"c d\"", "a b", "c d"},
      {"-spt:Q -i -t:q", "QqQ", "qqq"},
      {"-sre:a -ia -t:!", "aXa", "a!Xa!"},
  };
  for (const row& r : rows) {
    d.write("list.txt", r.line + "\n");
    d.write("f.txt", r.before);
    run_result out = sorvex(d, {"-list:list.txt,utf8", "-notitle", "f.txt"});
    EXPECT_EQ(out.exit_code, 0) << r.line << out.err;
    EXPECT_EQ(d.read("f.txt"), r.after) << r.line;
  }
}

TEST(ListFile, Utf16ListAndEncodings) {
  temp_dir d;
  std::string list = "\xFF\xFE";
  for (char16_t u : std::u16string(u"-spt:жук -t:жёлудь\r\n")) {
    list += char(u & 0xFF);
    list += char(u >> 8);
  }
  d.write("list.txt", list);
  d.write("f.txt", "\xD0\xB6\xD1\x83\xD0\xBA\n");  // UTF-8 without a mark
  run_result out = sorvex(d, {"-list:list.txt", "-notitle", "f.txt"});
  EXPECT_EQ(out.exit_code, 0) << out.err;
  EXPECT_EQ(d.read("f.txt"), "\xD0\xB6\xD1\x91\xD0\xBB\xD1\x83\xD0\xB4\xD1\x8C\n");
}

TEST(ListFile, LineErrors) {
  temp_dir d;
  d.write("f.txt", "abc");
  d.write("r.txt", "R");
  struct row {
    std::string line;
    uint32_t code;
    std::string message;
  };
  const row rows[] = {
      {"-spt:a -sre:b -t:c", 87, "-spt, -sre, -spf, or -srf options duplicated"},
      {"-spt:a -ib -ia -t:c", 87, "-e, -t, -et, -ft, -fet, or -f options duplicated"},
      {"-spt:a -f:r.txt -t:c", 87,
       "Specifing replace string and replace file at the same time is not allowed. "},
      {"-spt:a -ft:x", 87, "-spt/-set cannot be used with -ft/-fet options"},
      {"-t:x", 87, "Search string not specified. "},
      {"-spt:a -occ:0 -t:c", 87, "occurences"},
      {"-insert -t:x -occ:x", 87, "occurences"},  // refused even where unused
      {"-append -t:x", 50, "-append -t:x"},
      {"-spt:a -t:b f.txt", 50, "f.txt"},
      {"-spt:a -t:b -t:c", 1247, ""},
  };
  for (const row& r : rows) {
    d.write("list.txt", "-spt:b -t:B\n" + r.line + "\n");
    run_result out = sorvex(d, {"-list:list.txt", "-notitle", "f.txt"});
    EXPECT_EQ(out.exit_code, 2) << r.line;
    EXPECT_EQ(out.err, r.code == 1247 ? "" : usage_error(r.code, r.message)) << r.line;
    EXPECT_EQ(d.read("f.txt"), "abc") << r.line;
  }
}

TEST(ListFile, EmptyListWithMasksNeedsCodePages) {
  temp_dir d;
  d.write("list.txt", "' nothing but a comment\n");
  d.write("f.txt", "abc");
  run_result out = sorvex(d, {"-list:list.txt", "f.txt"});
  EXPECT_EQ(out.err, usage_error(87, "Invalid value for codepage parameter. "));
}

}  // namespace
}  // namespace sorvex_test
