#include "log/ini.h"

#include <string>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "platform/utf.h"

namespace vyn {
namespace {

std::string value_of(const TIni& ini, const char* section, const char* name) {
  const TIniSection* s = ini.section(section);
  if (!s) return "<no section>";
  const TIniVal* v = s->value(name);
  return v ? v->value.c_str() : "<no value>";
}

TEST(TIni, Rules) {
  TIni ini;
  ini.parse(
      "before=ignored\r\n"
      "; a comment\n"
      "  ;not a comment=1\n"
      "[ Prms ]\n"
      "PID= On\n"
      "\"Quoted Key\" = v\n"
      "a\"=\"b=c\n"
      "novalue\n"
      "  spaced  =  kept  \n"
      "[]\n"
      "orphan=1\n"
      "[prms]\n"
      "later=2\n"
      "[Evts]\r\n"
      "A.*=\r\n"
      "TIL=.*Ld.*\r\n"
      "x = \"a, b\",  c ,\"d\"\n"
      "[Evts]\n");
  ASSERT_EQ(ini.sections.count, 4);  // Prms, prms (empty), Evts, Evts (empty)
  EXPECT_STREQ(ini.sections.at(0)->name.c_str(), "Prms");
  EXPECT_EQ(ini.sections.at(1)->count(), 0);
  EXPECT_EQ(value_of(ini, "PRMS", "pid"), " On");  // the blank after = stays
  EXPECT_EQ(value_of(ini, "Prms", "Quoted Key"), " v");
  EXPECT_EQ(value_of(ini, "Prms", "a\"=\"b"), "c");  // an = inside quotes
  EXPECT_EQ(value_of(ini, "Prms", ""), "novalue");
  EXPECT_EQ(value_of(ini, "Prms", "spaced"), "  kept");
  EXPECT_EQ(value_of(ini, "Prms", "later"), "2");  // a repeated section adds to the first
  EXPECT_EQ(value_of(ini, "Prms", "before"), "<no value>");
  EXPECT_EQ(value_of(ini, "Prms", "orphan"), "<no value>");
  EXPECT_EQ(value_of(ini, "Evts", "A.*"), "");
  EXPECT_EQ(value_of(ini, "Evts", "TIL"), ".*Ld.*");
  const TIniVal* x = ini.section("Evts")->value("x");
  ASSERT_NE(x, nullptr);
  ASSERT_EQ(x->items.count, 3u);
  EXPECT_STREQ(x->items[0].c_str(), "a, b");
  EXPECT_STREQ(x->items[1].c_str(), "c");
  EXPECT_STREQ(x->items[2].c_str(), "d");
}

TEST(TIni, NulEndsTheText) {
  TIni ini;
  std::string text = "[S]\na=1\n";
  text += '\0';
  text += "b=2\n[T]\n";
  ini.parse(text);
  EXPECT_EQ(ini.sections.count, 1);
  EXPECT_EQ(value_of(ini, "S", "a"), "1");
  EXPECT_EQ(value_of(ini, "S", "b"), "<no value>");
}

TEST(TIni, LoadFromAFile) {
  testing_support::temp_dir d;
  d.write("p.wli", "[S]\nk=v\n");
  TIni ini;
  EXPECT_EQ(ini.Ld(utf8_to_utf16(d.file("p.wli"))), 0u);
  EXPECT_EQ(value_of(ini, "S", "k"), "v");
  EXPECT_EQ(ini.Ld(utf8_to_utf16(d.file("none.wli"))), 2u);
  EXPECT_EQ(ini.sections.count, 0);
}

}  // namespace
}  // namespace vyn
