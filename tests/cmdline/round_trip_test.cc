// From the shell to the variables: argument vectors as a shell delivers
// them are joined into one command line and parsed back; each value must
// reach its variable unchanged wherever the option's syntax can hold it.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cmdline/argument_parsers.h"
#include "foundations/exceptions.h"
#include "platform/command_line.h"
#include "tasks/escape_text.h"

namespace vyn {
namespace {

struct variables {
  std::u16string plain, regex, escape, file;
  text_file_code_page cp;
  std::vector<std::u16string> subs, masks;
  bool flag = false, present = false;
};

// Parses `args` (after the program name) with one parser of each kind.
uint32_t parse_args(const std::vector<std::u16string>& args, variables& v) {
  std::vector<std::u16string> argv{u"sorvex"};
  argv.insert(argv.end(), args.begin(), args.end());
  commandline_customized_parser p;
  p.command_line = platform::rebuild_command_line(argv);
  p.add(new commandline_multiargument_parser(u"", &v.masks));
  p.add(new commandline_bool_argument_parser(u"(i|ignorecase)", &v.flag));
  p.add(new argument_parser(u"(t|text)", &v.plain));
  p.add(new commandline_argument_regex_parser(u"sre", &v.regex));
  p.add(new commandline_argument_escape_parser(u"et", &v.escape));
  p.add(new commandline_filename_parser(u"f", &v.file, &v.cp));
  p.add(new commandline_argument_subvalues_parser(u"cp", &v.present, &v.subs));
  try {
    p.execute();
    return 0;
  } catch (const windows_error& e) {
    return e.code();
  }
}

// Values a shell may deliver: blanks, quotes, colons, commas, backslashes,
// letters beyond ASCII, and the empty value.
const std::vector<std::u16string> kValues = {
    u"plain",      u"two words",  u"  lead and trail  ", u"a\"b",     u"\"quoted\"",
    u"\"",         u"a:b:c",      u"x,y",                u"a, b",     u"C:\\dir\\",
    u"back\\slash", u"жёлтый дом", u"",                  u"\ttab",    u"end\"",
};

TEST(RoundTrip, PlainText) {
  for (const std::u16string& value : kValues) {
    variables v;
    ASSERT_EQ(parse_args({u"-t:" + value}, v), 0u);
    EXPECT_EQ(v.plain, value);
  }
}

TEST(RoundTrip, PlainTextCannotHoldAQuoteBeforeABlank) {
  // The plain value ends at a quote followed by a blank, and a plain value
  // has no escape for it: the rest becomes an argument of its own.
  // Here the value is cut after the backslash that protects the quote, and
  // what follows, now"... with a quote left open, is refused with 87.
  variables v;
  EXPECT_EQ(parse_args({u"-t:say \"hi\" now"}, v), 87u);
  EXPECT_EQ(v.plain, u"say \"hi\\");
}

TEST(RoundTrip, RegularExpression) {
  std::vector<std::u16string> values = kValues;
  values.push_back(u"say \"hi\" now");  // a quote before a blank survives here
  values.push_back(u"[\"] \\d+");
  for (const std::u16string& value : values) {
    if (value.ends_with(u"\\") && value.find(u' ') != std::u16string::npos) continue;
    variables v;
    ASSERT_EQ(parse_args({u"-sre:" + value}, v), 0u);
    EXPECT_EQ(v.regex, value);
  }
}

TEST(RoundTrip, RegexValueWithBlankCannotEndInABackslash) {
  // Inside quotes a backslash before the closing quote escapes it.
  variables v;
  parse_args({u"-sre:a b\\"}, v);
  EXPECT_NE(v.regex, u"a b\\");
}

TEST(RoundTrip, EscapeText) {
  for (std::u16string value : {u"a\\tb", u"x y\\n", u"\\u0416 \\x41", u"q\\\"", u"",
                               u"two words", u"жук"}) {
    variables v;
    ASSERT_EQ(parse_args({u"-et:" + value}, v), 0u);
    decode_escapes(value);
    EXPECT_EQ(v.escape, value);
  }
}

TEST(RoundTrip, FileNameAndCodePage) {
  struct row {
    std::u16string arg, file;
    text_file_code_page cp;
  };
  const row rows[] = {
      {u"-f:list.txt", u"list.txt", {-1, 0}},
      {u"-f:list.txt,utf8", u"list.txt", {65001, 0}},
      {u"-f:C:\\dir\\жук.txt,1251", u"C:\\dir\\жук.txt", {1251, 0}},
      {u"-f:a:b.txt", u"a:b.txt", {-1, 0}},
      {u"-f:my list.txt", u"my list.txt", {-1, 0}},
      // A name with a blank and a code page in one argument: the whole
      // value is one quoted subvalue, so the comma stays in the name.
      {u"-f:my list.txt,utf8", u"my list.txt,utf8", {-1, 0}},
      {u"-f:", u"", {-1, 0}},
  };
  for (const row& r : rows) {
    variables v;
    ASSERT_EQ(parse_args({r.arg}, v), 0u);
    EXPECT_EQ(v.file, r.file);
    EXPECT_EQ(v.cp, r.cp);
  }
}

TEST(RoundTrip, Subvalues) {
  struct row {
    std::u16string arg;
    std::vector<std::u16string> subs;
  };
  const row rows[] = {
      {u"-cp:ansi,utf8", {u"ansi", u"utf8"}},
      {u"-cp:oem", {u"oem"}},
      {u"-cp:a,,b", {u"a", u"", u"b"}},
      {u"-cp:жук", {u"жук"}},
      {u"-cp:", {u""}},
      {u"-cp", {}},
  };
  for (const row& r : rows) {
    variables v;
    ASSERT_EQ(parse_args({r.arg}, v), 0u);
    EXPECT_TRUE(v.present);
    EXPECT_EQ(v.subs, r.subs);
  }
}

TEST(RoundTrip, FlagAndMasks) {
  variables v;
  ASSERT_EQ(parse_args({u"-i", u"*.txt", u"my docs/*.md", u"/srv/data/*.txt", u"жук.txt",
                        u"back\\slash", u"\"q\""},
                       v),
            0u);
  EXPECT_TRUE(v.flag);
  // Enclosing quotes are taken off a mask, pair after pair.
  EXPECT_EQ(v.masks, (std::vector<std::u16string>{u"*.txt", u"my docs/*.md",
                                                  u"/srv/data/*.txt", u"жук.txt",
                                                  u"back\\slash", u"q"}));
  // A quote inside a mask opens a quoted stretch that never closes.
  variables q;
  EXPECT_EQ(parse_args({u"a\"b"}, q), 87u);
  variables h;
  EXPECT_EQ(parse_args({u"-i:x"}, h), 87u);
}

TEST(RoundTrip, SlashIsStillAnOptionWhenOneClaimsIt) {
  variables v;
  ASSERT_EQ(parse_args({u"/i", u"/t:x", u"/srv/t:x"}, v), 0u);
  EXPECT_TRUE(v.flag);
  EXPECT_EQ(v.plain, u"x");
  EXPECT_EQ(v.masks, (std::vector<std::u16string>{u"/srv/t:x"}));
}

TEST(RebuildCommandLine, Forms) {
  EXPECT_EQ(platform::rebuild_command_line({u"p", u"-t:a b", u"x y", u"-i", u"-t:", u""}),
            u"p -t:\"a b\" \"x y\" -i -t:\"\" \"\"");
  EXPECT_EQ(platform::rebuild_command_line({u"p", u"-t:say \"hi\" now"}),
            u"p -t:\"say \"hi\\\" now\"");
  EXPECT_EQ(platform::rebuild_command_line({u"p", u"\"q\""}), u"p \"\"q\"\"");
}

}  // namespace
}  // namespace vyn
