#pragma once
// A double of the disk under the platform's file layer (platform::
// setDiskWriteHook), installed for its lifetime: the n-th write of file
// bytes from its making fails.
//
//   FailingDisk disk(3, DiskFault::Full);
//   ...run an action...
//   if (!disk.struck()) { /* the action made fewer than 3 writes: it is done */ }
//
// Full: the disk fills at the n-th write. That write takes the bytes that
// lie within the file and half of those that would lengthen it, then fails
// with "No space left on device"; every later write takes only bytes within
// its file. Error: the n-th write takes half of its bytes, wherever they
// go, then fails with "Input/output error"; the other writes go through.
// Dead: so does every write from the n-th on.
//
// ReadError: the n-th read of file bytes (platform::setDiskReadHook) fails
// with "Input/output error"; ReadInterrupted: it fails as a read a signal
// interrupted (EINTR). The other reads, and every write, go through.
#include <string>

enum class DiskFault { Full, Error, Dead, ReadError, ReadInterrupted };

std::string DiskFaultName(DiskFault kind);

class FailingDisk {
 public:
  FailingDisk(long n, DiskFault kind);
  ~FailingDisk();
  FailingDisk(const FailingDisk&) = delete;
  FailingDisk& operator=(const FailingDisk&) = delete;

  long writes() const;  // the writes asked of the disk so far
  bool struck() const { return writes() >= n_; }

 private:
  long n_;
};
