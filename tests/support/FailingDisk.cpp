#include "support/FailingDisk.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"

namespace {

struct State {
  long n = 0;
  DiskFault kind = DiskFault::Full;
  long writes = 0;
  long reads = 0;
};
State g_disk;

platform::DiskAnswer answer(int fd, long long at, const uint8_t*, size_t size) {
  const long index = ++g_disk.writes;
  if (index < g_disk.n) return {size, 0};
  if (g_disk.kind == DiskFault::Dead || (g_disk.kind == DiskFault::Error && index == g_disk.n)) return {size / 2, EIO};
  if (g_disk.kind == DiskFault::Error) return {size, 0};
  if (at < 0) at = static_cast<long long>(::lseek(fd, 0, SEEK_CUR));
  struct stat st {};
  ::fstat(fd, &st);
  const long long within = std::max<long long>(0, std::min<long long>(static_cast<long long>(size), st.st_size - at));
  const long long beyond = static_cast<long long>(size) - within;
  if (beyond == 0) return {size, 0};
  return {static_cast<size_t>(within + (index == g_disk.n ? beyond / 2 : 0)), ENOSPC};
}

int readAnswer(int, long long, size_t) {
  if (++g_disk.reads != g_disk.n) return 0;
  return g_disk.kind == DiskFault::ReadError ? EIO : EINTR;
}

}  // namespace

std::string DiskFaultName(DiskFault kind) {
  switch (kind) {
    case DiskFault::Full: return "a full disk";
    case DiskFault::Error: return "a failing write";
    case DiskFault::ReadError: return "a failing read";
    case DiskFault::ReadInterrupted: return "an interrupted read";
    default: return "a dead disk";
  }
}

FailingDisk::FailingDisk(long n, DiskFault kind) : n_(n) {
  g_disk = State{n, kind, 0, 0};
  if (kind == DiskFault::ReadError || kind == DiskFault::ReadInterrupted) platform::setDiskReadHook(readAnswer);
  else platform::setDiskWriteHook(answer);
}

FailingDisk::~FailingDisk() {
  platform::setDiskWriteHook(nullptr);
  platform::setDiskReadHook(nullptr);
  g_disk = State{};
}

long FailingDisk::writes() const { return g_disk.writes; }
