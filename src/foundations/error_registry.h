// The process-wide registry of the library's own error codes.
//
// Library codes have bit 29 (0x20000000) set; every other code is a system
// code whose message comes from the platform's table.
#ifndef VYN_FOUNDATIONS_ERROR_REGISTRY_H_
#define VYN_FOUNDATIONS_ERROR_REGISTRY_H_

#include <cstdint>
#include <string>

#include "foundations/cmp_res.h"

namespace vyn {

inline constexpr uint32_t kLibraryCodeBit = 0x20000000u;

// One registry entry.
struct ErrCode {
  uint32_t code;
  std::u16string text;

  // Orders by code (any mode).
  TCmpRes compare(const ErrCode& other, int) const {
    return TCmpRes(code < other.code ? -1 : code > other.code ? 1 : 0);
  }
  TCmpRes compare(uint32_t key, int) const {
    return TCmpRes(code < key ? -1 : code > key ? 1 : 0);
  }
};

}  // namespace vyn

// Registers a library code with its text. False for a code without bit 29,
// and for a code that is already registered (its first text stays).
bool RegisterError(uint32_t code, const std::u16string& text);

// The code registered with exactly this text, or a new code (the largest
// registered code plus 1, or 0x20000001 for an empty registry) registered
// with it.
uint32_t RegisterErrorText(const std::u16string& text);

// The message of a code: the system message for codes without bit 29 (line
// breaks stripped from both ends), the registered text for library codes,
// and an empty string when there is none.
std::u16string ErrorMessage(uint32_t code);

#endif  // VYN_FOUNDATIONS_ERROR_REGISTRY_H_
