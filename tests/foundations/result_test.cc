#include "foundations/result.h"

#include <string>

#include <gtest/gtest.h>

#include "foundations/check.h"
#include "foundations/error_registry.h"
#include "foundations/exceptions.h"
#include "platform/utf.h"
#include "platform/system_messages.h"

namespace vyn {
namespace {

std::u16string sys(uint32_t code) { return platform::system_message(code); }

TEST(Result, DefaultIsGoodSuccess) {
  result r;
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(r.code(), 0u);
  EXPECT_EQ(r.severity(), 0);
  EXPECT_EQ(r.format(), u" " + sys(0) + u" [0(00000000)]");
}

TEST(Result, OkDependsOnSeverityAlone) {
  struct row {
    uint32_t code;
    int32_t severity;
    bool ok;
    int32_t stored_severity;
  };
  const row rows[] = {
      {87, 3, false, 3}, {87, 0, true, 0}, {87, 2, true, 2},
      {0, 3, true, 0},  // code 0 never keeps a severity
  };
  for (const row& r : rows) {
    result x(r.code, u"t", r.severity);
    EXPECT_EQ(x.ok(), r.ok) << r.code << "/" << r.severity;
    EXPECT_EQ(x.severity(), r.stored_severity);
  }
}

TEST(Result, SetFillsDescriptionAndSeverity) {
  result r;
  r.set(87);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.description(), sys(87));
  EXPECT_TRUE(r.text().empty());
  r.set(0);
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(r.severity(), 0);
}

TEST(Result, NarrowTextKeepsSeverityAndLeavesDescriptionEmpty) {
  result r(1359, std::string_view("bad \xD0\xB6"), 3);
  EXPECT_EQ(r.text(), u"bad ж");
  EXPECT_TRUE(r.description().empty());
  EXPECT_FALSE(r.ok());
}

TEST(Result, CodeReaderMasksTheTopBits) {
  result r(0xE0000005u, u"", 3);
  EXPECT_EQ(r.code(), 0x20000005u);
}

TEST(ResultCombination, FirstCodeWorstSeverityJoinedTexts) {
  result a(2, u"first;", 3);
  result b(5, u"second;", 3);
  a += b;
  EXPECT_EQ(a.code(), 2u);
  EXPECT_EQ(a.severity(), 3);
  EXPECT_EQ(a.text(), u"first;second;");
  EXPECT_EQ(a.description(), sys(2));

  result good;  // code 0 takes the first non-zero code and its description
  good += result(0, u"x", 0);
  EXPECT_EQ(good.code(), 0u);
  good += result(87, u"y", 0);
  EXPECT_EQ(good.code(), 87u);
  EXPECT_TRUE(good.ok());  // severity 0 stays good
  EXPECT_EQ(good.description(), sys(87));
  good += result(5, u"z", 3);
  EXPECT_EQ(good.code(), 87u);
  EXPECT_FALSE(good.ok());
  EXPECT_EQ(good.text(), u"xyz");

  result worse(1, u"", 3);
  worse += result(2, u"", 1);  // a milder severity does not lower it
  EXPECT_EQ(worse.severity(), 3);
}

TEST(ResultFormat, Patterns) {
  result r(2, u"file.txt", 3);
  struct row {
    std::u16string pattern, expected;
  };
  const row rows[] = {
      {u"no placeholder", u"no placeholder"},
      {u"%cd%ch", u"200000002"},
      {u"%c|%c", u"file.txt|file.txt"},
      {u"[%cd]", u"[2]"},
      {u"%d", sys(2)},
      {u"%", u"%"},
  };
  for (const row& x : rows) EXPECT_EQ(r.format(x.pattern), x.expected);
  EXPECT_EQ(r.format(), u"file.txt " + sys(2) + u" [2(00000002)]");
}

TEST(ResultFormat, TextHoldingPlaceholdersIsExpandedByLaterSteps) {
  // The text goes in at step 3; its "%d" is then replaced by the
  // description, while its "%cd" stays (that step has passed).
  result r(87, u"a%db%cd", 3);
  EXPECT_EQ(r.format(u"%c"), u"a" + sys(87) + u"b%cd");
  EXPECT_EQ(r.format(u"<%cd>"), u"<87>");
}

TEST(Registry, TextCodesAndOrdering) {
  // The registry is process-wide: this test owns the 0x2000F... range.
  EXPECT_FALSE(RegisterError(87, u"not a library code"));
  EXPECT_TRUE(ErrorMessage(0x2000F001).empty());
  EXPECT_TRUE(RegisterError(0x2000F010, u"ten"));
  EXPECT_TRUE(RegisterError(0x2000F002, u"two"));
  EXPECT_FALSE(RegisterError(0x2000F010, u"again"));
  EXPECT_EQ(ErrorMessage(0x2000F010), u"ten");  // the first text stays
  EXPECT_EQ(ErrorMessage(0x2000F002), u"two");

  uint32_t fresh = RegisterErrorText(u"a brand new text");
  EXPECT_EQ(fresh, 0x2000F011u);  // the largest code so far plus 1
  EXPECT_EQ(RegisterErrorText(u"a brand new text"), fresh);
  EXPECT_EQ(RegisterErrorText(u"two"), 0x2000F002u);
  EXPECT_EQ(RegisterErrorText(u"TWO"), 0x2000F012u);  // case-sensitive
  EXPECT_EQ(ErrorMessage(0x2000F012), u"TWO");
}

TEST(Registry, ManyCodesStaySearchable) {
  for (uint32_t i = 0; i < 300; ++i) {
    ASSERT_TRUE(RegisterError(0x2001F000 + 3 * (i * 37 % 300), u"n"));
  }
  for (uint32_t i = 0; i < 300; ++i) {
    EXPECT_EQ(ErrorMessage(0x2001F000 + 3 * i), u"n") << i;
    EXPECT_TRUE(ErrorMessage(0x2001F000 + 3 * i + 1).empty());
  }
}

TEST(Registry, SystemMessageHasNoLineBreaks) {
  EXPECT_EQ(ErrorMessage(5), sys(5));
  EXPECT_TRUE(ErrorMessage(123456).empty());
}

TEST(Exceptions, WindowsErrorCarriesTextAndCode) {
  windows_error e(u"-spt, -sre, -spf, or -srf options duplicated", 87);
  EXPECT_EQ(e.code(), 87u);
  EXPECT_EQ(e.message(), u"-spt, -sre, -spf, or -srf options duplicated");
  windows_error from(result(0xE0000002u, u"x", 3));
  EXPECT_EQ(from.code(), 0x20000002u);
  EXPECT_EQ(from.message(), u"x");
  const wexception& base_ref = from;  // message() is virtual
  EXPECT_EQ(base_ref.message(), u"x");
}

TEST(Exceptions, ConsistencyCheckShape) {
  try {
    int x = 1;
    VYN_CHECK(x == 2);
    FAIL();
  } catch (const wexception& e) {
    std::string m = utf16_to_utf8(e.message());
    EXPECT_TRUE(m.starts_with("!x == 2 at ")) << m;
    EXPECT_NE(m.find("tests\\foundations\\result_test.cc line "), std::string::npos) << m;
    EXPECT_EQ(m.find('/'), std::string::npos) << m;
  }
  EXPECT_EQ(check_path("/home/u/build/src/log/params.cc"), u"src\\log\\params.cc");
}

}  // namespace
}  // namespace vyn
