#pragma once
// DRUG.LST and the year's medication file MED<yyyy>.DAT, both in the data
// folder: each action opens the file, reads or writes whole records and
// closes it again. A file that cannot be read or written answers false with
// the FileFault the caller reports (ReportFileFault) with its window's title.
// DRUG.LST, 11.3 MB at record 32,767, is never held whole: every run reads
// it in blocks (ScanDrugFile, DrugsOfCodes, FoundDrugs).
//
// DRUG.LST: a record whose code is blank is free; a new drug takes the first
// free record, else the record after the last; a deleted drug is blanked in
// place (DrugRecord{}). MED<yyyy>.DAT: new medication is always appended; a
// deleted medication is blanked in place and keeps its unit cost. Neither
// file is ever compacted, and no record is written past record 32767.
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/DataFiles.h"
#include "records/DrugRecord.h"
#include "records/MedicationRecord.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"

// DataFolder + MedFile: the medication file of the year in play.
std::string MedFilePath();

// Hands every record of DRUG.LST, with its number, to `visit`, read in
// blocks; `count`, when given, takes the number of records. False, with
// `fault`, when the file cannot be read: the records before the fault were
// visited.
bool ScanDrugFile(const records::RecordScan<DrugRecord>::Visit& visit, FileFault* fault, long* count = nullptr);
// Reads the year's medication file whole; a missing file holds no records.
bool ReadMedFile(records::FileImage<MedicationRecord>& image, FileFault* fault);

// Whether a stored text field of `width` bytes, without its trailing blanks,
// is `text` (exactly, case counts).
bool StoredTextIs(const uint8_t* field, int width, const std::string& text);

// DRUG.LST.
// Whether a stored code marks a free record, and whether a stored code
// without its trailing blanks is `code`.
bool IsFreeDrugCode(const uint8_t* drugBytes);
bool HasDrugCode(const uint8_t* drugBytes, const std::string& code);
// The record a new drug takes, from a run over DRUG.LST: the first free one,
// else count + 1. Nothing, with `fault`, when the file cannot be read.
std::optional<long> FirstFreeDrugRecord(FileFault* fault);
bool WriteDrug(long n, const DrugRecord& drug, FileFault* fault);
// Blanks record n: text blank, dates "__/__/____", figures 0.
bool BlankDrug(long n, FileFault* fault);

// The records of DRUG.LST holding some codes (exact, without their trailing
// blanks), found in one run over the file in blocks: for each code asked
// for, every record holding it, in record order. Only those codes are kept,
// in two sorted arrays: the listing of every drug asks for all of them, and
// must fit a click's memory. A blank code is no code.
class DrugsOfCodes {
 public:
  explicit DrugsOfCodes(std::vector<std::string> codes);
  // Runs over DRUG.LST; `count`, when given, takes its number of records,
  // and `held`, when given, is handed each record holding a code asked for.
  // False, with `fault`, when the file cannot be read.
  bool Read(FileFault* fault, long* count = nullptr, const records::RecordScan<DrugRecord>::Visit& held = {});
  // Every record holding `code`, in record order; none for a code not asked
  // for.
  std::vector<long> Records(std::string_view code) const;
  // The first of them; 0 when there is none.
  long First(std::string_view code) const;
  // The first record holding `code` was blanked: the next one, if any, is
  // now the first.
  void Blanked(std::string_view code);
  // For each of `codes` in turn, every record holding it.
  std::vector<long> RecordsInTurn(const std::vector<std::string>& codes) const;

 private:
  // A record found holding the code at index `code` of codes_.
  struct Found {
    size_t code;
    long record;
  };
  // The index of `code` among codes_; codes_.size() when it is not there.
  size_t indexOf(std::string_view code) const;
  // The records found of the code at `index` of codes_.
  std::span<const Found> foundOf(size_t index) const;
  std::vector<std::string> codes_;  // sorted, each once
  std::vector<Found> found_;        // by code, each code's in record order
};

// The drugs of a few codes (exact, without their trailing blanks), read in
// one run over DRUG.LST for the medication windows: the first record holding
// each code, and the stored bytes of the records found.
class FoundDrugs {
 public:
  explicit FoundDrugs(std::vector<std::string> codes) : records_(std::move(codes)) {}
  // Runs over DRUG.LST; false, with `fault`, when it cannot be read.
  bool Read(FileFault* fault);
  // The first record holding `code`; 0 when none does or it was not asked
  // for.
  long First(std::string_view code) const { return records_.First(code); }
  // The stored bytes of a record First gave.
  const uint8_t* Bytes(long record) const { return stored_.at(record).data(); }

 private:
  DrugsOfCodes records_;
  std::map<long, records::Bytes> stored_;
};

// MED<yyyy>.DAT.
// A medication record blanked: the IDs, code, name, lot, unit and initials
// blank, the dosage 0, the date "__/__/____"; the unit cost kept.
MedicationRecord BlankedMedication(const MedicationRecord& medication);
