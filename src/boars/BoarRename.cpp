#include "boars/BoarRename.h"

#include "common/NumberText.h"
#include "common/WriteSet.h"
#include "records/Fields.h"
#include "records/RecordScan.h"
#include "records/RecordSlots.h"

namespace {

const char kIdTitle[] = "BOAR ID ERROR";
constexpr int kSowBoarIdAt = 122;  // SowRecord::BoarId
constexpr int kLitterBoarIdAt = 42;
constexpr int kIdWidth = 8;

// The ID as its 8 stored bytes, as a field matching it holds it.
std::string storedKey(const std::string& id) {
  std::string key(kIdWidth, ' ');
  records::putText(reinterpret_cast<uint8_t*>(key.data()), kIdWidth, id);
  return key;
}

template <class R>
std::vector<long> recordsNaming(const records::FileImage<R>& file, int at, const std::string& id) {
  std::vector<long> out;
  if (id.size() > static_cast<size_t>(kIdWidth)) return out;
  const std::string key = storedKey(id);
  for (long n = 1; n <= file.count(); ++n)
    if (key.compare(0, kIdWidth, reinterpret_cast<const char*>(file.bytes(n) + at), kIdWidth) == 0) out.push_back(n);
  return out;
}

// Record n written as `stored` holds it but for the ID field at `at`, which
// takes `id`.
template <class R>
bool writeId(WriteSet::File<R>& out, long n, const uint8_t* stored, int at, const std::string& id) {
  records::Bytes bytes(stored, stored + R::Length);
  records::putText(bytes.data() + at, kIdWidth, id);
  return out.writeBytes(n, bytes);
}

// Each record of `recs` written as `image` holds it but for its ID field.
template <class R>
void writeIds(WriteSet::File<R> out, const records::FileImage<R>& image, const std::vector<long>& recs, int at,
              const std::string& id) {
  for (long n : recs)
    if (!writeId(out, n, image.bytes(n), at, id)) return;
}

// What a rename reads of BOAR.DAT: the stored ID of the first boar holding
// the new ID, the renamed boar's bytes, and the record count.
struct BoarFileLook {
  std::optional<std::string> holder;
  records::Bytes boar;
  long count = 0;
};

bool lookAtBoars(long record, const std::string& newId, BoarFileLook& look, FileFault* fault) {
  records::RecordScan<BoarRecord> boars;
  const auto visit = [&](long n, const uint8_t* bytes) {
    if (!look.holder)
      if (std::string stored = records::StoredId<BoarRecord>(bytes); RTrim(stored) == newId) look.holder = stored;
    if (n == record) look.boar.assign(bytes, bytes + BoarRecord::Length);
  };
  if (!ScanFile(boars, visit, fault)) return false;
  look.count = boars.count();
  return true;
}

}  // namespace

Check CheckBoarIdTyped(const std::string& typed) {
  if (!Trim(typed).empty()) return std::nullopt;
  return Refusal{"ERROR:  You MUST have a Boar ID!", kIdTitle, platform::vbExclamation, 1};
}

Check CheckBoarIdFree(const std::optional<std::string>& holder) {
  if (!holder) return std::nullopt;
  return Refusal{"ERROR: BOAR ID (" + *holder + ") is ALL READY USED!", kIdTitle, platform::vbExclamation, 1};
}

BoarRenamePlan PlanBoarRename(const std::string& oldId, const records::FileImage<FarrowRecord>& litters,
                              const records::FileImage<SowRecord>& sows) {
  return {recordsNaming(litters, kLitterBoarIdAt, RTrim(oldId)), recordsNaming(sows, kSowBoarIdAt, RTrim(oldId))};
}

BoarRenameOutcome RenameBoar(long record, const std::string& oldId, const std::string& newId) {
  BoarRenameOutcome out;
  BoarFileLook boars;
  records::FileImage<FarrowRecord> litters;
  records::FileImage<SowRecord> sows;
  FileFault fault;
  if (!lookAtBoars(record, newId, boars, &fault)) {
    out.fault = fault;
    return out;
  }
  if ((out.refusal = CheckBoarIdFree(boars.holder))) return out;
  if (!ReadImage(litters, &fault) || !ReadImage(sows, &fault)) {
    out.fault = fault;
    return out;
  }
  if (record < 1 || record > boars.count) {
    out.fault = FileFault{DataFilePath<BoarRecord>(), "The boar's record is not in the file."};
    return out;
  }
  const BoarRenamePlan plan = PlanBoarRename(oldId, litters, sows);
  out.writing = true;
  // Every file the change writes is open for writing before any is changed.
  WriteSet set("BOAR ID CHANGE");
  auto boarOut = set.open<BoarRecord>(DataFilePath<BoarRecord>());
  std::optional<WriteSet::File<FarrowRecord>> litterOut;
  std::optional<WriteSet::File<SowRecord>> sowOut;
  if (!plan.litters.empty()) litterOut = set.open<FarrowRecord>(DataFilePath<FarrowRecord>());
  if (!plan.sows.empty()) sowOut = set.open<SowRecord>(DataFilePath<SowRecord>());
  writeId(boarOut, record, boars.boar.data(), BoarRecord::IdAt, newId);
  if (litterOut) writeIds(*litterOut, litters, plan.litters, kLitterBoarIdAt, newId);
  if (sowOut) writeIds(*sowOut, sows, plan.sows, kSowBoarIdAt, newId);
  if (set.commit()) {
    out.renamed = true;
  } else {
    out.fault = set.fault();
    out.done = set.outcome();
  }
  return out;
}
