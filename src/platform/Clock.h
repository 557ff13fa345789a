#pragma once
// The program's clock. It starts as the machine's clock; setting the date or
// the time moves only the program's own clock (an offset), never the machine's.
#include <string>

namespace platform {

struct CivilDate {
  int year = 0, month = 0, day = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Today's date in this platform's regional short format, "MM/DD/YYYY".
  virtual std::string dateText() = 0;
  // The time in the regional format, "HH:MM:SS".
  virtual std::string timeText() = 0;
  // Seconds, with fractions, counted from an arbitrary start on a clock that
  // only runs forward: setting the date or time, or midnight, never moves it.
  virtual double steadySeconds() = 0;
  // Today's date as numbers.
  virtual CivilDate today() = 0;
  // Move the program's clock to this date (keeping the time of day) or time.
  virtual void setDate(int year, int month, int day) = 0;
  virtual void setTime(int hour, int minute, int second) = 0;
};

// The machine's clock plus the offset that the program's settings put on it.
class SystemClock : public Clock {
 public:
  std::string dateText() override;
  std::string timeText() override;
  double steadySeconds() override;
  CivilDate today() override;
  void setDate(int year, int month, int day) override;
  void setTime(int hour, int minute, int second) override;

 private:
  long long nowMs();  // local milliseconds since the epoch, offset applied
  double secondsSinceMidnight();
  long long offsetMs_ = 0;
};

// Days from 1970-01-01 to a civil date (proleptic Gregorian, years -32767 to
// 32767; a day past the month's end counts on into the next month) and back.
long long daysFromCivil(int year, int month, int day);
CivilDate civilFromDays(long long days);

}  // namespace platform
