#include "engine/string_action_set.h"


namespace vyn {

string_action_set::string_action_set(const string_action_set& other)
    : string_action(other), actions(other.actions) {}

string_action_set& string_action_set::execute() {
  count = 0;
  for (auto* node = actions.head; node; node = node->next) {
    node->item->set_text(text);
    node->item->execute();
    count += node->item->replacements();
  }
  return *this;
}

string_action_set& string_action_set::reset_replacements() {
  for (auto* node = actions.head; node; node = node->next) {
    node->item->reset_replacements();
  }
  count = 0;
  return *this;
}

string_action_set* string_action_set::clone() const {
  return new string_action_set(*this);
}

}  // namespace vyn
