// The running program: its string resources and its path.
#ifndef VYN_TEXTFILES_MODULE_H_
#define VYN_TEXTFILES_MODULE_H_

#include <cstdint>
#include <span>
#include <string>

#include "foundations/base.h"

namespace vyn {

// One string resource in both interface languages.
struct string_resource {
  uint32_t id;
  const char16_t* english;
  const char16_t* russian;
};

class module : public base {
 public:
  module() = default;
  // The program's string table; it must outlive the module.
  explicit module(std::span<const string_resource> strings) : strings_(strings) {}

  // The string `id` in the interface language; empty when there is none.
  std::u16string load_string(uint32_t id) const;

  // The full path of the running program; empty when it cannot be told.
  virtual std::u16string module_path() const;

 private:
  std::span<const string_resource> strings_;
};

}  // namespace vyn

#endif  // VYN_TEXTFILES_MODULE_H_
