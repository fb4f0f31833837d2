#include "platform/unicode_case.h"

#include <gtest/gtest.h>

namespace vyn::platform {
namespace {

TEST(UpperTable, SimpleMappings) {
  struct row {
    char16_t in, out;
  };
  const row rows[] = {
      {u'a', u'A'},       {u'z', u'Z'},       {u'A', u'A'},
      {u'1', u'1'},       {u'я', u'Я'},       {u'ё', u'Ё'},
      {u'Я', u'Я'},       {u'ÿ', u'Ÿ'},       // U+00FF -> U+0178
      {u'µ', u'Μ'},       // micro sign -> Greek capital mu
      {u'ß', u'ß'},       // full mapping only ("SS"): no simple one
      {u'ſ', u'S'},       // long s
      {u'ı', u'I'},       // dotless i
      {u'İ', u'İ'},
      {u'ǆ', u'Ǆ'},       {u'ǅ', u'Ǆ'},       // titlecase digraph
      {u'ω', u'Ω'},       {u'ｚ', u'Ｚ'},     // fullwidth
      {char16_t(0xD801), char16_t(0xD801)},  // surrogates fold to themselves
      {char16_t(0xDC28), char16_t(0xDC28)},
      {char16_t(0xFFFF), char16_t(0xFFFF)},
  };
  for (const row& r : rows) {
    EXPECT_EQ(int(to_upper_unit(r.in)), int(r.out)) << std::hex << int(r.in);
  }
}

}  // namespace
}  // namespace vyn::platform
