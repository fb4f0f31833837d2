#include "log/log.h"

#include <string>

#include <gtest/gtest.h>

namespace vyn {
namespace {

// A log that keeps what it is given.
class recording_log : public Log {
 public:
  uint32_t start() override { return 0; }
  uint32_t stop(uint32_t) override { return 0; }
  uint32_t write(const std::u16string& event, const std::u16string& text) override {
    events += event + u"|";
    texts += text + u"|";
    return 0;
  }
  std::u16string events, texts;
};

TEST(AsyncLog, EntriesBeforeStartAreDropped) {
  EXPECT_EQ(GetLog(), GetLog());
  EXPECT_EQ(GetLog()->thread_id, 0xFFFFFFFFu);
  EXPECT_EQ(GetLog()->write(kEventApp, u"lost"), kNoWriterThread);
}

TEST(LogFormatting, LongTextsComeWhole) {
  recording_log log;
  std::u16string long_text(1000, u'x');
  log_wprintf(&log, kEventApp, u"Start(%s)", long_text);
  EXPECT_EQ(log.texts, u"Start(" + long_text + u")|");
  log.texts.clear();
  std::string narrow(500, 'y');
  log_printf(&log, "TIL", "TIni::Ld(%s,%u) begin", narrow.c_str(), 7u);
  EXPECT_EQ(log.texts, u"TIni::Ld(" + std::u16string(500, u'y') + u",7) begin|");
  EXPECT_EQ(log.events, u"A\u00B7\u00B7|TIL|");
}

TEST(FunctionLog, BeginAndEndAlsoOnException) {
  // Before the writer runs the lines are dropped; the scope must still
  // behave (no throw, no leak).
  try {
    function_log scope(kEventFiles, u"worker");
    scope.write(u"step");
    throw 1;
  } catch (int) {
  }
  SUCCEED();
}

}  // namespace
}  // namespace vyn
