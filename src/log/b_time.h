// A local date and time: days since 1 January 1601 in a double, the
// fraction being the time of day. -1 means "not set".
#ifndef VYN_LOG_B_TIME_H_
#define VYN_LOG_B_TIME_H_

#include <cstdint>
#include <string>

#include "foundations/base.h"
#include "foundations/bstr.h"
#include "foundations/result.h"

namespace vyn {

// Registered error codes of dates and times.
enum : uint32_t {
  dtrInvalidDateFormat = 0x20000101,
  dtrInvalidTimeFormat = 0x20000102,
  dtrWrongYear = 0x20000103,
  dtrWrongMonth = 0x20000104,
  dtrWrongDay = 0x20000105,
  dtrWrongHour = 0x20000106,
  dtrWrongMinute = 0x20000107,
  dtrWrongSec = 0x20000108,
  dtrWrongMSec = 0x20000109,
};

class time_base : public base {
 public:
  virtual uint32_t set(int year, int month, int day, int hour, int minute,
                       int second, int millisecond) = 0;
  virtual Str& to_text(Str& out) const = 0;
  virtual result check() const = 0;
  virtual int year() const = 0;
  virtual int month() const = 0;
  virtual int day() const = 0;
  virtual int hour() const = 0;
  virtual int minute() const = 0;
  virtual int second() const = 0;
  virtual int millisecond() const = 0;
};

class b_time : public time_base {
 public:
  // Not set. The first construction in a process registers the date and
  // time error codes.
  b_time();
  b_time(double day_number, int hour, int minute, int second, int millisecond);

  // Two-digit years: below 80 are 20xx, 80 to 99 are 19xx. Returns the code
  // of the first field out of range (nothing changes then), else 0. The
  // time of day is kept.
  uint32_t set_date(int year, int month, int day);
  // Only upper bounds are checked. The date is kept (day 0 when not set).
  uint32_t set_time(int hour, int minute, int second, int millisecond);
  uint32_t set(int year, int month, int day, int hour, int minute, int second,
               int millisecond) override;
  void set_now();

  // Good when set, else a failed result with code 87.
  result check() const override;
  bool is_set() const { return value != -1.0; }
  bool is_positive() const { return value > 0; }
  bool operator==(const b_time& o) const { return value == o.value; }

  // Not set: the date reads as 1600-12-31 and the time as 00:00:00.000.
  int year() const override;
  int month() const override;
  int day() const override;
  int hour() const override;
  int minute() const override;
  int second() const override;
  int millisecond() const override;

  // "yyyy-MM-dd HH:mm:ss"; empty when not set.
  Str& to_text(Str& out) const override;

  // The picture language of Windows dates and times: d dd ddd dddd, M MM
  // MMM MMMM, y yy yyyy, g gg, h hh H HH, m mm, s ss, t tt, 'quoted text'
  // ('' is a quote), plus ii (milliseconds, three digits) and i
  // (milliseconds). Names are English or Russian like the interface.
  // Every field is expanded once: names produced are never read as fields.
  // Empty when not set.
  std::u16string format(std::u16string_view pattern) const;

  double value = -1.0;

 private:
  struct parts {
    int year, month, day, hour, minute, second, millisecond;
  };
  parts split() const;
};

// Days from 1 January 1601 to 1 January of `year`.
int64_t first_day_of_year(int year);

}  // namespace vyn

#endif  // VYN_LOG_B_TIME_H_
