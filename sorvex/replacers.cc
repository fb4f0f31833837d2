#include "sorvex/replacers.h"

#include <exception>

#include "foundations/exceptions.h"
#include "foundations/wformat.h"
#include "log/log.h"
#include "platform/console.h"
#include "platform/error_codes.h"
#include "textfiles/file_mask.h"

text_file_action_stat& text_file_action_stat::execute() {
  if (output_level > 0) vyn::platform::write_out(file_name, true);
  if (action_set) action_set->reset_replacements();
  vyn::text_file_block_action::execute();
  const int32_t count = action_set ? action_set->replacements() : 0;
  if (output_level > 0) {
    std::u16string line = u" " + written_code_page.display_name();
    if (output_level >= 2) line += vyn::wformat(u" : %d", count);
    line += u'\n';
    vyn::platform::write_out(line, true);
  }
  total += count;
  return *this;
}

actions_replacer::actions_replacer(const vyn::string_action_set& set,
                                   std::vector<std::u16string> m, bool r, int32_t level,
                                   text_file_code_page read, text_file_code_page write)
    : replacer(set), masks(std::move(m)), read_code_page(read), write_code_page(write),
      recursive(r), output_level(level) {}

actions_replacer& actions_replacer::execute() {
  vyn::function_log scope(vyn::kEventApp, u"actions_replacer::execute()");
  exit_code_ = 0;
  vyn::result combined;

  text_file_action_stat stat;
  stat.total = 0;
  stat.output_level = output_level;
  stat.set_code_pages(read_code_page.number, read_code_page.bom, write_code_page.number,
                      write_code_page.bom);
  stat.set_action_set(&actions);
  vyn::FileMaskWorker worker;
  worker.worker = &stat;

  for (const std::u16string& mask : masks) {
    try {
      vyn::result m;
      if (recursive) {
        vyn::FileRecursive walk;
        walk.worker = &worker;
        walk.set_mask(mask);
        m = walk.execute_nothrow();
      } else {
        worker.set_name(mask);
        m = worker.execute_nothrow();
      }
      if (m.code() == vyn::platform::kFileNotFound ||
          combined.code() != vyn::platform::kFileNotFound) {
        combined += m;
      } else {
        combined = m;
      }
    } catch (const vyn::windows_error& e) {
      combined = vyn::result(e.code(), e.message(), vyn::severity_error);
    } catch (const std::exception& e) {
      combined = vyn::result(vyn::platform::kInternalError, std::string_view(e.what()),
                             vyn::severity_error);
    } catch (...) {
      combined = vyn::result(vyn::platform::kInternalError, u"", vyn::severity_error);
    }
  }
  if (!combined.ok()) exit_code_ = 2;
  else if (actions.empty() || stat.total != 0) exit_code_ = 0;
  else exit_code_ = 1;
  scope.write(u"r=" + combined.format() + vyn::wformat(u",rc=%u", exit_code_));
  return *this;
}

stream_actions_replacer& stream_actions_replacer::execute() {
  std::string bytes;
  while (vyn::platform::read_in_line(bytes)) {
    std::u16string line = vyn::platform::from_console(bytes);
    line += u'\n';
    actions.reset_replacements();
    actions.set_text(&line);
    actions.execute();
    total += actions.replacements();
    if (!line.empty()) vyn::platform::write_out(line, true);
  }
  return *this;
}

uint32_t stream_actions_replacer::exit_code() const {
  return total < 0 ? 0u : total > 255 ? 255u : uint32_t(total);
}
