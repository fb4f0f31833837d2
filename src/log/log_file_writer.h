// The writer thread of the diagnostic log: filters the entries by the
// parameter file's event table, formats accepted ones as lines and appends
// them in batches to a UTF-8 log file beside the program.
#ifndef VYN_LOG_LOG_FILE_WRITER_H_
#define VYN_LOG_LOG_FILE_WRITER_H_

#include <cstdint>
#include <string>

#include "log/log.h"
#include "log/log_params.h"

namespace vyn {

struct log_writer_settings {
  std::u16string base_path;          // program path without extension; empty: ours
  int64_t reload_ms = 60'000;        // how often the parameter file is read again
  int64_t final_flush_ms = 15'000;   // how long failed flushes are retried at stop
};

class log_file_writer : public log_writer_thread {
 public:
  explicit log_file_writer(log_writer_settings settings = {});
  void run(platform::message_queue& queue) override;

  // The file name for a start mode: "<base>.log", or for mode 2
  // "<base><yyyyMMdd-HHmmssii>.log".
  static std::u16string file_name(const std::u16string& base, int32_t start_mode);

 private:
  void flush();

  log_writer_settings settings_;
  LogWliParams params_;
  std::u16string pending_;
};

// Makes the process-wide log start a log_file_writer with the default
// settings.
void install_log_writer();

}  // namespace vyn

#endif  // VYN_LOG_LOG_FILE_WRITER_H_
