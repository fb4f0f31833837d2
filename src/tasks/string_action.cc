#include "tasks/string_action.h"

#include "foundations/check.h"

namespace vyn {

std::u16string& string_action::bound_text() const {
  VYN_CHECK(text != nullptr);
  return *text;
}

}  // namespace vyn
