#include "foundations/error_registry.h"

#include "foundations/tlist.h"
#include "foundations/wide_string.h"
#include "platform/system_messages.h"

namespace {

using vyn::ErrCode;

constexpr int32_t kOrderByCode = 1;

// Created on first use and never freed. Registration happens on the main
// thread before any other thread reads codes.
vyn::TList<ErrCode>& registry() {
  static auto* list = new vyn::TList<ErrCode>(64, kOrderByCode,
                                              vyn::TList<ErrCode>::kUnique);
  return *list;
}

}  // namespace

bool RegisterError(uint32_t code, const std::u16string& text) {
  if (!(code & vyn::kLibraryCodeBit)) return false;
  auto* entry = new ErrCode{code, text};
  if (registry().add(entry) < 0) {
    delete entry;
    return false;
  }
  return true;
}

uint32_t RegisterErrorText(const std::u16string& text) {
  auto& list = registry();
  for (int32_t i = 0; i < list.count; ++i) {
    if (list.items[i]->text == text) return list.items[i]->code;
  }
  uint32_t code = list.count == 0 ? vyn::kLibraryCodeBit + 1
                                  : list.items[list.count - 1]->code + 1;
  RegisterError(code, text);
  return code;
}

std::u16string ErrorMessage(uint32_t code) {
  if (code & vyn::kLibraryCodeBit) {
    const ErrCode* entry = registry().find(code, kOrderByCode);
    return entry ? entry->text : std::u16string();
  }
  std::u16string text = vyn::platform::system_message(code);
  vyn::trim_set(text, u"\r\n");
  return text;
}
