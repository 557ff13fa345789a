#include "platform/Clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace platform {

long long daysFromCivil(int y, int m, int d) {
  using namespace std::chrono;
  // A day past the month's end counts on into the next month.
  const year_month_day date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  return sys_days{date}.time_since_epoch().count();
}

CivilDate civilFromDays(long long dayNumber) {
  using namespace std::chrono;
  const year_month_day date{sys_days{days{dayNumber}}};
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day()))};
}

long long SystemClock::nowMs() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  long long ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  long long localSeconds = static_cast<long long>(t) + local.tm_gmtoff;
  return localSeconds * 1000 + ms + offsetMs_;
}

namespace {
using std::chrono::days;
using std::chrono::milliseconds;
// The day a local time in milliseconds falls on, and the milliseconds since
// its midnight.
long long dayOf(long long ms) { return std::chrono::floor<days>(milliseconds{ms}).count(); }
long long msIntoDay(long long ms) { return (milliseconds{ms} - std::chrono::floor<days>(milliseconds{ms})).count(); }
}  // namespace

CivilDate SystemClock::today() { return civilFromDays(dayOf(nowMs())); }

std::string SystemClock::dateText() {
  CivilDate d = today();
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.month, d.day, d.year);
  return buf;
}

double SystemClock::secondsSinceMidnight() { return static_cast<double>(msIntoDay(nowMs())) / 1000.0; }

double SystemClock::steadySeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::string SystemClock::timeText() {
  long long s = static_cast<long long>(secondsSinceMidnight());
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", s / 3600, (s / 60) % 60, s % 60);
  return buf;
}

void SystemClock::setDate(int year, int month, int day) {
  offsetMs_ += milliseconds{days{daysFromCivil(year, month, day) - dayOf(nowMs())}}.count();
}

void SystemClock::setTime(int hour, int minute, int second) {
  const long long wanted = ((hour * 60LL + minute) * 60 + second) * 1000;
  offsetMs_ += wanted - msIntoDay(nowMs());
}

}  // namespace platform
