// The outcome of a three-way comparison.
#ifndef VYN_FOUNDATIONS_CMP_RES_H_
#define VYN_FOUNDATIONS_CMP_RES_H_

#include <cstdint>

#include "foundations/base.h"

namespace vyn {

// value is -1, 0 or +1: less, equal, greater.
class TCmpRes : public base {
 public:
  TCmpRes() = default;
  // Any integer; only its sign is kept.
  explicit TCmpRes(long long v) : value(v < 0 ? -1 : (v > 0 ? 1 : 0)) {}

  int32_t value = 0;
};

}  // namespace vyn

#endif  // VYN_FOUNDATIONS_CMP_RES_H_
