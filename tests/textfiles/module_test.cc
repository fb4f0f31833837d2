#include "textfiles/module.h"

#include <string>

#include <gtest/gtest.h>

namespace vyn {
namespace {

const string_resource kStrings[] = {
    {1, u"one", u"один"},
    {2, u"a text longer than sixty-three characters, which must come back whole!!", u"д"},
};

TEST(Module, LoadsStringsByIdInTheInterfaceLanguage) {
  module m(kStrings);
  // Tests run with LANGUAGE empty and LC_ALL=C.UTF-8: English.
  EXPECT_EQ(m.load_string(1), u"one");
  EXPECT_EQ(m.load_string(2).size(), 71u);
  EXPECT_EQ(m.load_string(3), u"");
  EXPECT_EQ(module().load_string(1), u"");
}

TEST(Module, PathIsTheRunningProgram) {
  std::u16string path = module().module_path();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.substr(path.rfind(u'/') + 1), u"textfiles_tests");
}

}  // namespace
}  // namespace vyn
