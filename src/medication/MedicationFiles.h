#pragma once
// DRUG.LST and the year's medication file MED<yyyy>.DAT, both in the data
// folder: each action opens the file, reads or writes whole records and
// closes it again. A file that cannot be read or written answers false with
// the FileFault the caller reports (ReportFileFault) with its window's title.
//
// DRUG.LST: a record whose code is blank is free; a new drug takes the first
// free record, else the record after the last; a deleted drug is blanked in
// place (DrugRecord{}). MED<yyyy>.DAT: new medication is always appended; a
// deleted medication is blanked in place and keeps its unit cost. Neither
// file is ever compacted, and no record is written past record 32767.
#include <string>

#include "common/DataFiles.h"
#include "records/DrugRecord.h"
#include "records/MedicationRecord.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"

// DataFolder + MedFile: the medication file of the year in play.
std::string MedFilePath();

// Reads a whole file; a missing file holds no records.
template <class R>
bool ReadRecordImage(const std::string& path, records::FileImage<R>& image, FileFault* fault) {
  std::string error;
  if (image.read(path, &error)) return true;
  if (fault) *fault = {path, error};
  return false;
}
bool ReadDrugFile(records::FileImage<DrugRecord>& image, FileFault* fault);
bool ReadMedFile(records::FileImage<MedicationRecord>& image, FileFault* fault);

// Whether a stored text field of `width` bytes, without its trailing blanks,
// is `text` (exactly, case counts).
bool StoredTextIs(const uint8_t* field, int width, const std::string& text);

// DRUG.LST.
// Whether a stored code marks a free record, and whether a stored code
// without its trailing blanks is `code`.
bool IsFreeDrugCode(const uint8_t* drugBytes);
bool HasDrugCode(const uint8_t* drugBytes, const std::string& code);
// The record a new drug takes: the first free one, else count + 1.
long FirstFreeDrugRecord(const records::FileImage<DrugRecord>& drugs);
// The first record holding `code`; 0 when none does.
long FindDrugRecord(const records::FileImage<DrugRecord>& drugs, const std::string& code);
bool WriteDrug(long n, const DrugRecord& drug, FileFault* fault);
// Blanks record n: text blank, dates "__/__/____", figures 0.
bool BlankDrug(long n, FileFault* fault);

// MED<yyyy>.DAT.
// A medication record blanked: the IDs, code, name, lot, unit and initials
// blank, the dosage 0, the date "__/__/____"; the unit cost kept.
MedicationRecord BlankedMedication(const MedicationRecord& medication);
