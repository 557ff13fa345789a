#include "common/IniAccess.h"

#include <algorithm>
#include <exception>

#include "common/NumberText.h"
#include "common/Paths.h"
#include "platform/Dialogs.h"
#include "platform/Profile.h"

namespace {

constexpr const char* kAccessTitle = "ACCESSING  INI  FILE";
constexpr const char* kWriteTitle = "WRITING  TO  INI  FILE";
constexpr const char* kReadTitle = "READING  FROM  INI  FILE";

// The one box of a failed access: the message, a line break, and what the
// platform said of the failure (nothing for the procedure's own checks).
void reportFailure(const std::string& message, const std::string& title, const std::string& detail) {
  MsgBox(message + "\r" + detail, platform::vbCritical | platform::vbOKOnly, title);
}

// A read hands the value over through a buffer of blanks one longer than the
// longest value: the value, a NUL after it, blanks to the end. What reaches
// the caller is that buffer with its blanks trimmed and the NUL removed.
std::string throughReadBuffer(const std::string& stored) {
  const size_t copied = std::min(stored.size(), static_cast<size_t>(kIniValueLimit));
  if (copied == 0) return "";
  std::string buffer(kIniValueLimit + 1, ' ');
  buffer.replace(0, copied, stored, 0, copied);
  buffer[copied] = '\0';
  return StripNulls(buffer);
}

}  // namespace

void IniAccess(const std::string& IniPath, const std::string& Section, const std::string& IniKey,
               std::string& Value, int Mode) {
  const std::string folder = FolderPart(IniPath);
  if (folder.empty()) {
    reportFailure("ERROR: INVALIED PATH!\r\rThis path is invalied: " + IniPath, kAccessTitle, "");
    return;
  }
  const std::string name = FileNamePart(IniPath);
  if (Trim(name).empty()) {
    reportFailure("ERROR: NO FILENAME!", kAccessTitle, "");
    return;
  }
  const std::string file = folder + ChangeExtension(name, "INI");

  std::string message, title;
  try {
    if (Mode == kIniWrite) {
      message = "ERROR: UNABLE TO WRITE INI VALUE!\r\rUnable to write to Ini File: " + name;
      title = kWriteTitle;
      // A refused write is no failure here: the next read shows what is on disk.
      platform::writeProfileString(Section, IniKey, Value, file);
      return;
    }
    message = "ERROR: UNABLE TO READ INI VALUE!\r\rUnable to read from Ini File: " + name;
    title = kReadTitle;
    std::string read = throughReadBuffer(platform::getProfileString(Section, IniKey, "", file));
    Value = std::move(read);
  } catch (const std::exception& e) {
    reportFailure(message, title, e.what());
  }
}
