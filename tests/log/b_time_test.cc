#include "log/b_time.h"

#include <string>

#include <gtest/gtest.h>

#include "foundations/error_registry.h"

namespace vyn {
namespace {

TEST(BTime, YearRules) {
  struct row {
    int year;
    uint32_t code;
    int stored;
  };
  const row rows[] = {{79, 0, 2079}, {80, 0, 1980}, {99, 0, 1999}, {0, 0, 2000},
                      {1600, dtrWrongYear, 0}, {1601, 0, 1601}, {-5, dtrWrongYear, 0},
                      {2400, 0, 2400}};
  for (const row& r : rows) {
    b_time t;
    EXPECT_EQ(t.set_date(r.year, 1, 1), r.code) << r.year;
    if (r.code == 0) EXPECT_EQ(t.year(), r.stored);
    else EXPECT_FALSE(t.is_set());
  }
}

TEST(BTime, DaysAndMonths) {
  b_time t;
  EXPECT_EQ(t.set_date(2000, 2, 29), 0u);
  EXPECT_EQ(t.set_date(1900, 2, 29), uint32_t(dtrWrongDay));
  EXPECT_EQ(t.day(), 29);  // unchanged by the refusal
  EXPECT_EQ(t.year(), 2000);
  EXPECT_EQ(t.set_date(2001, 13, 1), uint32_t(dtrWrongMonth));
  EXPECT_EQ(t.set_date(2001, 4, 31), uint32_t(dtrWrongDay));
  EXPECT_EQ(t.set_date(2001, 4, 0), uint32_t(dtrWrongDay));
}

TEST(BTime, TimeLimitsAndKeepingParts) {
  b_time t;
  EXPECT_EQ(t.set(2024, 12, 31, 23, 59, 59, 999), 0u);
  const double before = t.value;
  EXPECT_EQ(t.set_time(10, 60, 0, 0), uint32_t(dtrWrongMinute));
  EXPECT_EQ(t.set_time(24, 0, 0, 0), uint32_t(dtrWrongHour));
  EXPECT_EQ(t.set_time(0, 0, 60, 0), uint32_t(dtrWrongSec));
  EXPECT_EQ(t.set_time(0, 0, 0, 1000), uint32_t(dtrWrongMSec));
  EXPECT_EQ(t.value, before);
  EXPECT_EQ(t.millisecond(), 999);
  EXPECT_EQ(t.second(), 59);
  // Setting the date keeps the time; setting the time keeps the date.
  t.set_date(2020, 6, 15);
  EXPECT_EQ(t.hour(), 23);
  EXPECT_EQ(t.minute(), 59);
  t.set_time(1, 2, 3, 4);
  EXPECT_EQ(t.day(), 15);
  EXPECT_EQ(t.month(), 6);
  EXPECT_EQ(t.millisecond(), 4);
}

TEST(BTime, EpochAndNotSet) {
  b_time t;
  EXPECT_FALSE(t.check().ok());
  EXPECT_EQ(t.check().code(), 87u);
  EXPECT_EQ(t.year(), 1600);
  EXPECT_EQ(t.month(), 12);
  EXPECT_EQ(t.day(), 31);
  EXPECT_EQ(t.format(u"dd.MM.yyyy"), u"");
  Str text;
  EXPECT_STREQ(t.to_text(text).c_str(), "");
  t.set(1601, 1, 1, 0, 0, 0, 0);
  EXPECT_EQ(t.value, 0.0);
  EXPECT_TRUE(t.check().ok());
  EXPECT_FALSE(t.is_positive());
}

TEST(BTime, RoundTripOverManyDates) {
  for (int year : {1601, 1700, 1900, 1999, 2000, 2024, 2100, 2400}) {
    for (int month = 1; month <= 12; ++month) {
      for (int day : {1, 15, 28}) {
        b_time t;
        ASSERT_EQ(t.set(year, month, day, 13, 7, 45, 321), 0u);
        EXPECT_EQ(t.year(), year);
        EXPECT_EQ(t.month(), month);
        EXPECT_EQ(t.day(), day);
        EXPECT_EQ(t.hour(), 13);
        EXPECT_EQ(t.minute(), 7);
        EXPECT_EQ(t.second(), 45);
        EXPECT_EQ(t.millisecond(), 321);
      }
    }
  }
}

TEST(BTimeFormat, Patterns) {
  b_time t;
  t.set(2026, 4, 7, 9, 5, 3, 5);  // a Tuesday
  struct row {
    std::u16string pattern, out;
  };
  const row rows[] = {
      {u"dd.MM.yyyy HH:mm:ss.ii", u"07.04.2026 09:05:03.005"},
      {u"yyyyMMdd-HHmmssii", u"20260407-090503005"},
      {u"d/M/y H:m:s.i", u"7/4/26 9:5:3.5"},
      {u"dddd, MMMM d", u"Tuesday, April 7"},
      {u"ddd MMM yy", u"Tue Apr 26"},
      {u"hh:mm tt", u"09:05 AM"},
      {u"h t", u"9 A"},
      {u"'ii and i' ii", u"ii and i 005"},
      {u"'It''s' HH", u"It's 09"},
      {u"''", u"'"},
      {u"MMMM", u"April"},   // names are not read again as fields
      {u"gg yyyy", u"A.D. 2026"},
  };
  for (const row& r : rows) EXPECT_EQ(t.format(r.pattern), r.out);
  t.set_time(15, 0, 0, 0);
  EXPECT_EQ(t.format(u"h tt"), u"3 PM");
}

TEST(BTime, CodesAreRegistered) {
  b_time t;
  EXPECT_EQ(ErrorMessage(dtrWrongYear), u"Ошибка в номере года.");
  EXPECT_EQ(ErrorMessage(dtrWrongMSec), u"Ошибка в числе миллисекунд.");
  EXPECT_EQ(ErrorMessage(dtrInvalidDateFormat).substr(0, 6), u"Ошибка");
}

TEST(BTime, NowIsSet) {
  b_time t;
  t.set_now();
  EXPECT_TRUE(t.is_positive());
  EXPECT_GE(t.year(), 2024);
  Str text;
  EXPECT_EQ(t.to_text(text).length, 19);
}

}  // namespace
}  // namespace vyn
