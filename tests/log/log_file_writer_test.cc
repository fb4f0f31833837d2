#include "log/log_file_writer.h"

#include <chrono>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/utf.h"
#include "support/temp_dir.h"

namespace vyn {
namespace {

using testing_support::temp_dir;

// The writer settings of the log under test (a factory takes no state).
log_writer_settings g_settings;

std::unique_ptr<log_writer_thread> make_writer() {
  return std::make_unique<log_file_writer>(g_settings);
}

// A log of its own, writing beside "<dir>/prog".
struct test_log {
  AsyncLog log{make_writer};
  explicit test_log(const temp_dir& d, int64_t reload_ms = 60'000) {
    g_settings = {utf8_to_utf16(d.file("prog")), reload_ms, 15'000};
  }
};

bool wait_for(auto condition) {
  for (int i = 0; i < 200; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

TEST(LogFileWriter, PendingLinesAreWrittenAtStop) {
  temp_dir d;
  d.write("prog.wli", "[Prms]\nTmFrmt=\nPID=Off\nTID=Off\n[Evts]\nA.*=\n");
  test_log t(d);
  ASSERT_EQ(t.log.start(), 0u);
  EXPECT_NE(t.log.thread_id, 0xFFFFFFFFu);
  for (int i = 0; i < 3; ++i) t.log.write(u"A1", u"line " + std::u16string(1, char16_t(u'0' + i)));
  t.log.write(u"B1", u"filtered out");
  EXPECT_EQ(t.log.stop(0xFFFFFFFF), 0u);
  // The first line flushes at once (nothing was flushed before); the rest
  // wait for the threshold and go out at stop.
  EXPECT_EQ(d.read("prog.log"), "A1 line 0\r\nA1 line 1\r\nA1 line 2\r\n");
  EXPECT_EQ(t.log.write(u"A1", u"after stop"), kNoWriterThread);
}

TEST(LogFileWriter, NoParameterFileNoLogFile) {
  temp_dir d;
  test_log t(d);
  ASSERT_EQ(t.log.start(), 0u);
  t.log.write(u"A", u"x");
  t.log.stop(0xFFFFFFFF);
  EXPECT_FALSE(d.exists("prog.log"));
}

TEST(LogFileWriter, ImmediateFlushAndReloadAfterDeletion) {
  temp_dir d;
  d.write("prog.wli", "+A\n!IMM\n");
  test_log t(d, 200);  // reload every 200 ms
  ASSERT_EQ(t.log.start(), 0u);
  t.log.write(u"A", u"one");
  t.log.write(u"A", u"two");
  // Flushed after every line, while the log runs.
  EXPECT_TRUE(wait_for([&] {
    return d.exists("prog.log") && d.read("prog.log").find("two") != std::string::npos;
  }));
  std::filesystem::remove(d.file("prog.wli"));
  std::this_thread::sleep_for(std::chrono::milliseconds(600));  // a reload or more
  t.log.write(u"A", u"three");
  t.log.stop(0xFFFFFFFF);
  EXPECT_EQ(d.read("prog.log").find("three"), std::string::npos);
}

TEST(LogFileWriter, StartModes) {
  temp_dir d;
  d.write("prog.log", "old\r\n");
  d.write("prog.wli", "[Prms]\nTmFrmt=\nPID=Off\nTID=Off\nStrtMd=overwrite\n[Evts]\nX=\n");
  {
    test_log t(d);
    t.log.start();
    t.log.write(u"X", u"new");
    t.log.stop(0xFFFFFFFF);
  }
  EXPECT_EQ(d.read("prog.log"), "X new\r\n");
  d.write("prog.wli", "[Prms]\nTmFrmt=\nStrtMd=append\n[Evts]\nX=\n");
  {
    test_log t(d);
    t.log.start();
    t.log.write(u"X", u"more");
    t.log.stop(0xFFFFFFFF);
  }
  EXPECT_EQ(d.read("prog.log").substr(0, 7), "X new\r\n");
  EXPECT_NE(d.read("prog.log").find("more"), std::string::npos);
}

TEST(LogFileWriter, NewModeFileName) {
  std::string name = utf16_to_utf8(log_file_writer::file_name(u"/x/prog", 2));
  EXPECT_TRUE(std::regex_match(name, std::regex("/x/prog[0-9]{8}-[0-9]{9}\\.log"))) << name;
  EXPECT_EQ(log_file_writer::file_name(u"/x/prog", 1), u"/x/prog.log");
}

TEST(LogFileWriter, StopWithoutStartAndStartWithoutWriter) {
  AsyncLog plain;
  EXPECT_EQ(plain.start(), 50u);
  EXPECT_EQ(plain.stop(0xFFFFFFFF), 0u);
  EXPECT_EQ(plain.write(u"A", u"x"), kNoWriterThread);
}

}  // namespace
}  // namespace vyn
