// The unit of work.
//
// A task does its work in one of two forms and gets the other for free:
// execute() reports failure by throwing, execute_nothrow() and run() return
// a result. A concrete task overrides at least one of execute and
// execute_nothrow; the defaults convert between them.
#ifndef VYN_TASKS_TASK_H_
#define VYN_TASKS_TASK_H_

#include <cstdint>
#include <string>

#include "foundations/base.h"
#include "foundations/result.h"

namespace vyn {

class task : public base {
 public:
  // Run states recorded by the default execute().
  enum : int32_t { kNotRun = 0, kSucceeded = 2, kFailed = 3 };

  explicit task(int32_t kind = 0) : kind(kind) {}

  // Runs execute() and turns its outcome into a result. Exceptions become
  // failed results, tried in this order: a thrown result is returned as it
  // is; a standard exception gives 1359 with "[name] " + its message; a
  // windows_error gives its code with "[name] "; another wexception gives
  // 1359 with "[name] " + its message; anything else 1359 with "[name]".
  virtual result execute_nothrow();

  // The entry drivers call: execute_nothrow().
  virtual result run();

  // Runs execute_nothrow(), records the state and throws windows_error
  // (the result's text and code) when the result failed.
  virtual task& execute();

  // No task can undo: throws windows_error("can't undo", 1).
  virtual void undo();

  virtual std::u16string name() const { return u"task"; }

  // A new object of the same class with copies of all fields; the caller
  // owns it. This version makes a plain task.
  virtual task* clone() const;

  int32_t kind;
  int32_t state = kNotRun;

 private:
  // Set while the default execute_nothrow() runs execute(): a class that
  // overrides neither form then fails instead of recursing without end.
  bool in_default_nothrow_ = false;
};

}  // namespace vyn

// Succeeds the first time it runs and fails with 1247 on every later run.
class onetime_task : public vyn::task {
 public:
  onetime_task() : task(1) {}
  vyn::result execute_nothrow() override;

  bool done = false;
};

namespace vyn {

// The library code that argument parsers register once per process.
inline constexpr uint32_t kArgumentParserCode = 0x20000301u;

// Registers kArgumentParserCode the first time it is called; later calls
// return at once. Called by every argument parser's constructor.
void register_argument_parser_code();

}  // namespace vyn

#endif  // VYN_TASKS_TASK_H_
