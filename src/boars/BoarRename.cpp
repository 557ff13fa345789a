#include "boars/BoarRename.h"

#include "common/NumberText.h"
#include "records/Fields.h"
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

// A file the change writes: opened for writing, then each record of `recs`
// written as stored but for the ID field at `at`.
template <class R>
struct Rewrite {
  const records::FileImage<R>& image;
  std::vector<long> recs;
  int at;
  records::TypedFile<R> file;

  bool open(FileFault& fault) {
    const std::string path = DataFilePath<R>();
    if (recs.empty() || (file.open(path) && file.writable())) return true;
    fault = {path, file.error()};
    return false;
  }
  bool write(const std::string& id, FileFault& fault) {
    std::vector<uint8_t> bytes(static_cast<size_t>(R::Length));
    for (long n : recs) {
      std::copy(image.bytes(n), image.bytes(n) + R::Length, bytes.begin());
      records::putText(bytes.data() + at, kIdWidth, id);
      if (!file.raw().write(n, bytes)) {
        fault = {DataFilePath<R>(), file.error()};
        return false;
      }
    }
    return true;
  }
};

}  // namespace

Check CheckBoarIdTyped(const std::string& typed) {
  if (!Trim(typed).empty()) return std::nullopt;
  return Refusal{"ERROR:  You MUST have a Boar ID!", kIdTitle, platform::vbExclamation, 1};
}

Check CheckBoarIdFree(const std::string& newId, const records::FileImage<BoarRecord>& boars) {
  for (long n = 1; n <= boars.count(); ++n) {
    const std::string stored = records::StoredId(boars, n);
    if (RTrim(stored) == newId)
      return Refusal{"ERROR: BOAR ID (" + stored + ") is ALL READY USED!", kIdTitle, platform::vbExclamation, 1};
  }
  return std::nullopt;
}

BoarRenamePlan PlanBoarRename(const std::string& oldId, const records::FileImage<FarrowRecord>& litters,
                              const records::FileImage<SowRecord>& sows) {
  return {recordsNaming(litters, kLitterBoarIdAt, RTrim(oldId)), recordsNaming(sows, kSowBoarIdAt, RTrim(oldId))};
}

BoarRenameOutcome RenameBoar(long record, const std::string& oldId, const std::string& newId) {
  BoarRenameOutcome out;
  records::FileImage<BoarRecord> boars;
  records::FileImage<FarrowRecord> litters;
  records::FileImage<SowRecord> sows;
  FileFault fault;
  if (!ReadImage(boars, &fault)) {
    out.fault = fault;
    return out;
  }
  if ((out.refusal = CheckBoarIdFree(newId, boars))) return out;
  if (!ReadImage(litters, &fault) || !ReadImage(sows, &fault)) {
    out.fault = fault;
    return out;
  }
  if (record < 1 || record > boars.count()) {
    out.fault = FileFault{DataFilePath<BoarRecord>(), "The boar's record is not in the file."};
    return out;
  }
  BoarRenamePlan plan = PlanBoarRename(oldId, litters, sows);
  Rewrite<BoarRecord> boarFile{boars, {record}, BoarRecord::IdAt, {}};
  Rewrite<FarrowRecord> litterFile{litters, std::move(plan.litters), kLitterBoarIdAt, {}};
  Rewrite<SowRecord> sowFile{sows, std::move(plan.sows), kSowBoarIdAt, {}};
  out.writing = true;
  // Every file the change writes must be open for writing before any is changed.
  if (!boarFile.open(fault) || !litterFile.open(fault) || !sowFile.open(fault)) {
    out.fault = fault;
    return out;
  }
  if (!boarFile.write(newId, fault)) {
    out.fault = fault;
    return out;
  }
  out.written.push_back(BoarRecord::FileName);
  if (!litterFile.write(newId, fault)) {
    out.fault = fault;
    return out;
  }
  if (!litterFile.recs.empty()) out.written.push_back(FarrowRecord::FileName);
  if (!sowFile.write(newId, fault)) {
    out.fault = fault;
    return out;
  }
  if (!sowFile.recs.empty()) out.written.push_back(SowRecord::FileName);
  out.renamed = true;
  return out;
}

std::string BoarRenameDone(const std::vector<std::string>& written) {
  if (written.empty()) return kNothingMoreDone;
  std::string files;
  for (size_t k = 0; k < written.size(); ++k) files += (k == 0 ? "" : k + 1 == written.size() ? " and " : ", ") + written[k];
  return files + " already hold the new ID.\r" + kNothingMoreDone;
}
