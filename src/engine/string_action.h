// String actions: tasks that transform a wide text in place and count what
// they replaced or inserted, and the ordered set that applies several.
//
// Driver contract: reset_replacements() on the set before the first piece
// of a file or stream; for each piece set_text() then execute(); afterwards
// replacements() is the number to report.
#ifndef VYN_ENGINE_STRING_ACTION_H_
#define VYN_ENGINE_STRING_ACTION_H_

#include <cstdint>
#include <string>

#include "foundations/queue.h"
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

// Applies its actions in order, each to the text the previous ones left.
// An exception from an action leaves the set at once.
class string_action_set : public string_action {
 public:
  string_action_set() = default;
  string_action_set(const string_action_set& other);

  // Takes ownership of the action.
  void add(string_action* action) { actions.append(action); }
  bool empty() const { return actions.is_empty(); }

  // Sets count to the sum of the actions' replacements after this run.
  string_action_set& execute() override;
  // Resets every action, then the set.
  string_action_set& reset_replacements() override;
  string_action_set* clone() const override;

  Queue<string_action> actions;
};

}  // namespace vyn

#endif  // VYN_ENGINE_STRING_ACTION_H_
