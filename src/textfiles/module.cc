#include "textfiles/module.h"

#include "platform/locale_info.h"
#include "platform/process_info.h"

namespace vyn {

std::u16string module::load_string(uint32_t id) const {
  const bool russian = platform::interface_language() == platform::language::russian;
  for (const string_resource& s : strings_) {
    if (s.id == id) {
      const char16_t* text = russian ? s.russian : s.english;
      return text ? text : u"";
    }
  }
  return {};
}

std::u16string module::module_path() const { return platform::executable_path(); }

}  // namespace vyn
