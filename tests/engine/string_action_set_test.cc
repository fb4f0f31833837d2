#include "engine/string_action_set.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "engine/insert_actions.h"
#include "engine/plain_actions.h"
#include "engine/regex_actions.h"
#include "foundations/exceptions.h"
#include "tests_util.h"

namespace vyn {
namespace {

// Runs the set over pieces without a reset in between, as a driver does for
// the blocks of one file.
int32_t run_pieces(string_action_set& set, std::initializer_list<std::u16string> pieces) {
  for (std::u16string piece : pieces) {
    set.set_text(&piece);
    set.execute();
  }
  return set.replacements();
}

TEST(ActionSet, EmptySetChangesNothing) {
  string_action_set set;
  auto [out, count] = run_once(set, u"abc");
  EXPECT_EQ(out, u"abc");
  EXPECT_EQ(count, 0);
}

TEST(ActionSet, ActionsSeeEachOthersWork) {
  string_action_set set;
  set.add(new string_replace(u"a", u"b"));
  set.add(new string_replace(u"b", u"c"));
  auto [out, count] = run_once(set, u"a");
  EXPECT_EQ(out, u"c");
  EXPECT_EQ(count, 2);
}

TEST(ActionSet, CountsOverTwoPiecesWithoutReset) {
  struct row {
    const char* name;
    string_action* action;
    int32_t expected;
  };
  // Pieces "aa" and "a": 2 then 1 replacement.
  const row rows[] = {
      {"replace sums", new string_replace(u"a", u"b"), 3},
      {"occurrences: last piece", new string_replace_occurences(u"a", u"b", {1, 2}), 1},
      {"regex occurrences sum", new string_regex_replace_occurences(u"a", u"b", {1, 2}, false), 3},
      {"regex formatted: last", new string_regex_replace(regex(u"a"), u"b", false), 1},
      {"insert after sums", new string_insert_after(u"a", u"-"), 3},
  };
  for (const row& r : rows) {
    string_action_set set;
    set.add(r.action);
    set.reset_replacements();
    EXPECT_EQ(run_pieces(set, {u"aa", u"a"}), r.expected) << r.name;
  }
}

TEST(ActionSet, ResetZeroesSetAndMembers) {
  string_action_set set;
  set.add(new string_replace(u"a", u"b"));
  set.add(new string_append(u"!"));
  run_pieces(set, {u"aaa"});
  EXPECT_EQ(set.replacements(), 4);
  set.reset_replacements();
  EXPECT_EQ(set.replacements(), 0);
  for (auto* n = set.actions.head; n; n = n->next) EXPECT_EQ(n->item->replacements(), 0);
}

TEST(ActionSet, CloneIsIndependent) {
  auto* set = new string_action_set;
  set->add(new string_replace(u"a", u"b"));
  set->add(new string_regex_replace(regex(u"(b)"), u"[$1]", false));
  std::unique_ptr<string_action_set> copy(set->clone());
  EXPECT_NE(copy->actions.head->item, set->actions.head->item);
  delete set;
  auto [out, count] = run_once(*copy, u"ab");
  EXPECT_EQ(out, u"[b][b]");
  EXPECT_EQ(count, 3);
}

TEST(ActionSet, AFailingActionStopsTheSetAndKeepsEarlierWork) {
  string_action_set set;
  set.add(new string_replace(u"a", u"b"));
  set.add(new string_insert(u"x", -1, 99));
  set.add(new string_append(u"never"));
  std::u16string text = u"a";
  set.set_text(&text);
  EXPECT_THROW(set.execute(), std::out_of_range);
  EXPECT_EQ(text, u"b");
  result r = set.run();  // through the task layer: an internal error
  EXPECT_EQ(r.code(), 1359u);
}

TEST(StringAction, ExecuteWithoutTextIsACheckFailure) {
  string_replace a(u"a", u"b");
  try {
    a.execute();
    FAIL();
  } catch (const wexception& e) {
    EXPECT_EQ(e.message().rfind(u"!text != nullptr at ", 0), 0u);
  }
}

TEST(StringAction, CloneCopiesTextAndCount) {
  std::u16string text = u"aa";
  string_replace_i a(u"A", u"b");
  a.set_text(&text);
  a.execute();
  std::unique_ptr<string_action> copy(a.clone());
  EXPECT_EQ(copy->text, &text);
  EXPECT_EQ(copy->replacements(), 2);
  EXPECT_EQ(copy->name(), u"task");
}

}  // namespace
}  // namespace vyn
