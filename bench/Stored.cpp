#include "bench/Stored.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Stored::Stored(const std::string& path, int length) : length_(length) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0) std::abort();
  bytes_.resize(static_cast<size_t>(st.st_size));
  size_t done = 0;
  while (done < bytes_.size()) {
    const ssize_t got = ::read(fd, bytes_.data() + done, bytes_.size() - done);
    if (got <= 0) std::abort();
    done += static_cast<size_t>(got);
  }
  ::close(fd);
}

const uint8_t* Stored::field(long n, int offset) const {
  return bytes_.data() + static_cast<size_t>(n - 1) * static_cast<size_t>(length_) + static_cast<size_t>(offset);
}

std::string Stored::text(long n, int offset, int width) const {
  return std::string(reinterpret_cast<const char*>(field(n, offset)), static_cast<size_t>(width));
}

std::string Stored::trimmed(long n, int offset, int width) const { return TrimmedText(text(n, offset, width)); }

int Stored::i16(long n, int offset) const {
  const uint8_t* p = field(n, offset);
  return static_cast<int16_t>(static_cast<uint16_t>(p[0] | p[1] << 8));
}

int32_t Stored::i32(long n, int offset) const {
  const uint8_t* p = field(n, offset);
  uint32_t u = 0;
  for (int k = 3; k >= 0; --k) u = u << 8 | p[k];
  return static_cast<int32_t>(u);
}

float Stored::f32(long n, int offset) const {
  const uint32_t u = static_cast<uint32_t>(i32(n, offset));
  float f;
  std::memcpy(&f, &u, sizeof f);
  return f;
}

int64_t Stored::moneyRaw(long n, int offset) const {
  const uint8_t* p = field(n, offset);
  uint64_t u = 0;
  for (int k = 7; k >= 0; --k) u = u << 8 | p[k];
  return static_cast<int64_t>(u);
}

double Stored::money(long n, int offset) const { return static_cast<double>(moneyRaw(n, offset)) / 10000.0; }

std::string TrimmedText(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string UpperText(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool EmptyStoredDate(const std::string& date) {
  const std::string t = TrimmedText(date);
  return t.empty() || t == "__/__/____";
}

long DateKey(const std::string& date) {
  if (date.size() < 10 || date[2] != '/' || date[5] != '/') return 0;
  const std::string digits = date.substr(6, 4) + date.substr(0, 2) + date.substr(3, 2);
  for (char c : digits)
    if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
  return std::atol(digits.c_str());
}

long DayCount(const std::string& date) {
  const long key = DateKey(date);
  long y = key / 10000, m = key / 100 % 100;
  const long d = key % 100;
  // Days before March 1 of year y, counting from a year that starts in March.
  if (m <= 2) --y, m += 12;
  return 365 * y + y / 4 - y / 100 + y / 400 + (153 * (m - 3) + 2) / 5 + d;
}

bool StoredHolds(const Stored& s, long n, int offset, int width, const std::string& part) {
  return UpperText(s.trimmed(n, offset, width)).find(part) != std::string::npos;
}
