#include "common/Paths.h"

#include "common/NumberText.h"

namespace {
constexpr const char* kSeparators = "/\\";
}

std::string ChangeExtension(const std::string& FileName, const std::string& Extension) {
  if (Trim(FileName).empty()) return "ERROR";
  const size_t dot = FileName.rfind('.');
  if (dot == std::string::npos) return FileName + "." + Extension;
  if (UCase(FileName.substr(dot + 1)) == UCase(Extension)) return FileName;
  return FileName.substr(0, dot + 1) + Extension;
}

std::string FolderPart(const std::string& Path) {
  const size_t sep = Path.find_last_of(kSeparators);
  return sep == std::string::npos ? std::string() : Path.substr(0, sep + 1);
}

std::string FileNamePart(const std::string& Path) {
  const size_t sep = Path.find_last_of(kSeparators);
  return sep == std::string::npos ? std::string() : Path.substr(sep + 1);
}

std::string StripNulls(const std::string& Text) {
  std::string out;
  for (char c : Trim(Text))
    if (c != '\0') out.push_back(c);
  return out;
}

std::string WithSeparator(const std::string& Folder) {
  if (!Folder.empty() && (Folder.back() == '/' || Folder.back() == '\\')) return Folder;
  return Folder + "/";
}
