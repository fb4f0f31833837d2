// What the user's environment says about language and code pages.
//
// The interface language picks the string tables and system messages; the
// ANSI and OEM code pages are the Windows code pages that belong to the
// user's language, used when a file is read or written as "ansi" or "oem".
#ifndef VYN_PLATFORM_LOCALE_INFO_H_
#define VYN_PLATFORM_LOCALE_INFO_H_

#include <string_view>

namespace vyn::platform {

enum class language { english, russian };

// Russian when the first of LANGUAGE, LC_ALL, LC_MESSAGES, LANG that is set
// (and not empty) begins with "ru"; English otherwise. Read once per process.
language interface_language();

// The same decision over given values; a null pointer is an unset variable.
language language_from(const char* language_var, const char* lc_all,
                       const char* lc_messages, const char* lang);

struct code_pages {
  int ansi;
  int oem;
};

// The code pages of the user's language, from LC_ALL, then LC_CTYPE, then
// LANG. Read once per process.
code_pages user_code_pages();

// The code pages for a locale name such as "ru_RU.UTF-8", "zh_TW" or "C".
code_pages code_pages_for_locale(std::string_view locale_name);

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_LOCALE_INFO_H_
