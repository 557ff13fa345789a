#include "platform/RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"

namespace platform {

RecordFile::RecordFile(RecordFile&& other) noexcept
    : fd_(other.fd_),
      length_(other.length_),
      readOnly_(other.readOnly_),
      whyReadOnly_(std::move(other.whyReadOnly_)),
      path_(std::move(other.path_)),
      error_(std::move(other.error_)) {
  other.fd_ = -1;
}

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = other.fd_;
    length_ = other.length_;
    readOnly_ = other.readOnly_;
    whyReadOnly_ = std::move(other.whyReadOnly_);
    path_ = std::move(other.path_);
    error_ = std::move(other.error_);
    other.fd_ = -1;
  }
  return *this;
}

bool RecordFile::open(const std::string& path, int recordLength, Links links) {
  close();
  path_ = resolvePath(path);
  length_ = recordLength;
  if (recordLength <= 0) {
    error_ = "bad record length for " + path;
    return false;
  }
  const PathLook look = lookAtResolved(path_);
  const std::string notAFile = links == Links::Refuse && look.link ? "it is a link" : look.notAFile;
  if (!notAFile.empty()) {
    error_ = "cannot open " + path + ": " + notAFile;
    return false;
  }
  readOnly_ = look.readOnly;
  whyReadOnly_ = look.whyReadOnly;
  const int noLink = links == Links::Refuse ? O_NOFOLLOW : 0;
  fd_ = readOnly_ ? -1 : ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | noLink, 0644);
  if (readOnly_ || (fd_ < 0 && (errno == EACCES || errno == EROFS))) {
    if (!readOnly_) whyReadOnly_ = "the file is read-only";
    readOnly_ = true;
    fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | noLink);
  }
  if (fd_ < 0) {
    error_ = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd_, &st) == 0 && !S_ISREG(st.st_mode)) {
    error_ = "cannot open " + path + ": it is not a file";
    close();
    return false;
  }
  error_.clear();
  noteFileOpened(path_, FileOpening::RecordFile);
  return true;
}

void RecordFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  readOnly_ = false;
}

bool RecordFile::writable() {
  if (fd_ < 0) {
    error_ = "file not open";
    return false;
  }
  if (readOnly_) {
    error_ = "cannot write " + path_ + ": " + whyReadOnly_;
    return false;
  }
  return true;
}

long RecordFile::count() const {
  const long long bytes = fd_ < 0 ? 0 : length();
  return bytes > 0 ? static_cast<long>(bytes / length_) : 0;
}

long long RecordFile::length() const {
  if (fd_ < 0) {
    error_ = "file not open";
    return -1;
  }
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
    error_ = "cannot measure " + path_ + ": " + std::strerror(errno);
    return -1;
  }
  return static_cast<long long>(st.st_size);
}

long long RecordFile::readAt(long long at, uint8_t* to, size_t size) const {
  size_t done = 0;
  while (done < size) {
    const long long got = readFileBytes(fd_, to + done, size - done, at + static_cast<long long>(done));
    if (got < 0) {
      if (errno == EINTR) continue;
      error_ = "cannot read " + path_ + ": " + std::strerror(errno);
      return -1;
    }
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  return static_cast<long long>(done);
}

bool RecordFile::read(long n, std::vector<uint8_t>& record) const {
  record.assign(static_cast<size_t>(length_ > 0 ? length_ : 0), 0);
  if (fd_ < 0) {
    error_ = "file not open";
    return false;
  }
  if (n < 1) {
    error_ = "bad record number " + std::to_string(n);
    return false;
  }
  noteFileOpened(path_, FileOpening::RecordRead);
  const long long done = readAt(static_cast<long long>(n - 1) * length_, record.data(), record.size());
  if (done < 0) return false;
  if (done < static_cast<long long>(record.size())) {
    error_ = "record " + std::to_string(n) + " lies past the end of " + path_;
    return false;
  }
  return true;
}

bool RecordFile::write(long n, const std::vector<uint8_t>& record) {
  if (!writable()) return false;
  if (n < 1 || record.size() != static_cast<size_t>(length_)) {
    error_ = "bad record number or length for " + path_;
    return false;
  }
  return writeBytes(static_cast<long long>(n - 1) * length_, record.data(), record.size());
}

bool RecordFile::writeBytes(long long at, const uint8_t* data, size_t size) {
  if (!writable()) return false;
  const long long before = length();
  std::vector<uint8_t> old;
  if (before < 0 || !readOld(at, size, old)) return false;
  if (writeFileBytes(fd_, data, size, at)) return true;
  // The failed write may have taken part of its bytes: the file gets its
  // old bytes again and loses what the write added.
  const std::string why = "cannot write " + path_ + ": " + std::strerror(errno);
  putBack(at, old);
  cutTo(before);
  error_ = why;
  return false;
}

bool RecordFile::readOld(long long at, size_t size, std::vector<uint8_t>& old) const {
  old.clear();
  if (at < 0) {
    error_ = "cannot read " + path_ + " before its first byte";
    return false;
  }
  const long long now = length();
  if (now < 0) return false;
  if (at >= now) return true;
  old.resize(static_cast<size_t>(std::min<long long>(static_cast<long long>(size), now - at)));
  const long long got = readAt(at, old.data(), old.size());
  if (got == static_cast<long long>(old.size())) return true;
  if (got >= 0) error_ = "cannot read " + path_ + ": the file grew shorter";
  return false;
}

bool RecordFile::putBack(long long at, const std::vector<uint8_t>& old) {
  if (!writable()) return false;
  if (at < 0) {
    error_ = "cannot write " + path_ + " before its first byte";
    return false;
  }
  if (old.empty() || writeFileBytes(fd_, old.data(), old.size(), at)) return true;
  error_ = "cannot write " + path_ + ": " + std::strerror(errno);
  return false;
}

bool RecordFile::flush() {
  if (!writable()) return false;
  if (flushFile(fd_)) return true;
  error_ = "cannot write " + path_ + ": " + std::strerror(errno);
  return false;
}

bool RecordFile::cutTo(long long length) {
  if (!writable()) return false;
  const long long now = this->length();
  if (now < 0) return false;
  if (length >= now) return true;
  while (::ftruncate(fd_, static_cast<off_t>(length)) != 0) {
    if (errno == EINTR) continue;
    error_ = "cannot cut " + path_ + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace platform
