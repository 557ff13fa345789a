#include "common/YearPrompts.h"

#include <optional>

#include "common/DataFiles.h"
#include "common/FileProcs.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/Refusal.h"
#include "platform/Services.h"

namespace {

constexpr int kPromptLeft = 2600;
constexpr int kPromptTop = 2000;
constexpr int kGroupPromptTop = 2300;

// What came of a prompt: a year of four digits, an empty entry confirmed
// with OK, Cancel at the input box, or Cancel at the message of a wrong entry.
enum class Entry { Year, Nothing, Cancelled, GaveUp };

struct Answer {
  Entry entry = Entry::Cancelled;
  std::string year;
};

std::string lastFour(const std::string& text) { return text.size() > 4 ? text.substr(text.size() - 4) : text; }

// The year part of a year file's name ("FEED2019.DAT" with the prefix "FEED"
// gives "2019"); the current year when the name holds none.
std::string yearOfFile(const std::string& name, const std::string& prefix) {
  std::string n = Trim(name);
  if (n.size() == prefix.size() + 8 && n.compare(0, prefix.size(), prefix) == 0)
    return n.substr(prefix.size(), 4);
  return lastFour(DateText);
}

// Whether `year` is four digits: it names a year file ("FEED2019.DAT") and
// a group year, so letters ("CORN") are no year.
bool isYear(const std::string& year) {
  if (year.size() != 4) return false;
  for (char c : year)
    if (c < '0' || c > '9') return false;
  return true;
}

// Shows the year box until the entry is four digits, nothing was typed, or
// the user gives up (Cancel at the box or at the message of a wrong entry).
Answer askYear(const std::string& prompt, const std::string& boxTitle, const std::string& errorTitle,
               int top) {
  for (;;) {
    std::optional<std::string> typed = InputBox(prompt, boxTitle, lastFour(DateText), kPromptLeft, top);
    if (!typed) return {Entry::Cancelled, ""};
    std::string year = Trim(*typed);
    if (year.empty()) return {Entry::Nothing, ""};
    if (isYear(year)) return {Entry::Year, year};
    if (Alert("INVALID DATE " + year + "!\r\rDo you want to re-enter the DATE?",
              platform::vbQuestion | platform::vbRetryCancel, errorTitle) != platform::vbRetry)
      return {Entry::GaveUp, ""};
  }
}

}  // namespace

bool AskFeedYear() {
  Answer answer = askYear("Enter a FEED YEAR below:\r\rEntering nothing, opens the current file.",
                          "ENTER  FEED  FILE  YEAR", "FEED  YEAR  ERROR", kPromptTop);
  if (answer.entry == Entry::Cancelled) return false;
  if (answer.entry == Entry::GaveUp) {
    FeedYear = "";
    return false;
  }
  if (answer.entry == Entry::Year) {
    FeedYear = answer.year;
    FeedFile = FeedFileName(answer.year);
    MedFile = MedFileName(answer.year);
  } else {
    FeedYear = yearOfFile(FeedFile, "FEED");
    if (Trim(FeedFile).empty()) FeedFile = FeedFileName(FeedYear);
  }
  if (FileExists(DataFolder + FeedFile)) return true;
  if (Alert(FeedFile + " FILE DOESN'T EXIST!\r \rStart a new feed file?", platform::vbQuestion | platform::vbOKCancel,
            "FEED  FILE  ERROR") == platform::vbOK)
    return true;
  FeedYear = "";
  return false;
}

bool AskMedYear() {
  Answer answer = askYear("Enter a MEDICATION YEAR below:\r\rEntering nothing, opens the current file.",
                          "ENTER  MEDICATION  FILE  YEAR", "MEDICATION  YEAR  ERROR", kPromptTop);
  if (answer.entry == Entry::Cancelled || answer.entry == Entry::GaveUp) return false;
  std::string year = answer.entry == Entry::Year ? answer.year : yearOfFile(MedFile, "MED");
  MedFile = MedFileName(year);
  if (Trim(FeedFile).empty()) FeedFile = FeedFileName(year);
  if (FileExists(DataFolder + MedFile)) return true;
  return Alert(MedFile + " FILE DOESN'T EXIST!\r\rStart a new medication file?",
               platform::vbQuestion | platform::vbOKCancel, "MEDICATION  FILE  ERROR") == platform::vbOK;
}

bool AskGroupYear(std::string& Year) {
  std::string prompt = "Enter a GROUP YEAR below:\r\rFor new entries, viewing, and editing.\rThe current year is " +
                       std::to_string(platform::services().clock().today().year);
  Answer answer = askYear(prompt, "E N T E R   G R O U P   Y E A R", "G R O U P   Y E A R   E R R O R",
                          kGroupPromptTop);
  if (answer.entry != Entry::Year) return false;
  Year = answer.year;
  return true;
}

bool CheckYearEntry(const std::string& Prompt, const std::string& ErrorTitle, const std::string& BoxTitle,
                    std::string& Year) {
  Answer answer = askYear(Prompt, BoxTitle, ErrorTitle, kPromptTop);
  if (answer.entry != Entry::Year) return false;
  Year = answer.year;
  return true;
}
