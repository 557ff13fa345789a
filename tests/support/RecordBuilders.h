#pragma once
// One builder per record type, and one writer and reader of record files.
// A builder starts from a valid record (text empty, every date "__/__/____",
// numbers 0, a litter in the herd, a user with his marker) and sets the
// fields a test names, each call returning the builder; it converts to the
// record where one is expected. Any other field: .set(&SowRecord::Backfat, 1.5f).
// asStored() gives records as a file gives them back (text padded to width).
//
//   writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1").parities(9), aSow(""),
//                                                aSow("GONE").left("08/01/2023")});
//   writeRecords<FarrowRecord>(tp.path("FARROW.DAT"), {aLitter().sire("B1").pigs(10, 9)});
//   std::vector<SowRecord> back = readRecords<SowRecord>(tp.path("SOW.DAT"));
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "records/BoarRecord.h"
#include "records/FarrowRecord.h"
#include "records/Fields.h"
#include "records/PasswordRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"
#include "support/TestPlatform.h"

template <class R, class Self>
class RecordBuilder {
 public:
  template <class M, class V>
  Self& set(M member, V value) {
    record_.*member = std::move(value);
    return static_cast<Self&>(*this);
  }
  operator R() const { return record_; }

 protected:
  R record_;
};

// The fields a sow and a boar share.
template <class R, class Self>
class AnimalBuilder : public RecordBuilder<R, Self> {
 public:
  explicit AnimalBuilder(const std::string& id) {
    R& r = this->record_;
    r.Id = id;
    r.DateOfBirth = r.DateEnteredHerd = r.DateLeftHerd = r.PrvDate = records::kEmptyDate;
  }
  Self& breed(const std::string& s) { return this->set(&R::Breed, s); }
  Self& location(const std::string& s) { return this->set(&R::Location, s); }
  Self& birth(const std::string& date) { return this->set(&R::DateOfBirth, date); }
  Self& entered(const std::string& date) { return this->set(&R::DateEnteredHerd, date); }
  Self& left(const std::string& date) { return this->set(&R::DateLeftHerd, date); }
  Self& prv(const std::string& date) { return this->set(&R::PrvDate, date); }
  // Note line k, 1 to 14.
  Self& note(int k, const std::string& text) {
    this->record_.NoteLine.setLine(k - 1, text);
    return static_cast<Self&>(*this);
  }
};

class SowBuilder : public AnimalBuilder<SowRecord, SowBuilder> {
 public:
  explicit SowBuilder(const std::string& id) : AnimalBuilder(id) {
    record_.DateBred = record_.DateDue = records::kEmptyDate;
  }
  SowBuilder& bred(const std::string& date, const std::string& boar = "") {
    record_.DateBred = date;
    record_.BoarId = boar;
    return *this;
  }
  SowBuilder& due(const std::string& date) { return set(&SowRecord::DateDue, date); }
  SowBuilder& parities(int16_t n) { return set(&SowRecord::ParityCount, n); }
  // Her litters' FARROW.DAT record numbers, parity 1 first; the parity count
  // follows them.
  SowBuilder& litters(std::initializer_list<int16_t> recs) {
    size_t k = 0;
    for (int16_t r : recs) record_.FarrowRecNo.at(k++) = r;
    record_.ParityCount = static_cast<int16_t>(recs.size());
    return *this;
  }
};

class BoarBuilder : public AnimalBuilder<BoarRecord, BoarBuilder> {
 public:
  using AnimalBuilder::AnimalBuilder;
};

class LitterBuilder : public RecordBuilder<FarrowRecord, LitterBuilder> {
 public:
  LitterBuilder() {
    record_.Status = FarrowRecord::InHerd;
    record_.DateBorn = record_.DateWeaned = records::kEmptyDate;
  }
  LitterBuilder& status(int16_t s) { return set(&FarrowRecord::Status, s); }
  LitterBuilder& bornOn(const std::string& date) { return set(&FarrowRecord::DateBorn, date); }
  LitterBuilder& sire(const std::string& boar) { return set(&FarrowRecord::BoarId, boar); }
  // Pigs born (alive and dead) and born alive.
  LitterBuilder& pigs(int16_t born, int16_t alive) {
    record_.BornCount = born;
    record_.AliveCount = alive;
    return *this;
  }
  LitterBuilder& weaned(int16_t count, const std::string& date = records::kEmptyDate, int16_t age = 0) {
    record_.WeanedCount = count;
    record_.DateWeaned = date;
    record_.WeaningAge = age;
    return *this;
  }
  // Litter weights at birth and at weaning.
  LitterBuilder& weights(float birth, float weaning) {
    record_.BirthWeight = birth;
    record_.WeaningWeight = weaning;
    return *this;
  }
  LitterBuilder& fostered(int16_t to, int16_t from) {
    record_.FosteredTo = to;
    record_.FosteredFrom = from;
    return *this;
  }
};

// A user of the password file, plain (scramblePasswordBytes scrambles).
class UserBuilder : public RecordBuilder<PasswordRecord, UserBuilder> {
 public:
  explicit UserBuilder(const std::string& logonId) {
    record_.LogonID = logonId;
    record_.Date = "12/07/2026";
    record_.Marker = "YES";
  }
  UserBuilder& password(const std::string& s) { return set(&PasswordRecord::Password, s); }
  UserBuilder& level(int16_t n) { return set(&PasswordRecord::Level, n); }
  UserBuilder& date(const std::string& s) { return set(&PasswordRecord::Date, s); }
  UserBuilder& name(const std::string& s) { return set(&PasswordRecord::UserName, s); }
  UserBuilder& initials(const std::string& s) { return set(&PasswordRecord::Initials, s); }
  UserBuilder& marker(const std::string& s) { return set(&PasswordRecord::Marker, s); }
};

inline SowBuilder aSow(const std::string& id) { return SowBuilder(id); }
inline BoarBuilder aBoar(const std::string& id) { return BoarBuilder(id); }
inline LitterBuilder aLitter() { return LitterBuilder(); }
inline UserBuilder aUser(const std::string& logonId) { return UserBuilder(logonId); }

// The bytes of records one after the other, as a record file holds them.
template <class R>
std::string recordBytes(const std::vector<R>& recs) {
  std::string bytes;
  bytes.reserve(recs.size() * static_cast<size_t>(R::Length));
  for (const R& r : recs) {
    const records::Bytes b = records::encode(r);
    bytes.append(b.begin(), b.end());
  }
  return bytes;
}

// The records as a file gives them back: text padded to its width.
template <class R>
std::vector<R> asStored(const std::vector<R>& recs) {
  std::vector<R> out;
  for (const R& r : recs) out.push_back(records::decode<R>(records::encode(r)));
  return out;
}

// Replaces the file at `path` with the records, record 1 first.
template <class R>
void writeRecords(const std::string& path, const std::vector<R>& recs) {
  writeFile(path, recordBytes(recs));
}

// Every whole record of the file at `path`; a file that cannot be read fails
// the test.
template <class R>
std::vector<R> readRecords(const std::string& path) {
  std::vector<R> out;
  std::string error;
  EXPECT_TRUE(records::readAll(path, out, &error)) << error;
  return out;
}
