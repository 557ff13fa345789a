// The start's reading and rolling back of a journal, fed journals made by
// real write sets over a real data folder and then changed at random, and
// journals made up whole (some in the layout of the version before), over
// data files changed at random (some of them links to a file outside): the
// start never stops, changes nothing outside
// the data folder, removes no file but one the journal says its action made,
// and lengthens no file. TARLOWE_JOURNAL_FUZZ_CASES sets the number of cases
// (a few hundred by default) and TARLOWE_JOURNAL_FUZZ_SEED the first seed.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "common/WriteJournal.h"
#include "common/WriteSet.h"
#include "platform/FileSystem.h"
#include "records/FarrowRecord.h"
#include "records/GroupRecord.h"
#include "records/IngredientRecord.h"
#include "records/MedicationRecord.h"
#include "records/SalesRecord.h"
#include "support/EarlierJournal.h"
#include "support/TestPlatform.h"

namespace {

long fromEnvironment(const char* name, long otherwise) {
  const char* text = std::getenv(name);
  return text ? std::atol(text) : otherwise;
}

std::string g_journal;           // the journal a set writes
std::vector<uint8_t> g_written;  // its bytes, as the last step before it went saw them

void copyJournal() {
  std::ifstream in(g_journal, std::ios::binary);
  if (in) g_written.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::vector<std::string> kNames{"GROUP.DAT", "SALES.DAT", "FEED.LST", "FARROW.DAT", "MED2024.DAT"};
const std::vector<int> kLengths{GroupRecord::Length, SalesRecord::Length, IngredientRecord::Length,
                                FarrowRecord::Length, MedicationRecord::Length};

struct Fuzz {
  std::mt19937_64 random;
  TestPlatform& tp;
  std::string data = tp.path("HOGDATA/"), outside = tp.path("OUTSIDE/");

  size_t below(size_t n) { return static_cast<size_t>(random() % n); }
  std::string bytes(size_t n) {
    std::string out(n, 0);
    for (char& c : out) c = static_cast<char>(below(4) == 0 ? 'A' + below(3) : below(256));
    return out;
  }

  template <class R>
  void write(WriteSet& set, size_t kind, long count) {
    WriteSet::File<R> file = set.open<R>(data + kNames[kind]);
    for (size_t w = below(4); w > 0; --w) {
      const std::string record = bytes(static_cast<size_t>(R::Length));
      file.writeBytes(1 + static_cast<long>(below(static_cast<size_t>(count) + 3)), {record.begin(), record.end()});
    }
  }

  // A real set's journal over the files as they are, the files then being
  // left before it, after it, or part way; empty when the set wrote none.
  std::vector<uint8_t> realJournal() {
    const FolderBytes before = folderBytes(data);
    g_written.clear();
    platform::setFileStepHook(copyJournal);
    WriteSet set("FUZZ " + std::to_string(below(100)));
    for (size_t kind = 0; kind < kNames.size(); ++kind) {
      if (below(2) == 0) continue;
      const long count = static_cast<long>(platform::fileLength(data + kNames[kind]) / kLengths[kind]);
      switch (kind) {
        case 0: write<GroupRecord>(set, kind, count); break;
        case 1: write<SalesRecord>(set, kind, count); break;
        case 2: write<IngredientRecord>(set, kind, count); break;
        case 3: write<FarrowRecord>(set, kind, count); break;
        default: write<MedicationRecord>(set, kind, count); break;
      }
    }
    set.commit();
    platform::setFileStepHook(nullptr);
    const FolderBytes after = folderBytes(data);
    for (const auto& [name, bytes] : after) {
      const std::string old = before.count(name) ? before.at(name) : "";
      const size_t pick = below(3);
      if (pick == 0 && !before.count(name)) platform::deleteFile(data + name);
      if (pick == 0 && before.count(name)) writeFile(data + name, old);
      if (pick == 1) writeFile(data + name, bytes.substr(0, below(bytes.size() + 1)) + old.substr(std::min(old.size(), below(old.size() + 1))));
    }
    return g_written;
  }

  // A journal made up field by field, its names sometimes not the program's.
  std::vector<uint8_t> madeUpJournal() {
    const std::vector<std::string> names{"GROUP.DAT", "SALES.DAT", "../VICTIM.DAT", outside + "VICTIM.DAT",
                                         "FEED.LST", "MED2024.DAT", "MED20X4.DAT", "SOW.DAT", ""};
    const long long values[] = {0, 1, 29, 57, 60, 115, 1LL << 31, 1LL << 40, -1, LLONG_MIN};
    Journal j{below(4) == 0 ? bytes(below(50)) : "PIGS OUT", {}, {}};
    for (size_t f = 1 + below(3); f > 0; --f) {
      const std::string name = names[below(names.size())];
      const int length = below(4) == 0 ? static_cast<int>(below(100)) : JournalRecordLength(name);
      const long long old = below(2) == 0 ? values[below(10)] : static_cast<long long>(below(400));
      j.files.push_back({name, length, below(4) != 0, old, below(2) == 0 ? old : values[below(10)]});
    }
    for (size_t p = below(6); p > 0; --p) {
      const size_t file = below(j.files.size() + 1);
      const int length = file < j.files.size() ? std::max(j.files[file].recordLength, 1) : 1;
      const std::string old = bytes(below(2) == 0 ? static_cast<size_t>(length) : below(70));
      const std::string written = bytes(below(4) == 0 ? below(70) : static_cast<size_t>(length));
      j.pieces.push_back({file, below(2) == 0 ? values[below(10)] : static_cast<long long>(below(8)) * length,
                          {old.begin(), old.end()}, {written.begin(), written.end()}});
    }
    return below(4) == 0 ? EncodeEarlierJournal(j) : EncodeJournal(j);
  }

  // Bytes changed, cut, lengthened or overwritten with a telling number;
  // the checksum made right again most of the time, so the checks behind it
  // are reached.
  void mutate(std::vector<uint8_t>& journal) {
    const long long values[] = {0, -1, LLONG_MIN, 1LL << 40, 1LL << 31, 29LL << 40, 0x7fffffff};
    for (size_t m = below(4); m > 0 && !journal.empty(); --m) {
      const size_t at = below(journal.size());
      switch (below(5)) {
        case 0: journal[at] ^= static_cast<uint8_t>(1u << below(8)); break;
        case 1: journal.resize(at); break;
        case 2: journal.insert(journal.begin() + static_cast<long>(at), static_cast<uint8_t>(random())); break;
        default:
          if (at + 8 <= journal.size()) records::putI64(journal.data() + at, values[below(7)]);
      }
    }
    if (journal.size() >= 28 && below(5) != 0) {
      records::putI32(journal.data() + 16, static_cast<int32_t>(journal.size() - 28));
      records::putI64(journal.data() + 20, static_cast<int64_t>(JournalChecksum(journal.data() + 28, journal.size() - 28)));
    }
  }

  void run() {
    std::filesystem::remove_all(data);
    writeFolder(outside, {{"VICTIM.DAT", bytes(200)}});
    writeFile(tp.path("VICTIM.DAT"), bytes(100));
    FolderBytes files;
    for (size_t kind = 0; kind < kNames.size(); ++kind)
      if (below(4) != 0) files[kNames[kind]] = bytes(static_cast<size_t>(kLengths[kind]) * below(4) + below(2) * 3);
    writeFolder(data, files);
    std::vector<uint8_t> journal = below(3) == 0 ? madeUpJournal() : realJournal();
    if (below(3) == 0) mutate(journal);
    for (const std::string& name : kNames) {
      if (below(8) != 0 || !platform::pathExists(data + name)) continue;
      platform::deleteFile(data + name);
      std::filesystem::create_symlink(outside + "VICTIM.DAT", data + name);
    }
    writeFile(data + kJournalName, std::string(journal.begin(), journal.end()));
    const FolderBytes home = folderBytes(tp.home()), out = folderBytes(outside), before = folderBytes(data);
    const JournalRead read = DecodeJournal(journal);
    RollBack back;
    EXPECT_NO_THROW(back = RollBackJournal(data));
    EXPECT_EQ(folderBytes(tp.home()), home);
    EXPECT_EQ(folderBytes(outside), out);
    const FolderBytes now = folderBytes(data);
    for (const auto& [name, bytes] : before) {
      if (name == kJournalName) continue;
      bool made = false;
      for (const JournalFile& f : read.journal.files) made = made || (f.name == name && !f.existed);
      if (!now.count(name)) EXPECT_TRUE(made) << name << " removed";
      if (now.count(name)) EXPECT_LE(now.at(name).size(), bytes.size()) << name;
    }
    for (const auto& [name, bytes] : now) EXPECT_TRUE(before.count(name) || data + name == back.setAsideAs) << name;
  }
};

TEST(JournalFuzz, TheStartNeverStopsNorWritesOutsideTheDataFolderNorRemovesAFileItDidNotWrite) {
  TestPlatform tp;
  const long cases = fromEnvironment("TARLOWE_JOURNAL_FUZZ_CASES", 300);
  const long seed = fromEnvironment("TARLOWE_JOURNAL_FUZZ_SEED", 1);
  g_journal = tp.path("HOGDATA/") + kJournalName;
  for (long k = 0; k < cases && !HasFailure(); ++k) {
    SCOPED_TRACE("seed " + std::to_string(seed + k));
    Fuzz fuzz{std::mt19937_64(static_cast<uint64_t>(seed + k)), tp};
    fuzz.run();
  }
}

}  // namespace
