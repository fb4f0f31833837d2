#include "platform/locale_info.h"

#include <gtest/gtest.h>

namespace vyn::platform {
namespace {

TEST(InterfaceLanguage, FirstSetVariableDecides) {
  struct row {
    const char *language_var, *lc_all, *lc_messages, *lang;
    language expected;
  };
  const row rows[] = {
      {nullptr, nullptr, nullptr, nullptr, language::english},
      {"ru", nullptr, nullptr, nullptr, language::russian},
      {"ru_RU:en", "C.UTF-8", nullptr, nullptr, language::russian},
      {nullptr, "C.UTF-8", nullptr, "ru_RU.UTF-8", language::english},
      {"", "", "ru_RU.UTF-8", "en_US", language::russian},  // empty = unset
      {nullptr, nullptr, nullptr, "ru_UA.KOI8-U", language::russian},
      {"en", nullptr, nullptr, "ru_RU.UTF-8", language::english},
      {nullptr, nullptr, nullptr, "rus", language::russian},
      {nullptr, nullptr, nullptr, "uk_UA", language::english},
  };
  for (const row& r : rows) {
    EXPECT_EQ(language_from(r.language_var, r.lc_all, r.lc_messages, r.lang),
              r.expected)
        << (r.language_var ? r.language_var : "-") << " " << (r.lc_all ? r.lc_all : "-")
        << " " << (r.lang ? r.lang : "-");
  }
}

TEST(UserCodePages, ByLanguageAndTerritory) {
  struct row {
    const char* locale;
    int ansi, oem;
  };
  const row rows[] = {
      {"ru_RU.UTF-8", 1251, 866}, {"uk_UA", 1251, 866},
      {"sr_RS@latin", 1251, 866}, {"pl_PL.ISO-8859-2", 1250, 852},
      {"el_GR", 1253, 737},       {"tr_TR", 1254, 857},
      {"he_IL", 1255, 862},       {"fa_IR", 1256, 720},
      {"lt_LT", 1257, 775},       {"vi_VN", 1258, 1258},
      {"th_TH", 874, 874},        {"ja_JP.eucJP", 932, 932},
      {"zh_CN.GB18030", 936, 936}, {"zh_SG", 936, 936},
      {"zh_TW.Big5", 950, 950},   {"zh_HK", 950, 950},
      {"ko_KR", 949, 949},        {"en_US.UTF-8", 1252, 437},
      {"C", 1252, 437},           {"C.UTF-8", 1252, 437},
      {"POSIX", 1252, 437},       {"", 1252, 437},
      {"de_DE", 1252, 850},       {"fr_CA", 1252, 850},
      {"zh", 1252, 850},
  };
  for (const row& r : rows) {
    code_pages cp = code_pages_for_locale(r.locale);
    EXPECT_EQ(cp.ansi, r.ansi) << r.locale;
    EXPECT_EQ(cp.oem, r.oem) << r.locale;
  }
}

}  // namespace
}  // namespace vyn::platform
