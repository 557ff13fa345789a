#include "platform/Clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace platform {

long long daysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

CivilDate civilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
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
constexpr long long kDayMs = 86400LL * 1000;
long long floorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
}  // namespace

CivilDate SystemClock::today() { return civilFromDays(floorDiv(nowMs(), kDayMs)); }

std::string SystemClock::dateText() {
  CivilDate d = today();
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.month, d.day, d.year);
  return buf;
}

double SystemClock::secondsSinceMidnight() {
  long long ms = nowMs();
  return static_cast<double>(ms - floorDiv(ms, kDayMs) * kDayMs) / 1000.0;
}

std::string SystemClock::timeText() {
  long long s = static_cast<long long>(secondsSinceMidnight());
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", s / 3600, (s / 60) % 60, s % 60);
  return buf;
}

void SystemClock::setDate(int year, int month, int day) {
  long long ms = nowMs();
  long long currentDay = floorDiv(ms, kDayMs);
  offsetMs_ += (daysFromCivil(year, month, day) - currentDay) * kDayMs;
}

void SystemClock::setTime(int hour, int minute, int second) {
  long long ms = nowMs();
  long long intoDay = ms - floorDiv(ms, kDayMs) * kDayMs;
  long long wanted = ((hour * 60LL + minute) * 60 + second) * 1000;
  offsetMs_ += wanted - intoDay;
}

}  // namespace platform
