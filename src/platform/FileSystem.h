#pragma once
// Files and folders. Names are found without regard to letter case, as on the
// platform the data files come from: "SOW.DAT" finds "sow.dat" when that is
// what the folder holds. A file that does not exist yet takes the name given.
// Every operation reports failure to its caller.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// The path of an existing file or folder whose name matches `path` with letter
// case ignored, component by component; where nothing matches, the rest of the
// path as given.
std::string resolvePath(const std::string& path);

bool fileExists(const std::string& path);    // a regular file
bool folderExists(const std::string& path);  // a folder
bool pathExists(const std::string& path);    // anything by that name
// Why what stands at `path` is no regular file ("it is a folder", "it is not
// a file"); "" when nothing is there or a regular file is.
std::string notAFileReason(const std::string& path);
// Why the regular file at `path` may not be written ("the file is
// read-only", or why it is held); "" when it may. A file is read-only when no
// write permission bit is set at all (like the read-only attribute of the
// platform the data come from, this binds every user, the superuser too), or
// this process may not write it; a file held is one holdFiles names.
std::string readOnlyReason(const std::string& path);
// All three at one look at a path already resolved (resolvePath): what
// notAFileReason and readOnlyReason tell of it, and whether the name is a
// symbolic link.
struct PathLook {
  std::string notAFile;
  bool readOnly = false;
  std::string whyReadOnly;
  bool link = false;
};
PathLook lookAtResolved(const std::string& real);

// Files the program may not write for now, whether they exist or not, and
// why (in words that follow "cannot write <path>: "): each is read-only to
// every write of this layer (a record file, a whole-file write or copy, a
// new file made by that name) until the next call, which replaces the list.
// holdFiles({}, "") holds none.
void holdFiles(const std::vector<std::string>& paths, const std::string& why);
// Length in bytes; -1 when the file cannot be read.
long long fileLength(const std::string& path);
// The length of the regular file at `path` from one look at it; -1 when
// nothing is there or what is there is no regular file.
long long regularFileLength(const std::string& path);

// Who may read a file that a whole-file write creates: everybody the user's
// file creation mask lets, or its owner alone (0600).
enum class NewFileAccess { Shared, OwnerOnly };

// The bytes of a file read whole: one block, sized once from the file's length
// and filled by the read itself.
class FileBlock {
 public:
  FileBlock() = default;
  FileBlock(const uint8_t* bytes, size_t size);  // a copy of `bytes`
  const uint8_t* data() const { return data_.get(); }
  size_t size() const { return size_; }
  void clear();

 private:
  friend struct WholeFileReader;
  std::unique_ptr<uint8_t[]> data_;
  size_t size_ = 0;
};

// Whole-file reads and writes. Only a regular file is read; a read
// takes one call for the length the file reports (a file that reports none,
// or grows meanwhile, is read on to its end). writeWholeFile
// replaces the file through a temporary file of a unique name in the same
// folder, renamed over it, and syncs the folder after the rename, so a crash
// leaves the old or the new content. The new file keeps the mode of the file
// it replaces; a file that did not exist is made with `access`. A read-only
// file is not replaced.
bool readWholeFile(const std::string& path, FileBlock& block);
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
// As readWholeFile, where nothing at `path` reads as an empty file.
bool readWholeFileIfAny(const std::string& path, FileBlock& block);
// Reads the file at `path` from its start to its end in blocks, each of
// `blockSize` bytes but the last, into `block` (sized once, then reused), and
// hands each to `take`. Only a regular file is read; nothing at `path` reads
// as an empty file. False (lastFileError) when the file cannot be read; the
// blocks read before the fault were handed on.
bool readFileInBlocks(const std::string& path, std::vector<uint8_t>& block, size_t blockSize,
                      const std::function<void(const uint8_t* bytes, size_t size)>& take);
bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes,
                    NewFileAccess access = NewFileAccess::Shared);
// A name for a temporary file beside `path`, in its folder, that no other
// call of any running copy of the program gives: "<file>.<pid>-<n>.tmp".
std::string temporaryPathBeside(const std::string& path);
// Removes from `folder` what a copy of the program stopped in the middle of a
// whole-file write left there: a regular file named "<file>.<pid>-<n>.tmp"
// where `rewrites(<file>)` says the program replaces a file of that name
// whole in this folder and no process <pid> (above 0) runs. Answers how many
// went.
// Every other name, a link, a folder and the files of a running process,
// this one included, stay.
int removeLeftTemporaries(const std::string& folder, const std::function<bool(const std::string&)>& rewrites);

// Flushes the open file `fd` to the disk; false, errno saying why, when the
// disk does not take it.
bool flushFile(int fd);
// Flushes the names of the folder that holds `path` (a file made or removed
// there) to the disk; false, errno saying why, when it cannot.
bool flushFolderOf(const std::string& path);
// Writes `bytes` in place as the whole of the file at `path` (made when
// missing), then flushes the file and its folder. A crash may leave any part
// of it: for a file whose contents tell whether they are whole (a journal).
bool writeFileFlushed(const std::string& path, const std::vector<uint8_t>& bytes);
// Why no file can be made at `path` ("" when one can): its folder is
// missing, no folder, or may not be written.
std::string whyNoFileCanBeMadeAt(const std::string& path);

// Copies `from` to a temporary file beside `to`, syncs it and renames it over
// `to`, so that `to` holds its old bytes or the new ones, never a part; the
// temporary file is removed when the copy fails. The copy keeps the mode of
// the file it replaces. A read-only `to` is not replaced.
bool copyFileOver(const std::string& from, const std::string& to);
bool deleteFile(const std::string& path);
// Replaces `to`; the folder is synced after the rename, so the new name lasts.
bool renameFile(const std::string& from, const std::string& to);
bool makeFolder(const std::string& path);                           // with parents
// Names (not paths) of the regular files in a folder, sorted; false when the
// folder cannot be read.
bool listFolder(const std::string& folder, std::vector<std::string>& names);

// The text of the last failure of these file operations.
std::string lastFileError();

// Whether two paths name the same existing folder (through links and letter
// case alike); false when either is missing.
bool sameFolder(const std::string& a, const std::string& b);

// For tests: a function called before every step that changes the disk (a
// file made, a block written, a file or folder synced, a file renamed or
// deleted, a folder made), so that a test can stop the program between any two of them.
// Empty: nothing is called.
void setFileStepHook(void (*hook)());

// Writes `size` bytes to the open file `fd` at byte `at`, or at its
// position when `at` is -1, through the disk double when one is set. False,
// errno saying why, when the disk takes fewer bytes (some may have been
// written).
bool writeFileBytes(int fd, const uint8_t* data, size_t size, long long at);

// For tests: a double of the disk, asked before each write of a file's bytes
// (a record, a block of a whole-file write or of a copy) with the file, the
// byte the write starts at (-1: the file's position) and the bytes. It
// answers how many of the bytes the disk takes and, when it takes fewer, the
// error the write then fails with. Empty (the default): the disk itself
// answers, and nothing more is done per write.
struct DiskAnswer {
  size_t taken = 0;
  int error = 0;
};
using DiskWriteHook = DiskAnswer (*)(int fd, long long at, const uint8_t* data, size_t size);
void setDiskWriteHook(DiskWriteHook hook);

// Reads up to `size` bytes of the open file `fd` from byte `at`, or from its
// position when `at` is -1, through the disk double when one is set: as
// pread and read answer, the count read (0 at the end), or -1 with errno
// saying why.
long long readFileBytes(int fd, uint8_t* to, size_t size, long long at);

// For tests: a double of the disk, asked before each read of a file's bytes
// (a record, a block of a whole-file read or of a copy) with the file, the
// byte the read starts at (-1: the file's position) and the byte count. It
// answers the error the read then fails with, or 0 to let the disk read.
// Empty (the default): the disk itself answers.
using DiskReadHook = int (*)(int fd, long long at, size_t size);
void setDiskReadHook(DiskReadHook hook);

// For the benchmark: a function told of every file this layer opens to read
// from, with the path it opened: a whole-file read (at once or in blocks), a
// record file opened (to read or write its records), the source of a copy;
// and of each record read from an open record file (RecordFile::read).
// Empty: nothing is called.
enum class FileOpening { WholeRead, RecordFile, CopySource, RecordRead };
void setFileOpenHook(void (*hook)(const std::string& path, FileOpening how));
// Calls the hook set by setFileOpenHook, if any.
void noteFileOpened(const std::string& path, FileOpening how);

// Joins a folder and a name with exactly one "/" between them.
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace platform
