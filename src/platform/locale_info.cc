#include "platform/locale_info.h"

#include <cstdlib>
#include <string>

namespace vyn::platform {
namespace {

bool is_set(const char* v) { return v != nullptr && *v != '\0'; }

struct code_page_row {
  const char* language;   // two or three letters; with a territory: "zh_CN"
  int ansi;
  int oem;
};

// Territory-specific rows come before the plain language rows they refine.
constexpr code_page_row kCodePages[] = {
    {"zh_CN", 936, 936}, {"zh_SG", 936, 936}, {"zh_TW", 950, 950},
    {"zh_HK", 950, 950},
    {"ru", 1251, 866},   {"uk", 1251, 866},   {"be", 1251, 866},
    {"bg", 1251, 866},   {"mk", 1251, 866},   {"sr", 1251, 866},
    {"cs", 1250, 852},   {"pl", 1250, 852},   {"hu", 1250, 852},
    {"sk", 1250, 852},   {"sl", 1250, 852},   {"hr", 1250, 852},
    {"ro", 1250, 852},   {"sq", 1250, 852},
    {"el", 1253, 737},
    {"tr", 1254, 857},   {"az", 1254, 857},
    {"he", 1255, 862},
    {"ar", 1256, 720},   {"fa", 1256, 720},   {"ur", 1256, 720},
    {"et", 1257, 775},   {"lv", 1257, 775},   {"lt", 1257, 775},
    {"vi", 1258, 1258},
    {"th", 874, 874},
    {"ja", 932, 932},
    {"ko", 949, 949},
    {"en", 1252, 437},   {"C", 1252, 437},    {"POSIX", 1252, 437},
};

constexpr code_pages kOtherLanguages{1252, 850};

}  // namespace

language language_from(const char* language_var, const char* lc_all,
                       const char* lc_messages, const char* lang) {
  for (const char* v : {language_var, lc_all, lc_messages, lang}) {
    if (is_set(v)) {
      return std::string_view(v).starts_with("ru") ? language::russian
                                                   : language::english;
    }
  }
  return language::english;
}

language interface_language() {
  static const language lang =
      language_from(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                    std::getenv("LC_MESSAGES"), std::getenv("LANG"));
  return lang;
}

code_pages code_pages_for_locale(std::string_view name) {
  // "ll_TT.charset@modifier": keep "ll_TT".
  std::string_view base = name.substr(0, name.find_first_of(".@"));
  if (base.empty()) return {1252, 437};  // unset: the C locale
  std::string_view lang = base.substr(0, base.find('_'));
  for (const auto& row : kCodePages) {
    std::string_view key(row.language);
    if (key.find('_') != std::string_view::npos ? base == key : lang == key) {
      return {row.ansi, row.oem};
    }
  }
  return kOtherLanguages;
}

code_pages user_code_pages() {
  static const code_pages pages = [] {
    for (const char* var : {"LC_ALL", "LC_CTYPE", "LANG"}) {
      const char* v = std::getenv(var);
      if (is_set(v)) return code_pages_for_locale(v);
    }
    return code_pages_for_locale("C");
  }();
  return pages;
}

}  // namespace vyn::platform
