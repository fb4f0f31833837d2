#include "log/log_params.h"

#include <string>

#include <gtest/gtest.h>

#include "platform/utf.h"
#include "support/temp_dir.h"

namespace vyn {
namespace {

using testing_support::temp_dir;

struct loaded {
  LogWliParams params;
  explicit loaded(const temp_dir& d, const std::string& content)
      : params(utf8_to_utf16(d.file("prog"))) {
    d.write("prog.wli", content);
    params.reload();
  }
};

TEST(LogParams, DefaultsWithoutAFile) {
  temp_dir d;
  LogWliParams p(utf8_to_utf16(d.file("prog")));
  p.events[u"x"] = u"";
  p.reload();
  EXPECT_TRUE(p.events.empty());
  EXPECT_EQ(p.time_format, u"dd.MM.yyyy HH:mm:ss.ii");
  EXPECT_EQ(p.flush_seconds, 60);
  EXPECT_EQ(p.flush_bytes, 4096);
  EXPECT_EQ(p.reload_seconds, 60);
  EXPECT_EQ(p.log_file, utf8_to_utf16(d.file("prog.log")));
  EXPECT_EQ(p.wli_file, utf8_to_utf16(d.file("prog.wli")));
}

TEST(LogParams, IniFormatEveryKey) {
  temp_dir d;
  loaded l(d,
           "[Prms]\nTmFrmt=HH:mm\nPID=On\nTID=off\nStrtMd=Overwrite\nFlshSec=10\nFlshLns=10\n"
           "[Evts]\nA.*=\nTIL=.*Ld.*\nTIL=again\n");
  const LogParams& p = l.params;
  EXPECT_EQ(p.time_format, u"HH:mm");
  EXPECT_TRUE(p.show_pid);
  EXPECT_FALSE(p.show_tid);
  EXPECT_EQ(p.start_mode, 1);
  EXPECT_EQ(p.flush_seconds, 10);
  EXPECT_EQ(p.flush_bytes, 800);
  EXPECT_EQ(p.events.size(), 2u);
  EXPECT_EQ(p.events.at(u"TIL"), u"again");  // the later value wins
}

TEST(LogParams, IniFormatValues) {
  temp_dir d;
  struct row {
    std::string prms;
    int32_t start_mode, flush_seconds, flush_bytes;
    bool pid;
    std::u16string time_format;
  };
  const row rows[] = {
      {"PID= On", 0, 60, 4096, false, u"dd.MM.yyyy HH:mm:ss.ii"},  // a blank before On
      {"StrtMd=ovrwrt", 1, 60, 4096, true, u"dd.MM.yyyy HH:mm:ss.ii"},
      {"StrtMd=NEW", 2, 60, 4096, true, u"dd.MM.yyyy HH:mm:ss.ii"},
      {"StrtMd=sideways", 0, 60, 4096, true, u"dd.MM.yyyy HH:mm:ss.ii"},
      {"flushseconds=5\nflushlines=10", 0, 5, 10, true, u"dd.MM.yyyy HH:mm:ss.ii"},
      {"FlshLns=10\nflushlines=10", 0, 60, 10, true, u"dd.MM.yyyy HH:mm:ss.ii"},
      {"FlshSec=abc", 0, 0, 4096, true, u"dd.MM.yyyy HH:mm:ss.ii"},
      {"TmFrmt=", 0, 60, 4096, true, u""},
  };
  for (const row& r : rows) {
    loaded l(d, "[ Prms ]\n" + r.prms + "\n[Evts]\n");
    EXPECT_EQ(l.params.start_mode, r.start_mode) << r.prms;
    EXPECT_EQ(l.params.flush_seconds, r.flush_seconds) << r.prms;
    EXPECT_EQ(l.params.flush_bytes, r.flush_bytes) << r.prms;
    EXPECT_EQ(l.params.show_pid, r.pid) << r.prms;
    EXPECT_EQ(l.params.time_format, r.time_format) << r.prms;
    EXPECT_TRUE(l.params.events.empty());
  }
}

TEST(LogParams, LineFormat) {
  temp_dir d;
  loaded l(d, "  +TIL\r\n\r\n+A\xC2\xB7\xC2\xB7 more\n!imm\nnoise\n");
  EXPECT_EQ(l.params.events.size(), 2u);
  EXPECT_EQ(l.params.events.count(u"TIL"), 1u);
  EXPECT_EQ(l.params.events.count(u"A\u00B7\u00B7"), 1u);
  EXPECT_EQ(l.params.flush_bytes, 1);
  // An INI file without [Evts] is read again in the line format, from the
  // defaults.
  loaded fallback(d, "[Prms]\nPID=Off\n+XYZ\n");
  EXPECT_TRUE(fallback.params.show_pid);
  EXPECT_EQ(fallback.params.events.count(u"XYZ"), 1u);
  loaded other(d, "!NOW\n");
  EXPECT_EQ(other.params.flush_bytes, 4096);
}

log_entry entry(std::u16string event, std::u16string text) {
  log_entry e;
  e.set(2026, 3, 4, 5, 6, 7, 8);
  e.event = std::move(event);
  e.text = std::move(text);
  e.process_id = 0x1A;
  e.thread_id = 0x12345;
  return e;
}

TEST(LogParams, LineFormatAndFilter) {
  LogParams p;
  EXPECT_EQ(p.format_line(entry(u"A", u"t")), u"");  // an empty table accepts nothing
  p.events[u"A.*"] = u"";
  p.events[u"TIL"] = u".*Ld.*";
  EXPECT_EQ(p.format_line(entry(u"A\u00B7\u00B7", u"Start(x)")),
            u"A\u00B7\u00B7 04.03.2026 05:06:07.008 PID=001A TID=12345 Start(x)\r\n");
  EXPECT_EQ(p.format_line(entry(u"til", u"TIni::Ld(x) end(0)")).substr(0, 3), u"til");
  EXPECT_EQ(p.format_line(entry(u"TIL", u"other")), u"");     // the text must match whole
  EXPECT_EQ(p.format_line(entry(u"XA", u"t")), u"");          // the event must match whole
  p.time_format.clear();
  p.show_pid = p.show_tid = false;
  EXPECT_EQ(p.format_line(entry(u"Abc", u"text")), u"Abc text\r\n");
  p.events[u"("] = u"";  // a bad pattern throws; the writer swallows it
  EXPECT_THROW(p.format_line(entry(u"A", u"x")), regex_error);
}

}  // namespace
}  // namespace vyn
