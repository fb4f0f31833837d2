// Resource ids of the program's texts.
#ifndef SORVEX_STRING_RESOURCES_H_
#define SORVEX_STRING_RESOURCES_H_

#include <cstdint>
#include <span>

#include "textfiles/module.h"

namespace sorvex {

enum : uint32_t {
  kIdUsage = 501,
  kIdTitle = 502,
  kIdNoSearch = 504,
  kIdTextAndFile = 505,
  kIdWrongOutputLevel = 514,
  kIdShortUsage = 518,
  kIdInvalidCodePage = 521,
  kIdReplacementDuplicated = 522,
  kIdSearchWithFormat = 523,
  kIdSearchDuplicated = 526,
};

// Both languages; the module picks the interface language.
std::span<const vyn::string_resource> string_table();

}  // namespace sorvex

#endif  // SORVEX_STRING_RESOURCES_H_
