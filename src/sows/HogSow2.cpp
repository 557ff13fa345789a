#include "sows/HogSow2.h"

#include "sows/SowFiles.h"

const NewAnimalKind kNewSow = {"HogSow2", "Sow", "N E W     S O W     R E C O R D", "&CLEAR   FIELDS",
                               "SOW ENTRY ERROR", /*birthDateFirst=*/true, /*keepsHerdFields=*/true};

Check CheckNewSowSlot(const records::NewAnimalSlot& slot) { return CheckNewAnimalId(slot, kNewSow); }

SowRecord NewSowRecord(const NewSowEntry& e) {
  SowRecord r;
  FillNewAnimal(e, r);
  r.DateBred = records::kEmptyDate;
  r.DateDue = records::kEmptyDate;
  r.BoarId = std::string(8, ' ');
  r.ParityCount = 0;
  r.FarrowRecNo = {};
  r.NoteLine = NotePad{};
  return r;
}

SowHistoryRecord NewSowHistory(const NewSowEntry& e) {
  SowHistoryRecord h;
  FillAnimalHistory(NewSowRecord(e), h);
  h.DateBred = h.DateDue = records::kEmptyDate;
  return h;
}

HogSow2::HogSow2(QWidget* parent) : NewAnimalForm(kNewSow, NewSowRecord, parent) {}

NewAnimalForm::LastAnimal HogSow2::Last() const {
  return {SowHistory.Breed, SowHistory.Location, SowHistory.PurchasePrice};
}

bool HogSow2::Admit(const NewAnimalEntry& e, const NewAnimalPlace& place) {
  if (Refuse(CheckNewSowSlot(place.slot))) return false;
  SowHistory = NewSowHistory(e);
  if (SowFileHasRoom(place.slot.record)) return true;
  ReportSowFileFull();
  return false;
}
