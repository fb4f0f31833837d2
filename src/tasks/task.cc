#include "tasks/task.h"

#include <exception>

#include "foundations/error_registry.h"
#include "foundations/exceptions.h"
#include "platform/error_codes.h"

namespace vyn {

result task::execute_nothrow() {
  std::u16string prefix(1, u'[');
  prefix += name();
  prefix += u']';
  in_default_nothrow_ = true;
  struct reset {
    bool& flag;
    ~reset() { flag = false; }
  } guard{in_default_nothrow_};
  try {
    execute();
    return result();
  } catch (const result& r) {
    return r;
  } catch (const std::exception& e) {
    result r(platform::kInternalError, std::string_view(e.what()),
             severity_error);
    return result(platform::kInternalError, prefix + u" " + r.text(),
                  severity_error);
  } catch (const windows_error& e) {
    return result(e.code(), prefix + u" ", severity_error);
  } catch (const wexception& e) {
    return result(platform::kInternalError, prefix + u" " + e.message(),
                  severity_error);
  } catch (...) {
    return result(platform::kInternalError, prefix, severity_error);
  }
}

result task::run() { return execute_nothrow(); }

task& task::execute() {
  if (in_default_nothrow_) {
    // Neither form is overridden: there is no work to do.
    throw wexception(u"the task defines no work");
  }
  result r = execute_nothrow();
  state = r.ok() ? kSucceeded : kFailed;
  if (!r.ok()) throw windows_error(r);
  return *this;
}

void task::undo() { throw windows_error(u"can't undo", 1); }

task* task::clone() const {
  auto* copy = new task(kind);
  copy->state = state;
  return copy;
}

void register_argument_parser_code() {
  static auto* once = new onetime_task;  // process-wide, never freed
  if (once->done) return;
  RegisterError(kArgumentParserCode, u"");
  once->execute();
}

}  // namespace vyn

vyn::result onetime_task::execute_nothrow() {
  if (done) {
    return vyn::result(vyn::platform::kAlreadyInitialized, u"",
                       vyn::severity_error);
  }
  done = true;
  return vyn::result();
}
