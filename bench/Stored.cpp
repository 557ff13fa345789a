#include "bench/Stored.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<uint8_t> fileBytes(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0) std::abort();
  std::vector<uint8_t> bytes(static_cast<size_t>(st.st_size));
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (got <= 0) std::abort();
    done += static_cast<size_t>(got);
  }
  ::close(fd);
  return bytes;
}

}  // namespace

Stored::Stored(const std::string& path, int length) : length_(length) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0) std::abort();
  size_ = static_cast<size_t>(st.st_size);
  if (size_ > 0) {
    mapped_ = ::mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped_ == MAP_FAILED) std::abort();
    bytes_ = static_cast<const uint8_t*>(mapped_);
  }
  size_t done = 0;
  while (done < size_) {
    const ssize_t got = ::read(fd, static_cast<uint8_t*>(mapped_) + done, size_ - done);
    if (got <= 0) std::abort();
    done += static_cast<size_t>(got);
  }
  ::close(fd);
}

Stored::~Stored() {
  if (mapped_) ::munmap(mapped_, size_);
}

const uint8_t* Stored::field(long n, int offset) const {
  return bytes_ + static_cast<size_t>(n - 1) * static_cast<size_t>(length_) + static_cast<size_t>(offset);
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

namespace {

long dayCountOf(long y, long m, long d) {
  // Days before March 1 of year y, counting from a year that starts in March.
  if (m <= 2) --y, m += 12;
  return 365 * y + y / 4 - y / 100 + y / 400 + (153 * (m - 3) + 2) / 5 + d;
}

}  // namespace

long DayCount(const std::string& date) {
  const long key = DateKey(date);
  return dayCountOf(key / 10000, key / 100 % 100, key % 100);
}

std::string DateOfDayCount(long days) {
  long y = days / 366, m = 1;
  while (dayCountOf(y + 1, 1, 1) <= days) ++y;
  while (m < 12 && dayCountOf(y, m + 1, 1) <= days) ++m;
  char text[64];
  std::snprintf(text, sizeof text, "%02ld/%02ld/%04ld", m, days - dayCountOf(y, m, 1) + 1, y);
  return text;
}

std::string DateAfter(const std::string& date, int days) {
  const long key = DateKey(date);
  int y = static_cast<int>(key / 10000), m = static_cast<int>(key / 100 % 100), d = static_cast<int>(key % 100);
  for (int k = 0; k < days; ++k) {
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    const int monthDays[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (++d > monthDays[m - 1]) d = 1, ++m;
    if (m > 12) m = 1, ++y;
  }
  char text[40];  // room for any int, though a date's parts are small
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", m, d, y);
  return text;
}

bool StoredHolds(const Stored& s, long n, int offset, int width, const std::string& part) {
  return UpperText(s.trimmed(n, offset, width)).find(part) != std::string::npos;
}

std::vector<long> ChangedRecords(const Stored& before, const Stored& after) {
  const long long length = before.length();
  const long long records = (std::max(before.size(), after.size()) + length - 1) / length;
  std::vector<long> changed;
  for (long r = 1; r <= records; ++r)
    if (before.bytesOf(r) != after.bytesOf(r)) changed.push_back(r);
  return changed;
}

std::string Stored::bytesOf(long n) const {
  const size_t from = static_cast<size_t>(n - 1) * static_cast<size_t>(length_);
  if (from >= size_) return "";
  const size_t to = std::min(size_, from + static_cast<size_t>(length_));
  return std::string(reinterpret_cast<const char*>(bytes_ + from), to - from);
}

RecordBytes& RecordBytes::text(int offset, int width, const std::string& t) {
  std::string padded = t.substr(0, static_cast<size_t>(width));
  padded.resize(static_cast<size_t>(width), ' ');
  bytes_.replace(static_cast<size_t>(offset), static_cast<size_t>(width), padded);
  return *this;
}

namespace {

void putLittle(std::string& bytes, int offset, uint64_t value, int width) {
  for (int k = 0; k < width; ++k) bytes[static_cast<size_t>(offset + k)] = static_cast<char>(value >> (8 * k) & 0xff);
}

}  // namespace

RecordBytes& RecordBytes::i16(int offset, int value) {
  putLittle(bytes_, offset, static_cast<uint16_t>(value), 2);
  return *this;
}

RecordBytes& RecordBytes::i32(int offset, int32_t value) {
  putLittle(bytes_, offset, static_cast<uint32_t>(value), 4);
  return *this;
}

RecordBytes& RecordBytes::f32(int offset, float value) {
  uint32_t u;
  std::memcpy(&u, &value, sizeof u);
  putLittle(bytes_, offset, u, 4);
  return *this;
}

RecordBytes& RecordBytes::money(int offset, int64_t tenThousandths) {
  putLittle(bytes_, offset, static_cast<uint64_t>(tenThousandths), 8);
  return *this;
}

std::string RecordBytes::differs(const std::string& got, const std::string& what) const {
  if (got.size() != bytes_.size())
    return what + ": " + std::to_string(got.size()) + " bytes, expected " + std::to_string(bytes_.size());
  for (size_t k = 0; k < got.size(); ++k)
    if (got[k] != bytes_[k]) {
      char text[80];
      std::snprintf(text, sizeof text, ": byte %zu holds %u, expected %u", k, static_cast<unsigned char>(got[k]),
                    static_cast<unsigned char>(bytes_[k]));
      return what + text;
    }
  return "";
}

long FirstFree(const Stored& s, const std::function<bool(long)>& isFree) {
  for (long r = 1; r <= s.count(); ++r)
    if (isFree(r)) return r;
  return 0;
}

std::string WroteOnly(const Stored& was, const Stored& is, long n, const RecordBytes& expected,
                      const std::string& what) {
  const std::vector<long> changed = ChangedRecords(was, is);
  if (changed != std::vector<long>{n}) {
    std::string records;
    for (long r : changed) records += " " + std::to_string(r);
    return what + ": records written" + (records.empty() ? " none" : records) + ", expected " + std::to_string(n);
  }
  return expected.differs(is.record(n), what);
}

KeptFiles::KeptFiles(std::vector<std::string> paths) : paths_(std::move(paths)) {
  for (const std::string& path : paths_) bytes_.push_back(fileBytes(path));
}

const std::vector<uint8_t>& KeptFiles::bytes(const std::string& path) const {
  for (size_t k = 0; k < paths_.size(); ++k)
    if (paths_[k] == path) return bytes_[k];
  std::abort();
}

void KeptFiles::putBack() const {
  for (size_t k = 0; k < paths_.size(); ++k) {
    const int fd = ::open(paths_[k].c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) std::abort();
    size_t done = 0;
    while (done < bytes_[k].size()) {
      const ssize_t put = ::write(fd, bytes_[k].data() + done, bytes_[k].size() - done);
      if (put <= 0) std::abort();
      done += static_cast<size_t>(put);
    }
    ::close(fd);
  }
}
