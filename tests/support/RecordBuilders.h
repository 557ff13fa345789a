#pragma once
// One builder per record type, and one writer and reader of record files.
// A builder starts from a valid record (text empty, every date "__/__/____",
// numbers 0, a litter in the herd, a user with his marker, an ingredient with
// 1000 lb) and sets the fields a test names, each call returning the builder;
// it converts to the record where one is expected. Any other field: .set(&SowRecord::Backfat, 1.5f).
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
#include "records/DrugRecord.h"
#include "records/FarrowRecord.h"
#include "records/FeedBatchRecord.h"
#include "records/Fields.h"
#include "records/GroupRecord.h"
#include "records/IngredientRecord.h"
#include "records/MedicationRecord.h"
#include "records/PasswordRecord.h"
#include "records/RecordIo.h"
#include "records/SalesRecord.h"
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
  BoarBuilder& price(double amount) { return set(&BoarRecord::PurchasePrice, records::Currency::fromDouble(amount)); }
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

// A group of pigs: stage letter, ID and sub-group, pigs in with weight and
// date, open.
class GroupBuilder : public RecordBuilder<GroupRecord, GroupBuilder> {
 public:
  GroupBuilder(const std::string& stage, const std::string& id, int16_t subGroup = 0) {
    record_.Stage = stage;
    record_.GroupId = id;
    record_.SubGroup = subGroup;
  }
  GroupBuilder& in(int16_t pigs, float weight, const std::string& date) {
    record_.PigsIn = pigs;
    record_.WeightIn = weight;
    record_.DateIn = date;
    return *this;
  }
  GroupBuilder& deathLoss() { return set(&GroupRecord::DeathLoss, int16_t{-1}); }
  GroupBuilder& yearEnd() { return set(&GroupRecord::YearEndAdjust, int16_t{-1}); }
};

// A sales row: kind, ID and sub-group, pigs sold with weight, price and date.
class SaleBuilder : public RecordBuilder<SalesRecord, SaleBuilder> {
 public:
  SaleBuilder(const std::string& kind, const std::string& id, int16_t subGroup = 0) {
    record_.SaleType = kind;
    record_.GroupId = id;
    record_.SubGroup = subGroup;
  }
  SaleBuilder& sold(int16_t pigs, float weight, float price, const std::string& date) {
    record_.PigsSold = pigs;
    record_.WeightPerPig = weight;
    record_.PricePerLb = price;
    record_.DateSold = date;
    return *this;
  }
  SaleBuilder& gilts(int16_t n) { return set(&SalesRecord::GiltsSold, n); }
  SaleBuilder& yearEnd() { return set(&SalesRecord::YearEndAdjust, int16_t{-1}); }
  // The kill sheet figures, in the order the sale edit window asks for them.
  SaleBuilder& kill(float backfat, float lean, float ffli, float hcw, float premium, float loineye) {
    record_.Backfat = backfat;
    record_.PercentLean = lean;
    record_.FatFreeLeanIndex = ffli;
    record_.HotCarcassWeight = hcw;
    record_.GradeYieldPremium = premium;
    record_.Loineye = loineye;
    return *this;
  }
};

// A feed ingredient of FEED.LST, 1000 lb on hand and at the start.
class IngredientBuilder : public RecordBuilder<IngredientRecord, IngredientBuilder> {
 public:
  explicit IngredientBuilder(const std::string& code) {
    record_.IngredientCode = code;
    record_.CurrentInventory = record_.StartInventory = 1000;
    record_.InventoryDate = records::kEmptyDate;
  }
  IngredientBuilder& name(const std::string& s) { return set(&IngredientRecord::IngredientName, s); }
  // Pounds on hand and at the inventory date.
  IngredientBuilder& pounds(int32_t current, int32_t start) {
    record_.CurrentInventory = current;
    record_.StartInventory = start;
    return *this;
  }
  // Total and unit cost in dollars.
  IngredientBuilder& cost(double total, double unit) {
    record_.TotalCost = records::Currency::fromDouble(total);
    record_.UnitCost = records::Currency::fromDouble(unit);
    return *this;
  }
  IngredientBuilder& dated(const std::string& date) { return set(&IngredientRecord::InventoryDate, date); }
};

// A vaccine of 2 ML a dose, bought on 01/15/2024: 100 ML for $50.00, all
// still on hand.
class DrugBuilder : public RecordBuilder<DrugRecord, DrugBuilder> {
 public:
  explicit DrugBuilder(const std::string& code) {
    record_.DrugCode = code;
    record_.DrugName = code.empty() ? "" : "DRUG " + code;
    record_.DrugType = "V";
    record_.DrugUnit = "M";
    record_.Dosage = 2;
    record_.PurchaseDate = "01/15/2024";
    record_.ExpirationDate = records::kEmptyDate;
    record_.InventoryAmount = record_.AmountPurchased = 100;
    record_.DrugCost = records::Currency{500'000};
  }
  DrugBuilder& name(const std::string& s) { return set(&DrugRecord::DrugName, s); }
  // Type and unit letters, and the standard dosage.
  DrugBuilder& kind(const std::string& type, const std::string& unit, float dosage) {
    record_.DrugType = type;
    record_.DrugUnit = unit;
    record_.Dosage = dosage;
    return *this;
  }
  DrugBuilder& onHand(float amount) { return set(&DrugRecord::InventoryAmount, amount); }
  // What was bought: the amount and the cost in dollars.
  DrugBuilder& bought(float amount, double cost) {
    record_.AmountPurchased = amount;
    record_.DrugCost = records::Currency::fromDouble(cost);
    return *this;
  }
};

// A dose of a drug given to a sow on 03/01/2024.
class MedicationBuilder : public RecordBuilder<MedicationRecord, MedicationBuilder> {
 public:
  MedicationBuilder(const std::string& code, float dosage) {
    record_.SowId = "S1";
    record_.DrugCode = code;
    record_.Dosage = dosage;
    record_.DrugUnit = "M";
    record_.DateUsed = "03/01/2024";
  }
  // Given to another sow, boar, group or batch: that ID field set, the sow's
  // cleared.
  MedicationBuilder& to(std::string MedicationRecord::*field, const std::string& id) {
    record_.SowId.clear();
    return set(field, id);
  }
};

// A nursery feed batch of FEED<yyyy>.DAT, reserved under its number: no
// group, no date, no rows, zero totals.
class FeedBatchBuilder : public RecordBuilder<FeedBatchRecord, FeedBatchBuilder> {
 public:
  explicit FeedBatchBuilder(const std::string& number) {
    record_.FeedType = "N";
    record_.BatchNumber = number;
    record_.DateGround = records::kEmptyDate;
  }
  FeedBatchBuilder& type(const std::string& letter) { return set(&FeedBatchRecord::FeedType, letter); }
  FeedBatchBuilder& group(const std::string& id) { return set(&FeedBatchRecord::GroupId, id); }
  FeedBatchBuilder& ground(const std::string& date) { return set(&FeedBatchRecord::DateGround, date); }
  // Row k (0..7): an ingredient and its pounds; the total pounds follow.
  FeedBatchBuilder& row(int k, const std::string& code, int32_t pounds) {
    FeedBatchRecord::Row& r = record_.Ingredients[static_cast<size_t>(k)];
    record_.TotalPounds += pounds - r.Amount;
    r = {code, pounds};
    return *this;
  }
  FeedBatchBuilder& cost(double dollars) {
    record_.TotalCost = records::Currency::fromDouble(dollars);
    return *this;
  }
};

inline SowBuilder aSow(const std::string& id) { return SowBuilder(id); }
inline BoarBuilder aBoar(const std::string& id) { return BoarBuilder(id); }
inline LitterBuilder aLitter() { return LitterBuilder(); }
inline UserBuilder aUser(const std::string& logonId) { return UserBuilder(logonId); }
inline GroupBuilder aGroup(const std::string& stage, const std::string& id, int16_t subGroup = 0) {
  return GroupBuilder(stage, id, subGroup);
}
inline SaleBuilder aSale(const std::string& kind, const std::string& id, int16_t subGroup = 0) {
  return SaleBuilder(kind, id, subGroup);
}
inline IngredientBuilder anIngredient(const std::string& code) { return IngredientBuilder(code); }
inline DrugBuilder aDrug(const std::string& code) { return DrugBuilder(code); }
inline MedicationBuilder aDose(const std::string& code, float dosage) { return MedicationBuilder(code, dosage); }
inline FeedBatchBuilder aBatch(const std::string& number) { return FeedBatchBuilder(number); }

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

// Hands each of `recs`, as stored, with its record number to `take(n,
// bytes)`, in record order, as a run over their file in blocks does.
template <class R, class Take>
void eachStored(const std::vector<R>& recs, Take take) {
  const records::FileImage<R> image = records::FileImage<R>::of(recs);
  for (long n = 1; n <= image.count(); ++n) take(n, image.bytes(n));
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
