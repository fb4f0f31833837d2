// String actions: tasks that transform a bound wide text in place and count
// what they replaced or inserted.
//
// Driver contract: reset_replacements() before the first piece of a file or
// stream; for each piece set_text() then execute(); afterwards
// replacements() is the number to report.
#ifndef VYN_TASKS_STRING_ACTION_H_
#define VYN_TASKS_STRING_ACTION_H_

#include <cstdint>
#include <string>

#include "tasks/task.h"

namespace vyn {

class string_action : public task {
 public:
  string_action() : task(0) {}

  virtual int32_t replacements() const { return count; }
  virtual string_action& reset_replacements() {
    count = 0;
    return *this;
  }
  // Points the action at a text owned by the caller, which must outlive the
  // next execute().
  string_action& set_text(std::u16string* t) {
    text = t;
    return *this;
  }

  // A deep copy, text pointer and count included.
  string_action* clone() const override = 0;

  std::u16string* text = nullptr;
  int32_t count = 0;

 protected:
  // The bound text; a consistency-check failure when set_text was not called.
  std::u16string& bound_text() const;
};

}  // namespace vyn

#endif  // VYN_TASKS_STRING_ACTION_H_
