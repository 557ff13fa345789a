#pragma once
// Files and folders. Names are found without regard to letter case, as on the
// platform the data files come from: "SOW.DAT" finds "sow.dat" when that is
// what the folder holds. A file that does not exist yet takes the name given.
// Every operation reports failure to its caller.
#include <cstdint>
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
// Length in bytes; -1 when the file cannot be read.
long long fileLength(const std::string& path);

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
  friend bool readWholeFile(const std::string& path, FileBlock& block);
  std::unique_ptr<uint8_t[]> data_;
  size_t size_ = 0;
};

// Whole-file reads and writes. A read takes one call for the length the file
// reports (a file that reports none, or grows meanwhile, is read on to its
// end). writeWholeFile replaces the file through a temporary file renamed over
// it, so a crash leaves the old or the new content.
bool readWholeFile(const std::string& path, FileBlock& block);
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);

bool copyFile(const std::string& from, const std::string& to);  // overwrites
bool deleteFile(const std::string& path);
bool renameFile(const std::string& from, const std::string& to);  // replaces `to`
bool makeFolder(const std::string& path);                           // with parents
// Names (not paths) of the regular files in a folder, sorted; false when the
// folder cannot be read.
bool listFolder(const std::string& folder, std::vector<std::string>& names);

// The text of the last failure of this thread's file operations.
std::string lastFileError();

// Joins a folder and a name with exactly one "/" between them.
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace platform
