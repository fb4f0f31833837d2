// The root of the library's class hierarchy.
#ifndef VYN_FOUNDATIONS_BASE_H_
#define VYN_FOUNDATIONS_BASE_H_

namespace vyn {

// Every library class derives from base, so that any object can be owned and
// destroyed through a base pointer.
class base {
 public:
  virtual ~base() = default;
};

}  // namespace vyn

#endif  // VYN_FOUNDATIONS_BASE_H_
