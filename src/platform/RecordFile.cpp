#include "platform/RecordFile.h"

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
    path_ = std::move(other.path_);
    error_ = std::move(other.error_);
    other.fd_ = -1;
  }
  return *this;
}

bool RecordFile::open(const std::string& path, int recordLength) {
  close();
  path_ = resolvePath(path);
  length_ = recordLength;
  if (recordLength <= 0) {
    error_ = "bad record length for " + path;
    return false;
  }
  if (const std::string why = notAFileReason(path_); !why.empty()) {
    error_ = "cannot open " + path + ": " + why;
    return false;
  }
  readOnly_ = isReadOnlyFile(path_);
  fd_ = readOnly_ ? -1 : ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (readOnly_ || (fd_ < 0 && (errno == EACCES || errno == EROFS))) {
    readOnly_ = true;
    fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
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
    error_ = "cannot write " + path_ + ": the file is read-only";
    return false;
  }
  return true;
}

long RecordFile::count() const {
  if (fd_ < 0) return 0;
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
    error_ = "cannot measure " + path_ + ": " + std::strerror(errno);
    return 0;
  }
  return static_cast<long>(st.st_size / length_);
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
  off_t at = static_cast<off_t>(n - 1) * length_;
  size_t done = 0;
  while (done < record.size()) {
    ssize_t got = ::pread(fd_, record.data() + done, record.size() - done, at + static_cast<off_t>(done));
    if (got < 0) {
      if (errno == EINTR) continue;
      error_ = "cannot read " + path_ + ": " + std::strerror(errno);
      return false;
    }
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  if (done < record.size()) {
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
  off_t at = static_cast<off_t>(n - 1) * length_;
  size_t done = 0;
  while (done < record.size()) {
    ssize_t put = ::pwrite(fd_, record.data() + done, record.size() - done, at + static_cast<off_t>(done));
    if (put < 0) {
      if (errno == EINTR) continue;
      error_ = "cannot write " + path_ + ": " + std::strerror(errno);
      return false;
    }
    done += static_cast<size_t>(put);
  }
  return true;
}

}  // namespace platform
