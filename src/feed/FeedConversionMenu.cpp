#include "feed/FeedConversionMenu.h"

#include "common/DataFiles.h"
#include "common/FileProcs.h"
#include "common/HogGlobals.h"
#include "common/YearPrompts.h"
#include "feed/HogFeed3.h"
#include "feed/HogFeed7.h"
#include "platform/FormKit.h"

namespace {

const char kTitle[] = "FEED   CONVERSION   ERROR";

// Whether a record of the file names a group: its ID field not blank.
template <class R>
bool AnyGroupId(const records::FileImage<R>& file, int at, int width) {
  for (long n = 1; n <= file.count(); ++n) {
    const uint8_t* id = file.bytes(n) + at;
    for (int i = 0; i < width; ++i)
      if (id[i] != ' ') return true;
  }
  return false;
}

Refusal Refused(const std::string& text, const std::string& title = kTitle) {
  return Refusal{text, title, platform::vbExclamation};
}

}  // namespace

Check CheckFeedConversionFiles(bool feedExists, const FeedBatchFile& batches,
                               const records::FileImage<SalesRecord>& sales,
                               const records::FileImage<GroupRecord>& groups) {
  constexpr int kBatchGroupAt = 7, kBatchGroupWidth = 3;
  if (!feedExists) return Refused(FeedFile + " FILE DOESN'T EXIST!");
  if (batches.count() == 0) return Refused("FEED FILE EMPTY!", "FEED    CONVERSION   ERROR");
  if (!AnyGroupId(batches, kBatchGroupAt, kBatchGroupWidth)) return Refused("NO GROUP FEED RECORDS FOUND!");
  if (sales.count() == 0) return Refused("SALES FILE EMPTY!");
  if (!AnyGroupId(sales, SalesRecord::IdAt, SalesRecord::IdWidth)) return Refused("NO GROUP SALES RECORDS FOUND!");
  if (groups.count() == 0) return Refused("GROUP FILE EMPTY!");
  if (!AnyGroupId(groups, GroupRecord::IdAt, GroupRecord::IdWidth)) return Refused("NO GROUP RECORDS FOUND!");
  return std::nullopt;
}

namespace {

// Reads and checks the year's files as CheckFeedConversionFiles asks; false,
// once the fault or refusal is told, when the conversion cannot run. The
// files are let go before its window opens.
bool FeedConversionFilesFit() {
  const bool feedExists = FileExists(FeedFilePath());
  FeedBatchFile batches;
  records::FileImage<SalesRecord> sales;
  records::FileImage<GroupRecord> groups;
  FileFault fault;
  if ((feedExists && !ReadFeedBatchFile(batches, &fault)) || !ReadImage(sales, &fault) || !ReadImage(groups, &fault)) {
    ReportFileFault(fault, false, kTitle);
    return false;
  }
  if (Check refused = CheckFeedConversionFiles(feedExists, batches, sales, groups)) {
    Alert(refused->text, refused->icon | platform::vbOKOnly, refused->title);
    return false;
  }
  return true;
}

}  // namespace

void OpenFeedConversion(int item) {
  if (!AskFeedYear() || !FeedConversionFilesFit()) return;
  if (item == 0)
    platform::ShowModalThenUnload<HogFeed3>();
  else
    platform::ShowModalThenUnload<HogFeed7>();
}
