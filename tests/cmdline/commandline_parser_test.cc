#include "cmdline/argument_parsers.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "foundations/error_registry.h"
#include "foundations/exceptions.h"
#include "platform/utf.h"

namespace vyn {
namespace {

// A customized parser over a given line with the parsers a test adds.
class parser : public commandline_customized_parser {
 public:
  explicit parser(std::u16string line) { command_line = std::move(line); }
};

// The outcome of a parse: 0 or the thrown code, and the thrown message.
struct outcome {
  uint32_t code = 0;
  std::u16string text;
};

outcome parse(parser& p) {
  try {
    p.execute();
    return {};
  } catch (const windows_error& e) {
    return {e.code(), e.message()};
  }
}

TEST(CustomizedParser, ValuesAndPositional) {
  std::u16string spt, t;
  std::vector<std::u16string> masks;
  parser p(u"prog -spt:abc -t:xyz *.txt");
  p.add(new commandline_argument_regex_parser(u"(spt|searchplaintext)", &spt));
  p.add(new commandline_argument_regex_parser(u"t", &t));
  p.add(new commandline_multiargument_parser(u"", &masks));
  EXPECT_EQ(parse(p).code, 0u);
  EXPECT_EQ(spt, u"abc");
  EXPECT_EQ(t, u"xyz");
  EXPECT_EQ(masks, (std::vector<std::u16string>{u"*.txt"}));
}

struct answer_case {
  const char* name;
  std::u16string line;
  uint32_t code;
  std::u16string text;
};

class ParserAnswers : public ::testing::TestWithParam<answer_case> {};

// The program's kinds of options in its order: masks, a flag, plain text,
// a regex, an escape text, a file, subvalues, and a plain option last.
TEST_P(ParserAnswers, CodeAndText) {
  std::vector<std::u16string> masks, subs;
  bool flag = false, present = false;
  std::u16string spt, sre, et, t, file;
  text_file_code_page cp;
  parser p(GetParam().line);
  p.add(new commandline_multiargument_parser(u"", &masks));
  p.add(new commandline_bool_argument_parser(u"(i|ignorecase)", &flag));
  p.add(new argument_parser(u"(spt|searchplaintext)", &spt));
  p.add(new commandline_argument_regex_parser(u"(s|sre)", &sre));
  p.add(new commandline_argument_escape_parser(u"(et|escapetext)", &et));
  p.add(new commandline_filename_parser(u"(f|file)", &file, &cp));
  p.add(new commandline_argument_subvalues_parser(u"(cp|codepage)", &present, &subs));
  p.add(new argument_parser(u"(t|text)", &t));
  outcome o = parse(p);
  EXPECT_EQ(o.code, GetParam().code) << GetParam().name;
  EXPECT_EQ(o.text, GetParam().text) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ParserAnswers,
    ::testing::Values(
        answer_case{"accepted", u"p -spt:a /SPT:b", 1247, u"/SPT"},
        answer_case{"case and prefix", u"p /SPT:x", 0, u""},
        answer_case{"colon at end", u"p -spt:", 87, u"-spt:"},
        answer_case{"colon then blank", u"p -spt: x", 87, u"-spt: x"},
        answer_case{"repeat", u"p -t:a -t:b", 1247, u"-t"},
        answer_case{"switch repeat", u"p -i -i x", 1247, u"-i"},
        answer_case{"switch repeat at end", u"p -i -i", 1247, u"-i"},
        answer_case{"unknown option", u"p -zz *.txt", 50, u"-zz *.txt"},
        answer_case{"flag with value", u"p -i:yes", 87, u"yes"},
        answer_case{"unclosed quote", u"p \"abc", 87, u"\"abc"},
        answer_case{"regex bare", u"p -sre x", 50, u"-sre x"},
        answer_case{"regex colon end", u"p -sre:", 87, u"-sre:"},
        answer_case{"regex repeat", u"p -s:a -sre:b", 1247, u"-sre"},
        answer_case{"file bare", u"p -f x", 87, u"-f"},
        answer_case{"file three", u"p -f:a,b,c x", 87, u"-f:a,b,c"},
        answer_case{"file colon end", u"p -f:", 87, u"-f:"},
        answer_case{"cp bare ok", u"p -cp x", 0, u""},
        answer_case{"cpx unknown", u"p -cpx", 50, u"-cpx"},
        answer_case{"cp repeat", u"p -cp:a -cp:b", 1247, u"-cp"},
        answer_case{"cp bare twice", u"p -cp -cp", 0, u""},
        answer_case{"plain switch", u"p -spt -t", 0, u""},
        answer_case{"program name quoted", u"\"my prog\" -t:x", 0, u""}),
    [](const auto& info) {
      std::string n = info.param.name;
      for (char& c : n) if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return n;
    });

TEST(CustomizedParser, StoresAsItGoes) {
  std::u16string t, spt;
  std::vector<std::u16string> masks;
  bool flag = true;
  parser p(u"p -t:\"a b\" -spt:\"q \\\" r\" m1 \"m 2\" mid\"dle\" -i");
  p.add(new commandline_multiargument_parser(u"", &masks));
  p.add(new commandline_bool_argument_parser(u"i", &flag));
  EXPECT_FALSE(flag);  // cleared by the constructor
  p.add(new argument_parser(u"t", &t));
  p.add(new commandline_argument_regex_parser(u"spt", &spt));
  EXPECT_EQ(parse(p).code, 0u);
  EXPECT_EQ(t, u"a b");
  EXPECT_EQ(spt, u"q \" r");
  EXPECT_EQ(masks, (std::vector<std::u16string>{u"m1", u"m 2", u"mid\"dle\""}));
  EXPECT_TRUE(flag);
}

TEST(CustomizedParser, ValuesBeforeAFailureStayStored) {
  std::u16string t;
  parser p(u"p -t:kept -zz");
  p.add(new argument_parser(u"t", &t));
  EXPECT_EQ(parse(p).code, 50u);
  EXPECT_EQ(t, u"kept");
}

TEST(CustomizedParser, RegexBackslashPairsStay) {
  std::u16string v;
  parser p(u"p -s:\"a\\\\b \\\"c\\\"\"");
  p.add(new commandline_argument_regex_parser(u"s", &v));
  EXPECT_EQ(parse(p).code, 0u);
  EXPECT_EQ(v, u"a\\\\b \"c\"");
}

TEST(CustomizedParser, EscapeValuesAreDecoded) {
  std::u16string v;
  parser p(u"p -et:a\\tb\\x41");
  p.add(new commandline_argument_escape_parser(u"et", &v));
  EXPECT_EQ(parse(p).code, 0u);
  EXPECT_EQ(v, u"a\tbA");
}

TEST(CustomizedParser, FilenameAndCodePage) {
  std::u16string file = u"old";
  text_file_code_page cp{1251, 1};
  parser p(u"p -f:\"list file.txt\",utf8");
  p.add(new commandline_filename_parser(u"f", &file, &cp));
  EXPECT_EQ(parse(p).code, 0u);
  EXPECT_EQ(file, u"list file.txt");
  EXPECT_EQ(cp, (text_file_code_page{65001, 0}));
  parser q(u"p -f:name");
  q.add(new commandline_filename_parser(u"f", &file, &cp));
  EXPECT_EQ(parse(q).code, 0u);
  EXPECT_EQ(cp, (text_file_code_page{-1, 0}));
}

TEST(CustomizedParser, SubvaluesBareAndListed) {
  std::vector<std::u16string> subs{u"stale"};
  bool present = false;
  parser p(u"p -cp");
  p.add(new commandline_argument_subvalues_parser(u"cp", &present, &subs));
  EXPECT_EQ(parse(p).code, 0u);
  EXPECT_TRUE(present);
  EXPECT_TRUE(subs.empty());
  parser q(u"p -cp:ansi,,\"a, b\"");
  q.add(new commandline_argument_subvalues_parser(u"cp", &present, &subs));
  EXPECT_EQ(parse(q).code, 0u);
  EXPECT_EQ(subs, (std::vector<std::u16string>{u"ansi", u"", u"a, b"}));
}

TEST(CustomizedParser, SlashOptionsAndAbsolutePaths) {
  bool help = false;
  std::vector<std::u16string> masks;
  std::u16string spt, t;
  parser p(u"p -spt:a -t:b /srv/www/*.html /h /srv/x");
  p.add(new commandline_multiargument_parser(u"", &masks));
  p.add(new argument_parser(u"spt", &spt));
  p.add(new argument_parser(u"t", &t));
  p.add(new commandline_bool_argument_parser(u"(h|help|\\?)", &help));
  EXPECT_EQ(parse(p).code, 0u);
  EXPECT_TRUE(help);
  EXPECT_EQ(masks, (std::vector<std::u16string>{u"/srv/www/*.html", u"/srv/x"}));
  EXPECT_EQ(spt, u"a");
}

TEST(CustomizedParser, ArgumentParserCodeIsRegistered) {
  bool flag;
  commandline_bool_argument_parser a(u"x", &flag);
  EXPECT_FALSE(RegisterError(0x20000301, u"again"));
}

TEST(VectorParser, SplitsAndMatchesItems) {
  std::u16string t, s;
  std::vector<std::u16string> masks;
  commandline_parser p;
  p.command_line = u"prog -T:\"a b\" -s:x,y file.txt -q";
  p.add(new argument_parser(u"t", &t));
  p.add(new argument_parser(u"s", &s));
  p.add(new commandline_multiargument_parser(u"", &masks));
  try {
    p.execute();
    FAIL();
  } catch (const windows_error& e) {
    EXPECT_EQ(e.code(), 50u);
    EXPECT_EQ(e.message(), u"-q");
  }
  EXPECT_EQ(t, u"a b");
  EXPECT_EQ(s, u"x,y");
}

}  // namespace
}  // namespace vyn
