#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <strings.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {
namespace {
// The program has one thread: the last failure is one value.
std::string g_lastError;

void fail(const std::string& what, const std::string& path, const std::string& why) {
  g_lastError = what + " " + path + ": " + why;
}
void failErrno(const std::string& what, const std::string& path) {
  fail(what, path, std::strerror(errno));
}
}  // namespace

std::string lastFileError() { return g_lastError; }

namespace {
void (*g_stepHook)() = nullptr;
// Before each step that changes the disk.
void step() {
  if (g_stepHook) g_stepHook();
}
}  // namespace

void setFileStepHook(void (*hook)()) { g_stepHook = hook; }

namespace {
DiskWriteHook g_diskHook = nullptr;
}  // namespace

void setDiskWriteHook(DiskWriteHook hook) { g_diskHook = hook; }

bool writeFileBytes(int fd, const uint8_t* data, size_t size, long long at) {
  size_t allowed = size;
  int refusal = 0;
  if (g_diskHook) {
    const DiskAnswer answer = g_diskHook(fd, at, data, size);
    if (answer.taken < size) allowed = answer.taken, refusal = answer.error != 0 ? answer.error : ENOSPC;
  }
  size_t done = 0;
  while (done < allowed) {
    const ssize_t put = at < 0 ? ::write(fd, data + done, allowed - done)
                               : ::pwrite(fd, data + done, allowed - done, static_cast<off_t>(at) + static_cast<off_t>(done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<size_t>(put);
  }
  if (allowed == size) return true;
  errno = refusal;
  return false;
}

namespace {
DiskReadHook g_readHook = nullptr;
}  // namespace

void setDiskReadHook(DiskReadHook hook) { g_readHook = hook; }

long long readFileBytes(int fd, uint8_t* to, size_t size, long long at) {
  if (g_readHook) {
    if (const int error = g_readHook(fd, at, size); error != 0) {
      errno = error;
      return -1;
    }
  }
  return at < 0 ? ::read(fd, to, size) : ::pread(fd, to, size, static_cast<off_t>(at));
}

namespace {
void (*g_openHook)(const std::string&, FileOpening) = nullptr;
}  // namespace

void setFileOpenHook(void (*hook)(const std::string& path, FileOpening how)) { g_openHook = hook; }

void noteFileOpened(const std::string& path, FileOpening how) {
  if (g_openHook) g_openHook(path, how);
}

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::string resolvePath(const std::string& path) {
  if (path.empty()) return path;
  // A path that names something as it stands needs no search (and no
  // parsing into its parts).
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return path;
  std::error_code ec;
  fs::path p(path);
  fs::path result = p.root_path();
  bool matching = true;
  for (const auto& part : p.relative_path()) {
    std::string name = part.string();
    if (name.empty()) continue;
    if (matching) {
      fs::path exact = result / part;
      if (fs::exists(exact, ec)) {
        result = exact;
        continue;
      }
      bool found = false;
      fs::path dir = result.empty() ? fs::path(".") : result;
      fs::directory_iterator it(dir, ec), end;
      for (; !ec && it != end; it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (strcasecmp(candidate.c_str(), name.c_str()) == 0) {
          result /= candidate;
          found = true;
          break;
        }
      }
      if (found) continue;
      matching = false;
    }
    result /= part;
  }
  std::string out = result.string();
  if (path.back() == '/' && (out.empty() || out.back() != '/')) out.push_back('/');
  return out;
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(resolvePath(path), ec);
}

bool folderExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(resolvePath(path), ec);
}

bool pathExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::exists(fs::symlink_status(resolvePath(path), ec));
}

namespace {
// Why what a look found is no regular file; "" for a regular file.
std::string notAFileReasonOf(const struct stat& st) {
  if (S_ISREG(st.st_mode)) return "";
  return S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a file";
}
}  // namespace

namespace {
// The files holdFiles holds, each in heldForm, and why.
std::vector<std::string> g_held;
std::string g_heldWhy;

// `path` with its folder's links and "." and ".." steps resolved.
std::string heldForm(const std::string& path) {
  std::error_code ec;
  const fs::path real = fs::weakly_canonical(fs::path(path).lexically_normal(), ec);
  return ec ? path : real.string();
}

// Why the file at `real` is held; "" when it is not.
std::string heldReason(const std::string& real) {
  if (g_held.empty()) return "";
  const std::string form = heldForm(real);
  for (const std::string& held : g_held)
    if (strcasecmp(held.c_str(), form.c_str()) == 0) return g_heldWhy;
  return "";
}
}  // namespace

void holdFiles(const std::vector<std::string>& paths, const std::string& why) {
  g_held.clear();
  for (const std::string& path : paths) g_held.push_back(heldForm(resolvePath(path)));
  g_heldWhy = why;
}

PathLook lookAtResolved(const std::string& real) {
  PathLook look;
  look.whyReadOnly = heldReason(real);
  look.readOnly = !look.whyReadOnly.empty();
  struct stat st {};
  look.link = ::lstat(real.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
  if (::stat(real.c_str(), &st) != 0) return look;
  if (!S_ISREG(st.st_mode)) {
    look.notAFile = notAFileReasonOf(st);
  } else if (!look.readOnly && ((st.st_mode & 0222) == 0 || ::access(real.c_str(), W_OK) != 0)) {
    look.readOnly = true;
    look.whyReadOnly = "the file is read-only";
  }
  return look;
}

std::string notAFileReason(const std::string& path) { return lookAtResolved(resolvePath(path)).notAFile; }

std::string readOnlyReason(const std::string& path) { return lookAtResolved(resolvePath(path)).whyReadOnly; }

std::string temporaryPathBeside(const std::string& path) {
  static unsigned long counter = 0;
  return resolvePath(path) + "." + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
}

namespace {
// A name made by temporaryPathBeside ("<file>.<pid>-<n>.tmp"): the file it
// stood in for and the process that made it.
struct TemporaryName {
  std::string file;
  long owner = 0;
};

// The parts of a temporary file's name; nothing when the name is not of that
// pattern.
std::optional<TemporaryName> temporaryName(const std::string& name) {
  const std::string ending = ".tmp";
  if (name.size() <= ending.size() || name.compare(name.size() - ending.size(), ending.size(), ending) != 0) return {};
  const size_t end = name.size() - ending.size();
  const size_t dash = name.rfind('-', end);
  const size_t dot = dash == std::string::npos ? std::string::npos : name.rfind('.', dash);
  if (dot == std::string::npos || dot == 0) return {};
  const auto digits = [&name](size_t from, size_t to) {
    if (from >= to) return false;
    for (size_t i = from; i < to; ++i)
      if (name[i] < '0' || name[i] > '9') return false;
    return true;
  };
  // A process id has at most 9 digits here (it fits the system's type).
  if (dash - dot - 1 > 9 || !digits(dot + 1, dash) || !digits(dash + 1, end)) return {};
  TemporaryName parts{name.substr(0, dot)};
  std::from_chars(name.data() + dot + 1, name.data() + dash, parts.owner);
  return parts;
}

// Whether a process of that id runs on this machine (one of another user
// counts too).
bool processRuns(long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH; }
}  // namespace

int removeLeftTemporaries(const std::string& folder, const std::function<bool(const std::string&)>& rewrites) {
  std::vector<std::string> names;
  if (!listFolder(folder, names)) return 0;
  const std::string real = resolvePath(folder);
  int removed = 0;
  for (const std::string& name : names) {
    const std::optional<TemporaryName> parts = temporaryName(name);
    // No process of the program has an id of 0: such a name is not its own.
    if (!parts || parts->owner <= 0 || !rewrites(parts->file) || processRuns(parts->owner)) continue;
    const std::string path = joinPath(real, name);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;  // a link stays
    if (::unlink(path.c_str()) == 0) ++removed;
  }
  return removed;
}

long long fileLength(const std::string& path) {
  std::error_code ec;
  auto size = fs::file_size(resolvePath(path), ec);
  if (ec) {
    fail("cannot measure", path, ec.message());
    return -1;
  }
  return static_cast<long long>(size);
}

long long regularFileLength(const std::string& path) {
  struct stat st {};
  if (path.empty()) return -1;
  if (::stat(path.c_str(), &st) != 0 && ::stat(resolvePath(path).c_str(), &st) != 0) return -1;
  return S_ISREG(st.st_mode) ? static_cast<long long>(st.st_size) : -1;
}

FileBlock::FileBlock(const uint8_t* bytes, size_t size) : data_(new uint8_t[size]), size_(size) {
  if (size > 0) std::memcpy(data_.get(), bytes, size);
}

void FileBlock::clear() {
  data_.reset();
  size_ = 0;
}

struct WholeFileReader {
  // What a whole-file read found at a path.
  enum class Found { Read, Missing, Failed };
  static Found read(const std::string& path, FileBlock& block);
  // Opens the regular file at `path` to read it from its start: `fd` and its
  // length as the look at it reports; told to the file hook.
  static Found open(const std::string& path, int& fd, size_t& length);
};
using WholeRead = WholeFileReader::Found;

namespace {

// Reads from `fd` into `to` until `size` bytes or the end; the count read, -1
// on a fault.
long long readUpTo(int fd, uint8_t* to, size_t size) {
  size_t got = 0;
  while (got < size) {
    const long long n = readFileBytes(fd, to + got, size - got, -1);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return static_cast<long long>(got);
}

}  // namespace

// One look at the path (a second, through its resolved name, when it does
// not name a file as it stands).
WholeFileReader::Found WholeFileReader::open(const std::string& path, int& fd, size_t& length) {
  struct stat st {};
  std::string real = path;
  if (::stat(path.c_str(), &st) != 0) {
    real = resolvePath(path);
    if (::stat(real.c_str(), &st) != 0) {
      const int why = errno;
      const bool nothing = why == ENOENT && ::lstat(real.c_str(), &st) != 0;
      errno = why;
      failErrno("cannot open", path);
      return nothing ? WholeRead::Missing : WholeRead::Failed;
    }
  }
  if (const std::string why = notAFileReasonOf(st); !why.empty()) {
    fail("cannot read", path, why);
    return WholeRead::Failed;
  }
  fd = ::open(real.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    failErrno("cannot open", path);
    return WholeRead::Failed;
  }
  noteFileOpened(real, FileOpening::WholeRead);
  length = st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0;
  return WholeRead::Read;
}

// One read for the length the look reports, then on to the end.
WholeFileReader::Found WholeFileReader::read(const std::string& path, FileBlock& block) {
  int fd = -1;
  size_t length = 0;
  if (const Found found = open(path, fd, length); found != WholeRead::Read) return found;
  block.data_.reset(new uint8_t[length]);
  const long long first = readUpTo(fd, block.data_.get(), length);
  long long got = first;
  std::vector<uint8_t> more;
  if (first == static_cast<long long>(length)) {
    uint8_t chunk[65536];
    while ((got = readUpTo(fd, chunk, sizeof chunk)) > 0) more.insert(more.end(), chunk, chunk + got);
  }
  if (got < 0) failErrno("cannot read", path);
  ::close(fd);
  if (got < 0) {
    block.clear();
    return WholeRead::Failed;
  }
  block.size_ = static_cast<size_t>(first);
  if (!more.empty()) {
    std::unique_ptr<uint8_t[]> whole(new uint8_t[block.size_ + more.size()]);
    if (block.size_ > 0) std::memcpy(whole.get(), block.data_.get(), block.size_);
    std::memcpy(whole.get() + block.size_, more.data(), more.size());
    block.data_ = std::move(whole);
    block.size_ += more.size();
  }
  return WholeRead::Read;
}

namespace {
// Closes an open file as it goes out of scope, however the scope is left.
struct ClosedAtEnd {
  int fd;
  ~ClosedAtEnd() { ::close(fd); }
};
}  // namespace

bool readFileInBlocks(const std::string& path, std::vector<uint8_t>& block, size_t blockSize,
                      const std::function<void(const uint8_t* bytes, size_t size)>& take) {
  int fd = -1;
  size_t length = 0;
  const WholeRead found = WholeFileReader::open(path, fd, length);
  if (found != WholeRead::Read) return found == WholeRead::Missing;
  const ClosedAtEnd closer{fd};  // also when `take` throws
  block.resize(std::max<size_t>(blockSize, 1));
  long long got = 0;
  while ((got = readUpTo(fd, block.data(), block.size())) > 0) take(block.data(), static_cast<size_t>(got));
  if (got < 0) failErrno("cannot read", path);
  return got == 0;
}

bool readWholeFile(const std::string& path, FileBlock& block) {
  block.clear();
  return WholeFileReader::read(path, block) == WholeRead::Read;
}

bool readWholeFileIfAny(const std::string& path, FileBlock& block) {
  block.clear();
  return WholeFileReader::read(path, block) != WholeRead::Failed;
}

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  FileBlock block;
  const bool ok = readWholeFile(path, block);
  bytes.assign(block.data(), block.data() + block.size());
  return ok;
}

namespace {

// Writes `size` bytes to `fd` at its position.
bool writeBlock(int fd, const uint8_t* data, size_t size) { return writeFileBytes(fd, data, size, -1); }


// Makes the names of the folder that holds `path` last (a file renamed,
// made or removed there): the folder is synced. False, errno saying why, when
// it cannot be.
bool syncFolderOf(const std::string& path) {
  const std::string folder = fs::path(path).parent_path().string();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  const int why = errno;
  ::close(fd);
  errno = why;
  return synced;
}

// The temporary file `fd`, written whole when `ok`, synced, closed and
// renamed over `real`, whose folder is then synced; on any failure it is
// closed and removed instead.
bool placeTemporary(int fd, const std::string& temp, const std::string& real, bool ok) {
  if (ok) step();
  if (ok && ::fsync(fd) != 0) {
    failErrno("cannot write", temp);
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    failErrno("cannot write", temp);
    ok = false;
  }
  if (ok) step();
  if (ok && std::rename(temp.c_str(), real.c_str()) != 0) {
    failErrno("cannot replace", real);
    ok = false;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  syncFolderOf(real);
  return true;
}

}  // namespace

bool flushFile(int fd) {
  step();
  while (::fdatasync(fd) != 0)
    if (errno != EINTR) return false;
  return true;
}

bool flushFolderOf(const std::string& path) {
  step();
  return syncFolderOf(resolvePath(path));
}

bool writeFileFlushed(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string real = resolvePath(path);
  if (const std::string why = notAFileReason(real); !why.empty()) {
    fail("cannot write", path, why);
    return false;
  }
  step();
  const int fd = ::open(real.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    failErrno("cannot create", path);
    return false;
  }
  bool ok = writeBlock(fd, bytes.data(), bytes.size()) && flushFile(fd);
  if (!ok) failErrno("cannot write", path);
  if (::close(fd) != 0 && ok) {
    failErrno("cannot write", path);
    ok = false;
  }
  if (ok && !flushFolderOf(real)) {
    failErrno("cannot write", path);
    ok = false;
  }
  return ok;
}

std::string whyNoFileCanBeMadeAt(const std::string& path) {
  std::string folder = fs::path(resolvePath(path)).parent_path().string();
  if (folder.empty()) folder = ".";
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return std::strerror(errno);
  if (!S_ISDIR(st.st_mode)) return std::strerror(ENOTDIR);
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
  return heldReason(resolvePath(path));
}

bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes, NewFileAccess access) {
  const std::string real = resolvePath(path);
  if (const std::string why = notAFileReason(real); !why.empty()) {
    fail("cannot write", path, why);
    return false;
  }
  struct stat old {};
  const bool replacing = ::stat(real.c_str(), &old) == 0;
  if (const std::string why = readOnlyReason(real); !why.empty()) {
    fail("cannot write", path, why);
    return false;
  }
  // A new file's mode; the file creation mask still applies.
  const mode_t newMode = access == NewFileAccess::OwnerOnly ? 0600 : 0666;
  std::string temp;
  int fd = -1;
  step();
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temp = temporaryPathBeside(real);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : newMode);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    failErrno("cannot create", temp);
    return false;
  }
  bool ok = true;
  if (replacing) {
    // The replaced file's owner where this process may give the file away
    // (else it stays this user's), then its mode, which a change of owner
    // may have cut.
    [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  }
  ok = ok && writeBlock(fd, bytes.data(), bytes.size());
  if (!ok) failErrno("cannot write", temp);
  return placeTemporary(fd, temp, real, ok);
}

bool copyFileOver(const std::string& from, const std::string& to) {
  const std::string source = resolvePath(from);
  const std::string real = resolvePath(to);
  if (const std::string why = notAFileReason(source); !why.empty() || !fileExists(source)) {
    fail("cannot copy", from, why.empty() ? "no such file" : why);
    return false;
  }
  if (const std::string why = notAFileReason(real); !why.empty()) {
    fail("cannot write", to, why);
    return false;
  }
  if (const std::string why = readOnlyReason(real); !why.empty()) {
    fail("cannot write", to, why);
    return false;
  }
  int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) {
    failErrno("cannot open", from);
    return false;
  }
  noteFileOpened(source, FileOpening::CopySource);
  struct stat old {};
  const bool replacing = ::stat(real.c_str(), &old) == 0;
  step();
  const std::string temp = temporaryPathBeside(real);
  int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (out < 0) {
    failErrno("cannot create", temp);
    ::close(in);
    return false;
  }
  // The replaced file's mode, else the source's.
  struct stat sourceStat {};
  mode_t mode = 0644;
  if (replacing)
    mode = old.st_mode & 07777;
  else if (::fstat(in, &sourceStat) == 0)
    mode = sourceStat.st_mode & 0777;
  bool ok = ::fchmod(out, mode) == 0;
  std::vector<uint8_t> block(1 << 16);
  while (ok) {
    const long long got = readFileBytes(in, block.data(), block.size(), -1);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      failErrno("cannot read", from);
      ok = false;
    }
    if (got <= 0) break;
    step();
    if (!writeBlock(out, block.data(), static_cast<size_t>(got))) {
      failErrno("cannot write", temp);
      ok = false;
    }
  }
  ::close(in);
  return placeTemporary(out, temp, real, ok);
}

bool sameFolder(const std::string& a, const std::string& b) {
  std::error_code ec;
  const std::string ra = resolvePath(a), rb = resolvePath(b);
  return fs::is_directory(ra, ec) && fs::is_directory(rb, ec) && fs::equivalent(ra, rb, ec) && !ec;
}

bool deleteFile(const std::string& path) {
  step();
  std::error_code ec;
  if (!fs::remove(resolvePath(path), ec) || ec) {
    fail("cannot delete", path, ec ? ec.message() : "no such file");
    return false;
  }
  return true;
}

bool renameFile(const std::string& from, const std::string& to) {
  step();
  std::error_code ec;
  const std::string real = resolvePath(to);
  fs::rename(resolvePath(from), real, ec);
  if (ec) {
    fail("cannot rename", from + " to " + to, ec.message());
    return false;
  }
  syncFolderOf(real);
  return true;
}

bool makeFolder(const std::string& path) {
  std::error_code ec;
  std::string real = resolvePath(path);
  if (fs::is_directory(real, ec)) return true;
  step();
  fs::create_directories(real, ec);
  if (ec) {
    fail("cannot create folder", path, ec.message());
    return false;
  }
  return true;
}

bool listFolder(const std::string& folder, std::vector<std::string>& names) {
  names.clear();
  std::error_code ec;
  fs::directory_iterator it(resolvePath(folder), ec), end;
  if (ec) {
    fail("cannot list", folder, ec.message());
    return false;
  }
  for (; it != end; it.increment(ec)) {
    if (ec) {
      fail("cannot list", folder, ec.message());
      return false;
    }
    std::error_code ec2;
    if (it->is_regular_file(ec2)) names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return true;
}

}  // namespace platform
