#include "log/b_time.h"

#include <cmath>
#include <cstdio>

#include "foundations/error_registry.h"
#include "foundations/exceptions.h"
#include "foundations/wformat.h"
#include "platform/error_codes.h"
#include "platform/locale_info.h"
#include "platform/process_info.h"

namespace vyn {
namespace {

constexpr double kMsPerDay = 86'400'000.0;

struct code_entry {
  uint32_t code;
  const char16_t* code_name;
  const char16_t* text_name;
  const char16_t* text;
};

constexpr code_entry kCodes[] = {
    {dtrInvalidDateFormat, u"dtrInvalidDateFormat", u"txtInvldDtFrmt",
     u"Ошибка в формате (не найден символ, разделяющий компоненты даты)."},
    {dtrInvalidTimeFormat, u"dtrInvalidTimeFormat", u"txtInvldTmFrmt",
     u"Ошибка в формате (не найден символ, разделяющий компоненты времени)."},
    {dtrWrongYear, u"dtrWrongYear", u"txtWrongYear", u"Ошибка в номере года."},
    {dtrWrongMonth, u"dtrWrongMonth", u"txtWrongMonth", u"Ошибка в числе месяцев."},
    {dtrWrongDay, u"dtrWrongDay", u"txtWrongDay", u"Ошибка в числе дней."},
    {dtrWrongHour, u"dtrWrongHour", u"txtWrongHour", u"Ошибка в числе часов."},
    {dtrWrongMinute, u"dtrWrongMinute", u"txtWrongMinute", u"Ошибка в числе минут."},
    {dtrWrongSec, u"dtrWrongSec", u"txtWrongSecond", u"Ошибка в числе секунд."},
    {dtrWrongMSec, u"dtrWrongMSec", u"txtWrongMSec", u"Ошибка в числе миллисекунд."},
};

// Registers the codes once per process; a refused registration is a
// consistency-check failure naming the call.
void register_time_codes() {
  static bool done = false;
  if (done) return;
  done = true;
  int line = 26;
  for (const code_entry& e : kCodes) {
    if (!RegisterError(e.code, e.text)) {
      throw wexception(wformat(u"!::RegisterError(%s,%s) at ..\\Src\\gen\\BTmErr line %d",
                               e.code_name, e.text_name, line));
    }
    ++line;
  }
}

bool is_leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int month_length(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && is_leap(year) ? 29 : kDays[month - 1];
}

bool russian() {
  return platform::interface_language() == platform::language::russian;
}

const char16_t* const kDayEn[] = {u"Sunday", u"Monday", u"Tuesday", u"Wednesday",
                                  u"Thursday", u"Friday", u"Saturday"};
const char16_t* const kDayEnShort[] = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
const char16_t* const kDayRu[] = {u"воскресенье", u"понедельник", u"вторник", u"среда",
                                  u"четверг", u"пятница", u"суббота"};
const char16_t* const kDayRuShort[] = {u"Вс", u"Пн", u"Вт", u"Ср", u"Чт", u"Пт", u"Сб"};
const char16_t* const kMonthEn[] = {u"January", u"February", u"March", u"April",
                                    u"May", u"June", u"July", u"August",
                                    u"September", u"October", u"November", u"December"};
const char16_t* const kMonthEnShort[] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                         u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
const char16_t* const kMonthRu[] = {u"Январь", u"Февраль", u"Март", u"Апрель",
                                    u"Май", u"Июнь", u"Июль", u"Август",
                                    u"Сентябрь", u"Октябрь", u"Ноябрь", u"Декабрь"};
const char16_t* const kMonthRuOf[] = {u"января", u"февраля", u"марта", u"апреля",
                                      u"мая", u"июня", u"июля", u"августа",
                                      u"сентября", u"октября", u"ноября", u"декабря"};
const char16_t* const kMonthRuShort[] = {u"янв", u"фев", u"мар", u"апр", u"май", u"июн",
                                         u"июл", u"авг", u"сен", u"окт", u"ноя", u"дек"};

std::u16string two(int v) { return wformat(u"%02d", v); }

}  // namespace

int64_t first_day_of_year(int year) {
  int64_t y = year - 1601;
  return 365 * y + y / 4 - y / 100 + y / 400;
}

b_time::b_time() { register_time_codes(); }

b_time::b_time(double day_number, int hour, int minute, int second, int ms) {
  register_time_codes();
  value = day_number;
  set_time(hour, minute, second, ms);
}

uint32_t b_time::set_date(int year, int month, int day) {
  if (year >= 0 && year < 80) year += 2000;
  else if (year >= 80 && year < 100) year += 1900;
  if (year <= 1600) return dtrWrongYear;
  if (month < 1 || month > 12) return dtrWrongMonth;
  if (day < 1 || day > month_length(year, month)) return dtrWrongDay;
  int64_t days = first_day_of_year(year);
  for (int m = 1; m < month; ++m) days += month_length(year, m);
  days += day - 1;
  double fraction = value - std::floor(value);
  if (!is_set()) fraction = 0;
  value = double(days) + fraction;
  return 0;
}

uint32_t b_time::set_time(int hour, int minute, int second, int ms) {
  if (hour > 23) return dtrWrongHour;
  if (minute > 59) return dtrWrongMinute;
  if (second > 59) return dtrWrongSec;
  if (ms > 999) return dtrWrongMSec;
  double day = is_set() ? std::floor(value) : 0.0;
  value = day + ((hour * 3600.0 + minute * 60.0 + second) * 1000.0 + ms) / kMsPerDay;
  return 0;
}

uint32_t b_time::set(int year, int month, int day, int hour, int minute,
                     int second, int ms) {
  if (uint32_t code = set_date(year, month, day)) return code;
  return set_time(hour, minute, second, ms);
}

void b_time::set_now() {
  platform::local_time t = platform::now_local();
  set_date(t.year, t.month, t.day);
  set_time(t.hour, t.minute, t.second, t.millisecond);
}

result b_time::check() const {
  return is_set() ? result() : result(platform::kInvalidParameter, u"", severity_error);
}

b_time::parts b_time::split() const {
  if (!is_set()) return {1600, 12, 31, 0, 0, 0, 0};
  int64_t days = int64_t(std::floor(value));
  int64_t ms = std::llround((value - double(days)) * kMsPerDay);
  if (ms >= int64_t(kMsPerDay)) {  // rounding reached the next day
    ++days;
    ms -= int64_t(kMsPerDay);
  }
  int year = 1601 + int(days / 366);
  while (first_day_of_year(year + 1) <= days) ++year;
  int64_t rest = days - first_day_of_year(year);
  int month = 1;
  while (rest >= month_length(year, month)) rest -= month_length(year, month++);
  return {year, month, int(rest) + 1, int(ms / 3'600'000), int(ms % 3'600'000 / 60'000),
          int(ms % 60'000 / 1000), int(ms % 1000)};
}

int b_time::year() const { return split().year; }
int b_time::month() const { return split().month; }
int b_time::day() const { return split().day; }
int b_time::hour() const { return split().hour; }
int b_time::minute() const { return split().minute; }
int b_time::second() const { return split().second; }
int b_time::millisecond() const { return split().millisecond; }

Str& b_time::to_text(Str& out) const {
  if (!is_set()) {
    out.assign("");
    return out;
  }
  parts p = split();
  out.format("%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
             p.minute, p.second);
  return out;
}

std::u16string b_time::format(std::u16string_view pattern) const {
  if (!is_set()) return {};
  const parts p = split();
  const bool ru = russian();
  const int weekday = int((int64_t(std::floor(value)) + 1) % 7);  // 1601-01-01 was a Monday
  // Russian full month names take the genitive next to a day number.
  const bool day_in_pattern = pattern.find(u'd') != std::u16string_view::npos;
  std::u16string out;
  size_t i = 0;
  while (i < pattern.size()) {
    const char16_t c = pattern[i];
    if (c == u'\'') {
      // Quoted text; '' inside or outside quotes is one quote.
      size_t j = i + 1;
      if (j < pattern.size() && pattern[j] == u'\'') {
        out += u'\'';
        i = j + 1;
        continue;
      }
      while (j < pattern.size()) {
        if (pattern[j] == u'\'') {
          if (j + 1 < pattern.size() && pattern[j + 1] == u'\'') {
            out += u'\'';
            j += 2;
            continue;
          }
          break;
        }
        out += pattern[j++];
      }
      i = j + 1;
      continue;
    }
    size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    switch (c) {
      case u'd':
        if (run == 1) out += wformat(u"%d", p.day);
        else if (run == 2) out += two(p.day);
        else if (run == 3) out += ru ? kDayRuShort[weekday] : kDayEnShort[weekday];
        else out += ru ? kDayRu[weekday] : kDayEn[weekday];
        break;
      case u'M':
        if (run == 1) out += wformat(u"%d", p.month);
        else if (run == 2) out += two(p.month);
        else if (run == 3) out += ru ? kMonthRuShort[p.month - 1] : kMonthEnShort[p.month - 1];
        else out += ru ? (day_in_pattern ? kMonthRuOf : kMonthRu)[p.month - 1]
                       : kMonthEn[p.month - 1];
        break;
      case u'y':
        if (run == 1) out += wformat(u"%d", p.year % 100);
        else if (run == 2) out += two(p.year % 100);
        else out += wformat(u"%04d", p.year);
        break;
      case u'g':
        out += ru ? u"н. э." : u"A.D.";
        break;
      case u'h': {
        int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
        out += run == 1 ? wformat(u"%d", h12) : two(h12);
        break;
      }
      case u'H':
        out += run == 1 ? wformat(u"%d", p.hour) : two(p.hour);
        break;
      case u'm':
        out += run == 1 ? wformat(u"%d", p.minute) : two(p.minute);
        break;
      case u's':
        out += run == 1 ? wformat(u"%d", p.second) : two(p.second);
        break;
      case u't': {
        std::u16string ampm = ru ? u"" : (p.hour < 12 ? u"AM" : u"PM");
        out += run == 1 ? ampm.substr(0, 1) : ampm;
        break;
      }
      case u'i':
        for (size_t k = 0; k + 1 < run; k += 2) out += wformat(u"%03d", p.millisecond);
        if (run % 2) out += wformat(u"%d", p.millisecond);
        break;
      default:
        out.append(run, c);
        break;
    }
    i += run;
  }
  return out;
}

}  // namespace vyn
