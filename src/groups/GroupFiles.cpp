#include "groups/GroupFiles.h"

#include <algorithm>
#include <array>

#include "common/DataFiles.h"
#include "common/DateMath.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "records/RecordSlots.h"

namespace {

constexpr std::array<const char*, 3> kLetters = {"N", "G", "F"};
constexpr std::array<const char*, 3> kWords = {"NURSERY", "GROWER", "FINISHER"};

// The tens digit by which a grower's finisher sub-groups are known: the
// first character of the sub-group number as text.
char TensChar(int subGroup) {
  if (subGroup < 0) return '-';
  while (subGroup >= 10) subGroup /= 10;
  return static_cast<char>('0' + subGroup);
}

template <class R>
bool WriteOne(long n, const R& record, const std::string& title) {
  FileFault fault;
  if (WriteRecordAt(n, record, &fault)) return true;
  ReportFileFault(fault, true, title);
  return false;
}

Check FileFull(long record, const std::string& file, const std::string& title) {
  if (records::RecordNumberFits(record)) return std::nullopt;
  return Refusal{"ERROR:   NO ROOM LEFT IN " + file + " FILE!!\r\rTry Deleting some older GROUP ID(s).", title};
}

// A stored ID with its trailing blanks off; empty for a free record.
std::string_view StoredKey(const uint8_t* id) {
  std::string_view k(reinterpret_cast<const char*>(id), GroupRecord::IdWidth);
  const size_t end = k.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : k.substr(0, end + 1);
}

// The fields of a lot out, read from the stored bytes.
const records::FieldPlace kPigsIn = records::placeOf(&GroupRecord::PigsIn);
const records::FieldPlace kWeightIn = records::placeOf(&GroupRecord::WeightIn);
const records::FieldPlace kDateIn = records::placeOf(&GroupRecord::DateIn);
const records::FieldPlace kPigsSold = records::placeOf(&SalesRecord::PigsSold);
const records::FieldPlace kWeightSold = records::placeOf(&SalesRecord::WeightPerPig);
const records::FieldPlace kDateSold = records::placeOf(&SalesRecord::DateSold);
const records::FieldPlace kGiltsSold = records::placeOf(&SalesRecord::GiltsSold);

}  // namespace

std::string StageLetter(int stage) { return stage >= 0 && stage <= 2 ? kLetters[stage] : " "; }
std::string StageWord(int stage) { return stage >= 0 && stage <= 2 ? kWords[stage] : ""; }
std::optional<std::string> YearTail(const std::string& year) {
  if (year.size() != 2) return std::nullopt;
  return year;
}

int StageOf(const std::string& letter) {
  if (letter.size() != 1) return -1;
  for (int s = 0; s <= 2; ++s)
    if (letter[0] == kLetters[s][0]) return s;
  return -1;
}

bool GroupBook::readGroups(const std::string& title) {
  years_.clear();
  sales_ = {};
  std::string error;
  if (groups_.read(DataFilePath<GroupRecord>(), &error)) return true;
  ReportFileFault({DataFilePath<GroupRecord>(), error}, false, title);
  return false;
}

bool GroupBook::read(const std::string& title) {
  if (!readGroups(title)) return false;
  std::string error;
  if (!sales_.read(DataFilePath<SalesRecord>(), &error)) {
    ReportFileFault({DataFilePath<SalesRecord>(), error}, false, title);
    return false;
  }
  return true;
}

GroupBook GroupBook::of(const std::vector<GroupRecord>& groups, const std::vector<SalesRecord>& sales) {
  GroupBook book;
  book.groups_ = records::FileImage<GroupRecord>::of(groups);
  book.sales_ = records::FileImage<SalesRecord>::of(sales);
  return book;
}

GroupRecord GroupBook::group(long n) const {
  GroupRecord g;
  if (n >= 1 && n <= groups_.count()) groups_.decode(n, g);
  return g;
}

GroupBook::Family GroupBook::familyOf(const std::string& id) const {
  const std::string k = RTrim(id);
  if (k.empty() || k.size() > static_cast<size_t>(GroupRecord::IdWidth)) return {};
  // The last two characters of the ID as stored, blank padded.
  const std::string stored = k + std::string(static_cast<size_t>(GroupRecord::IdWidth) - k.size(), ' ');
  const YearIndex& index = yearIndex(std::string_view(stored).substr(stored.size() - 2));
  const auto it = index.find(k);
  if (it == index.end()) return {};
  return {it->second.groups, it->second.sales};
}

const GroupBook::YearIndex& GroupBook::yearIndex(std::string_view tail) const {
  if (const auto it = years_.find(std::string(tail)); it != years_.end()) return it->second;
  YearIndex& index = years_[std::string(tail)];
  EachWithIdTail(groups_, tail, [&](const uint8_t* p, long n) {
    const std::string_view id = StoredKey(p + GroupRecord::IdAt);
    if (!id.empty()) index[std::string(id)].groups.push_back(n);
  });
  EachWithIdTail(sales_, tail, [&](const uint8_t* p, long n) {
    const std::string_view id = StoredKey(p + SalesRecord::IdAt);
    if (!id.empty()) index[std::string(id)].sales.push_back(n);
  });
  return index;
}

GroupRecord BlankGroup() { return GroupRecord{}; }

SalesRecord DeletedSale(const SalesRecord& row) {
  SalesRecord freed;
  freed.SubGroup = row.SubGroup;
  freed.GiltsSold = row.GiltsSold;
  return freed;
}

std::vector<PigsOutLot> GroupOutLots(const GroupBook& book, const GroupRecord& g, bool adjustRows) {
  std::vector<PigsOutLot> lots;
  const int stage = StageOf(g.Stage);
  if (stage < 0) return lots;
  const GroupBook::Family family = book.familyOf(g.GroupId);
  lots.reserve(family.sales.size() + (stage != 2 ? family.groups.size() : 0));
  if (stage != 2) {
    const char next = stage == 0 ? 'G' : 'F';
    for (long n : family.groups) {
      // Which records are the next stage's is told by their stored stage and sub-group.
      const uint8_t* p = book.groupFile().bytes(n);
      if (p[GroupRecord::StageAt] != next) continue;
      if (stage == 1 && TensChar(records::getI16(p + GroupRecord::SubGroupAt)) != TensChar(g.SubGroup)) continue;
      lots.push_back({kPigsIn.i16(p), kWeightIn.f32(p), DayNumber(kDateIn.text(p))});
    }
  }
  for (long n : family.sales) {
    // So are the rows of the group's pigs by their kind, year-end mark and sub-group.
    const uint8_t* p = book.salesFile().bytes(n);
    const bool yearEnd = records::getI16(p + SalesRecord::YearEndAdjustAt) != 0;
    if (stage == 0) {
      if (yearEnd || p[SalesRecord::SaleTypeAt] != 'F') continue;
    } else if (p[SalesRecord::SaleTypeAt] != 'M' || records::getI16(p + SalesRecord::SubGroupAt) != g.SubGroup) {
      continue;
    } else if (yearEnd && !(adjustRows && stage == 2)) {
      continue;
    }
    const long pigs = kPigsSold.i16(p) + (stage == 2 && !yearEnd ? kGiltsSold.i16(p) : 0);
    lots.push_back({pigs, kWeightSold.f32(p), DayNumber(kDateSold.text(p))});
  }
  return lots;
}

long PigsOutOf(const std::vector<PigsOutLot>& lots) {
  long n = 0;
  for (const PigsOutLot& lot : lots) n += lot.pigs;
  return n;
}

GroupFigures FiguresOf(const GroupBook& book, const GroupRecord& g) { return FiguresOfLots(g, GroupOutLots(book, g, true)); }

GroupFigures FiguresOfLots(const GroupRecord& g, const std::vector<PigsOutLot>& lots) {
  GroupFigures f;
  f.pigsOut = PigsOutOf(lots);
  double pounds = 0;
  const std::optional<long> in = DayNumber(g.DateIn);
  for (const PigsOutLot& lot : lots) {
    pounds += static_cast<double>(lot.pigs) * lot.weight;
    f.pigDays += lot.pigs * (in && lot.day ? *lot.day - *in : 0);
  }
  const float weightOut = f.pigsOut != 0 ? static_cast<float>(pounds / static_cast<double>(f.pigsOut)) : 0.0f;
  f.averageWeightOut = f.pigsOut != 0 ? Format(weightOut, "0.00") : "0";
  const float outValue = static_cast<float>(Val(f.averageWeightOut));
  f.deathLoss = g.DeathLoss != 0 && g.PigsIn != 0
                    ? Format(static_cast<float>(g.PigsIn - f.pigsOut) / static_cast<float>(g.PigsIn) * 100.0f, "0.00")
                    : "0.00";
  const float gained = outValue != 0 ? outValue - g.WeightIn : 0.0f;
  f.weightGained = Format(gained, "0.00");
  f.averageDaysIn = f.pigDays != 0 && f.pigsOut != 0 ? f.pigDays / f.pigsOut : 0;
  const float gainValue = static_cast<float>(Val(f.weightGained));
  f.dailyGain = f.averageDaysIn != 0 ? Format(gainValue / static_cast<float>(f.averageDaysIn), "0.00") : "0.00";
  return f;
}

long FreeGroupRecord(const GroupBook& book, const std::vector<long>& taken) {
  const auto isTaken = [&](long n) { return std::find(taken.begin(), taken.end(), n) != taken.end(); };
  for (long n = 1; n <= book.groupCount(); ++n)
    if (StoredKey(book.groupFile().bytes(n) + GroupRecord::IdAt).empty() && !isTaken(n)) return n;
  long n = book.groupCount() + 1;
  while (isTaken(n)) ++n;
  return n;
}

long FreeSalesRecord(const GroupBook& book) {
  for (long n = 1; n <= book.salesCount(); ++n)
    if (StoredKey(book.salesFile().bytes(n) + SalesRecord::IdAt).empty()) return n;
  return book.salesCount() + 1;
}

Check GroupFileFull(long record, const std::string& title) { return FileFull(record, "GROUP", title); }
Check SalesFileFull(long record, const std::string& title) { return FileFull(record, "SALES", title); }

bool WriteGroupRecord(long n, const GroupRecord& g, const std::string& title) { return WriteOne(n, g, title); }
