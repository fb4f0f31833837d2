#include "tasks/task.h"

#include <memory>
#include <new>
#include <stdexcept>

#include <gtest/gtest.h>

#include "foundations/error_registry.h"
#include "foundations/exceptions.h"
#include "platform/system_messages.h"

namespace vyn {
namespace {

// A task whose execute() does what the test tells it.
template <class Action>
class throwing_task : public task {
 public:
  explicit throwing_task(Action a) : action_(a) {}
  task& execute() override {
    action_();
    return *this;
  }

 private:
  Action action_;
};

template <class Action>
result run_with(Action a) {
  throwing_task<Action> t(a);
  result r = t.run();
  EXPECT_EQ(t.state, task::kNotRun);  // an overridden execute keeps the state
  return r;
}

TEST(TaskConversion, EachExceptionKind) {
  struct expectation {
    uint32_t code;
    std::u16string text;
  };
  auto check = [](const result& r, const expectation& e) {
    EXPECT_EQ(r.code(), e.code);
    EXPECT_EQ(r.text(), e.text);
    if (e.code) {
      EXPECT_EQ(r.severity(), severity_error);
    }
  };
  check(run_with([] {}), {0, u""});
  check(run_with([] { throw std::bad_alloc(); }),
        {1359, u"[task] std::bad_alloc"});
  check(run_with([] { throw std::runtime_error("disk \xD0\xB6"); }),
        {1359, u"[task] disk ж"});
  check(run_with([] { throw windows_error(u"ignored text", 5); }),
        {5, u"[task] "});
  check(run_with([] { throw wexception(u"broken"); }),
        {1359, u"[task] broken"});
  check(run_with([] { throw 42; }), {1359, u"[task]"});
  check(run_with([] { throw result(2, u"thrown result", 3); }),
        {2, u"thrown result"});
  // A thrown good result comes back as it is, still good.
  result good = run_with([] { throw result(7, u"note", 0); });
  EXPECT_TRUE(good.ok());
  EXPECT_EQ(good.code(), 7u);
}

TEST(TaskConversion, WindowsErrorDescriptionComesFromItsCode) {
  result r = run_with([] { throw windows_error(u"x", 5); });
  EXPECT_EQ(r.description(), platform::system_message(5));
}

// A task that overrides only execute_nothrow.
class result_task : public task {
 public:
  explicit result_task(result r) : r_(std::move(r)) {}
  result execute_nothrow() override { return r_; }

 private:
  result r_;
};

TEST(TaskExecute, RecordsStateAndThrowsOnFailure) {
  result_task bad(result(2, u"x", severity_error));
  try {
    bad.execute();
    FAIL() << "no exception";
  } catch (const windows_error& e) {
    EXPECT_EQ(e.code(), 2u);
    EXPECT_EQ(e.message(), u"x");
  }
  EXPECT_EQ(bad.state, task::kFailed);

  result_task fine{result()};
  EXPECT_NO_THROW(fine.execute());
  EXPECT_EQ(fine.state, task::kSucceeded);

  // A non-zero code with a severity below 3 is good: no throw.
  result_task note(result(87, u"", 1));
  EXPECT_NO_THROW(note.execute());
  EXPECT_EQ(note.state, task::kSucceeded);
}

TEST(TaskExecute, ExecuteThrowsWithMaskedCode) {
  result_task bad(result(0xE0000301u, u"lib", severity_error));
  try {
    bad.execute();
    FAIL();
  } catch (const windows_error& e) {
    EXPECT_EQ(e.code(), 0x20000301u);
  }
}

TEST(Task, UndoAlwaysFails) {
  result_task t{result()};
  try {
    t.undo();
    FAIL();
  } catch (const windows_error& e) {
    EXPECT_EQ(e.code(), 1u);
    EXPECT_EQ(e.message(), u"can't undo");
  }
  EXPECT_EQ(t.name(), u"task");
}

TEST(Task, CloneCopiesKindAndState) {
  result_task t{result()};
  t.kind = 1;
  t.execute();
  std::unique_ptr<task> copy(t.clone());
  EXPECT_EQ(copy->kind, 1);
  EXPECT_EQ(copy->state, task::kSucceeded);
}

TEST(Task, APlainTaskFailsInsteadOfRecursing) {
  // The clone of a task that relies on the base is a plain task with no
  // work of its own: running it must end, with an internal error.
  task plain;
  result r = plain.run();
  EXPECT_EQ(r.code(), 1359u);
  EXPECT_FALSE(r.ok());
  EXPECT_THROW(plain.execute(), windows_error);
  EXPECT_EQ(plain.state, task::kFailed);
}

TEST(OnetimeTask, SucceedsOnceOnly) {
  onetime_task once;
  EXPECT_EQ(once.kind, 1);
  EXPECT_EQ(once.run().code(), 0u);
  EXPECT_TRUE(once.done);
  result second = once.run();
  EXPECT_EQ(second.code(), 1247u);
  EXPECT_FALSE(second.ok());
  try {
    once.execute();
    FAIL();
  } catch (const windows_error& e) {
    EXPECT_EQ(e.code(), 1247u);
  }
}

TEST(OnetimeTask, ArgumentParserCodeIsRegisteredOnce) {
  register_argument_parser_code();
  register_argument_parser_code();  // the second call does nothing
  // Already present: a further registration of the code is refused.
  EXPECT_FALSE(RegisterError(kArgumentParserCode, u"other"));
  EXPECT_EQ(ErrorMessage(kArgumentParserCode), u"");
}

}  // namespace
}  // namespace vyn
