// The log's parameters, read from "<program>.wli" beside the program.
#ifndef VYN_LOG_LOG_PARAMS_H_
#define VYN_LOG_LOG_PARAMS_H_

#include <cstdint>
#include <map>
#include <string>

#include "engine/regex.h"
#include "foundations/base.h"
#include "log/log.h"

namespace vyn {

class LogParams : public base {
 public:
  LogParams() { reset(); }

  // The finished line for an entry ("event time PID=.. TID=.. text\r\n"), or
  // empty when no entry of the event table accepts it. Each table entry
  // (visited in key order) accepts when its key matches the event as a
  // whole and its value is empty or matches the text as a whole (both
  // ECMAScript, ignoring case). Throws regex_error for a bad pattern.
  virtual std::u16string format_line(const log_entry& entry);
  // Every field to its default; the log file stays.
  virtual void reset();

  std::u16string time_format;
  bool show_pid = true;
  bool show_tid = true;
  bool show_event = true;
  int32_t start_mode = 0;  // 0 append, 1 overwrite, 2 new
  int32_t flush_seconds = 60;
  int32_t flush_bytes = 4096;
  std::map<std::u16string, std::u16string> events;
  std::u16string log_file;

 private:
  // Compiled patterns, made on first use and dropped by reset().
  const regex& whole(const std::u16string& pattern);
  std::map<std::u16string, regex> compiled_;
};

class LogWliParams : public LogParams {
 public:
  // `base_path` is the program's path without extension; empty: the
  // running program's.
  explicit LogWliParams(std::u16string base_path = {});

  void reset() override;
  // Reads the parameter file again: the INI format, else the line format;
  // without the file, the defaults (which log nothing).
  void reload();

  int32_t reload_seconds = 60;
  uint64_t last_load_tick = 0;
  std::u16string wli_file;
  std::u16string base_path;
};

}  // namespace vyn

// Reader of the line format: "+EVT" logs an event with every text, "!IMM"
// flushes after every line; other lines are ignored. 13 for an empty file.
class LogWliParamsLoader {
 public:
  virtual ~LogWliParamsLoader() = default;
  virtual uint32_t load(vyn::LogParams& params, const std::u16string& path);
};

// Reader of the INI format: [Prms] and [Evts]; 13 when either is missing.
class LogWliParamsLoader2 : public LogWliParamsLoader {
 public:
  uint32_t load(vyn::LogParams& params, const std::u16string& path) override;
};

#endif  // VYN_LOG_LOG_PARAMS_H_
