#include "foundations/exceptions.h"

#include "foundations/result.h"

namespace vyn {

windows_error::windows_error(const result& r)
    : wexception(r.text()), code_(r.code()) {}

}  // namespace vyn
