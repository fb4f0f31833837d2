// The ordered set of string actions that the drivers run over each piece
// of text.
#ifndef VYN_ENGINE_STRING_ACTION_SET_H_
#define VYN_ENGINE_STRING_ACTION_SET_H_

#include "foundations/queue.h"
#include "tasks/string_action.h"

namespace vyn {

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

#endif  // VYN_ENGINE_STRING_ACTION_SET_H_
