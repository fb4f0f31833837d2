// sorvex: batch text replacement in files, or a filter from standard input
// to standard output.
#include <exception>
#include <memory>

#include "foundations/exceptions.h"
#include "foundations/result.h"
#include "log/log.h"
#include "log/log_file_writer.h"
#include "platform/command_line.h"
#include "platform/console.h"
#include "platform/error_codes.h"
#include "platform/memory_tuning.h"
#include "sorvex/command_line.h"
#include "sorvex/string_resources.h"
#include "textfiles/module.h"

int main() {
  vyn::platform::init_console();
  vyn::platform::keep_large_blocks_in_heap();
  vyn::install_log_writer();

  vyn::result running;
  vyn::module module(sorvex::string_table());
  uint32_t exit_code = 2;
  bool help = false, notitle = false;
  std::unique_ptr<replacer> driver;

  try {
    vyn::GetLog()->start();
    vyn::log_wprintf(vyn::GetLog(), vyn::kEventApp, u"Start(%s)",
                     vyn::platform::process_command_line());
    {
      CLParser parser(&module, &help, &notitle);
      driver.reset(parser.make_replacer());
    }
    if (!notitle) vyn::platform::write_out(module.load_string(sorvex::kIdTitle) + u"\n", true);
    if (help) {
      vyn::platform::write_out(module.load_string(sorvex::kIdUsage), true);
      exit_code = 0;
    } else {
      driver->execute();
      exit_code = driver->exit_code();
    }
  } catch (const std::exception& e) {
    running += vyn::result(vyn::platform::kInternalError, std::string_view(e.what()),
                           vyn::severity_error);
  } catch (const vyn::windows_error& e) {
    running += vyn::result(e.code(), u"", vyn::severity_error);
    if (running.code() == vyn::platform::kInvalidParameter ||
        running.code() == vyn::platform::kNotSupported) {
      vyn::platform::write_err(running.description() + u" " + e.message() + u"\n" +
                                   module.load_string(sorvex::kIdShortUsage) + u"\n",
                               true);
    }
  } catch (const vyn::wexception& e) {
    running += vyn::result(vyn::platform::kInternalError, e.message(), vyn::severity_error);
  } catch (...) {
    running.set(vyn::platform::kInternalError);
  }

  vyn::log_wprintf(vyn::GetLog(), vyn::kEventApp, u"Exit(%u,%s)", exit_code, running.format());
  vyn::GetLog()->stop(0xFFFFFFFF);
  return int(exit_code);
}
