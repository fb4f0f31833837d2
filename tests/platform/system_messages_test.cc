#include "platform/system_messages.h"

#include <gtest/gtest.h>

namespace vyn::platform {
namespace {

class SystemMessage : public ::testing::TestWithParam<uint32_t> {};

TEST_P(SystemMessage, ExistsInBothLanguagesAndDiffers) {
  std::u16string en = system_message(GetParam(), language::english);
  std::u16string ru = system_message(GetParam(), language::russian);
  EXPECT_FALSE(en.empty());
  EXPECT_FALSE(ru.empty());
  EXPECT_NE(en, ru);
  // Russian texts are written in Cyrillic.
  bool cyrillic = false;
  for (char16_t c : ru) cyrillic |= (c >= 0x0400 && c <= 0x04FF);
  EXPECT_TRUE(cyrillic);
  // One sentence, no line breaks.
  EXPECT_EQ(en.find(u'\n'), std::u16string::npos);
  EXPECT_EQ(ru.find(u'\n'), std::u16string::npos);
}

INSTANTIATE_TEST_SUITE_P(EveryReportedCode, SystemMessage,
                         ::testing::Values(0u, 1u, 2u, 3u, 4u, 5u, 8u, 13u,
                                           18u, 19u, 32u, 50u, 80u, 87u, 112u,
                                           206u, 1247u, 1359u));

TEST(SystemMessageUnknown, IsEmpty) {
  EXPECT_TRUE(system_message(999999, language::english).empty());
  EXPECT_TRUE(system_message(0x20000301, language::russian).empty());
}

}  // namespace
}  // namespace vyn::platform
