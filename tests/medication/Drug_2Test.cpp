// The drug entry window headless: new drugs into the first free record then
// after the last, the checks' boxes and focus through the window, editing a
// selection with NEXT and BACK, and the Enter chain.
#include <QApplication>
#include <QKeyEvent>
#include <cmath>

#include "common/NumberText.h"
#include "medication/DrugFixture.h"
#include "medication/Drug_2.h"
#include "support/FigureSessions.h"
#include "support/RecordBytes.h"

namespace {

void fill(Drug_2& w, const std::string& name, const std::string& code) {
  w.DName->SetText(name);
  w.DCode->SetText(code);
  w.Dosage->SetText("2");
  w.DrugCost->SetText("50");
  w.InvAmt->SetText("100");
  w.PurAmt->SetText("100");
}

std::vector<std::string> shownCodes(const std::vector<DrugRecord>& drugs) {
  std::vector<std::string> codes;
  for (const DrugRecord& d : drugs) codes.push_back(RTrim(d.DrugCode));
  return codes;
}

}  // namespace

class Drug_2Test : public DrugTest {};

TEST_F(Drug_2Test, NewDrugsTakeTheFreeRecordThenGoAfterTheLast) {
  writeDrugs({aDrug("A"), aDrug(""), aDrug("C"), aDrug("D")});
  tp.windows.on("Drug_2", as<Drug_2>([this](Drug_2& w) {
    EXPECT_EQ(w.Caption(), "N E W    D R U G");
    EXPECT_EQ(w.PurDate->Text(), "06/01/2024");
    EXPECT_EQ(w.ExpirDate->Text(), "__/__/____");
    EXPECT_TRUE(w.DType[0]->Value() && !w.DNext->isEnabled() && !w.DBack->isEnabled());
    fill(w, "FIRST", "N1");
    w.PurDate->SetText("");
    w.DAccept->Press();  // the purchase date is required: the date check's own box
    EXPECT_EQ(tp.dialogs.last().title, "INVALIED  DATE  ENTRY");
    EXPECT_EQ(w.focusWidget(), w.PurDate);
    w.PurDate->SetText("05/01/2024");
    w.Dosage->SetText("");
    w.DAccept->Press();
    EXPECT_EQ(tp.dialogs.last().text.substr(0, 15), "NO DRUG DOSAGE!");
    EXPECT_EQ(w.focusWidget(), w.DCode);  // not the dosage box
    w.Dosage->SetText("2");
    w.DType[2]->click();
    EXPECT_EQ(w.DUnit->Caption(), "Oz / Gal");
    w.DAccept->Press();
    EXPECT_EQ(w.DName->Text(), "");  // cleared for the next drug
    EXPECT_EQ(w.focusWidget(), w.DName);
    fill(w, "SECOND", "N2");
    w.DAccept->Press();
    fill(w, "THIRD", "N1");
    w.DAccept->Press();
    EXPECT_EQ(tp.dialogs.last().text, "DUPLICATE CODE!\r\rYou can't use the same code!");
    w.DExit->Press();
  }));
  OpenDrugEntry("NEW");
  EXPECT_EQ(tp.dialogs.shown.size(), 3u);
  const std::vector<DrugRecord> stored = drugs();
  EXPECT_EQ(shownCodes(stored), (std::vector<std::string>{"A", "N1", "C", "D", "N2"}));
  EXPECT_EQ(stored[1].DrugType + stored[1].DrugUnit, "WO");
  EXPECT_EQ(stored[1].PurchaseDate + stored[1].ExpirationDate, "05/01/2024__/__/____");
}

TEST_F(Drug_2Test, EditStepsThroughTheSelectionAndRewritesInPlace) {
  writeDrugs({aDrug("A").kind("F", "L", 1.5f).bought(40, 100), aDrug("B"), aDrug("C")});
  SelectedDrugRecs = {0, 3, 1, 2};
  SelectedCount = 3;
  tp.windows.on("Drug_2", as<Drug_2>([this](Drug_2& w) {
    EXPECT_EQ(w.Caption(), "E D I T    D R U G");
    EXPECT_EQ(w.DCode->Text(), "C");
    EXPECT_TRUE(w.DNext->isEnabled() && !w.DBack->isEnabled());
    w.DNext->Press();
    EXPECT_EQ(std::vector<std::string>({w.DCode->Text(), w.Dosage->Text(), w.DrugCost->Text(), w.InvAmt->Text(),
                                        w.UCost->Caption(), w.DUnit->Caption()}),
              std::vector<std::string>({"A", "1.5", "100.00", "100.0", "$2.50", "Lb / Ton"}));
    EXPECT_TRUE(w.DNext->isEnabled() && w.DBack->isEnabled());
    EXPECT_EQ(SelectedCount, 2);
    w.DAccept->Press();  // its own code again is no duplicate
    w.DCode->SetText("B");
    w.DAccept->Press();
    EXPECT_EQ(tp.dialogs.last().text, "DUPLICATE CODE!\r\rYou can't use the same code!");
    w.DNext->Press();
    EXPECT_TRUE(!w.DNext->isEnabled() && w.DBack->isEnabled());
    w.DBack->Press();
    EXPECT_EQ(SelectedCount, 2);
    w.DName->SetText("RENAMED");
    w.DCode->SetText("Z");
    w.DAccept->Press();
    w.DAccept->Press();
    w.DExit->Press();
  }));
  OpenDrugEntry("EDIT");
  EXPECT_EQ(tp.dialogs.shown.size(), 1u);
  const std::vector<DrugRecord> stored = drugs();
  EXPECT_EQ(shownCodes(stored), (std::vector<std::string>{"Z", "B", "C"}));
  EXPECT_EQ(RTrim(stored[0].DrugName), "RENAMED");
  EXPECT_EQ(stored[0].DrugCost.raw, 1'000'000);
  EXPECT_EQ(stored[0].DrugType + stored[0].DrugUnit, "FL");
}

TEST_F(Drug_2Test, EnterMovesAlongTheChainAndUpperCasesTheCode) {
  Drug_2 w;
  w.NE_Cont->SetCaption("NEW");
  w.Show();
  w.DrugCost->SetText("100");
  w.PurAmt->SetText("40");
  w.DCode->SetText("pen");
  QWidget* const chain[] = {w.DName,  w.DCode,  w.Dosage, w.PurDate, w.DrugCost, w.ExpirDate, w.InvAmt,
                            w.PurAmt, w.WithDrw, w.LotNum, w.DManf,  w.DNote,    w.DAccept};
  for (size_t i = 0; i + 1 < std::size(chain); ++i) {
    chain[i]->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(chain[i], &enter);
    EXPECT_EQ(w.focusWidget(), chain[i + 1]) << chain[i]->objectName().toStdString();
  }
  EXPECT_EQ(w.DCode->Text(), "PEN");
  EXPECT_EQ(w.UCost->Caption(), "$2.50");
  w.DName->Type("pen v");
  EXPECT_EQ(w.DName->Text(), "Pen V");
}

// A figure with more places than its box's mask, typed, or held as a dose of
// 0.25 leaves the inventory: shown back as stored; one with float noise (three
// doses of 0.1 off a stock of 10) or more than two places past the mask,
// through the mask; each kept byte for byte by an ACCEPT that leaves it and
// by one that changes the name alone.
TEST_F(Drug_2Test, EveryFigureBoxShowsBackWhatItStored) {
  const struct {
    platform::TextBox* Drug_2::*box;
    int at;
    const char* typed;  // nullptr: the drug holds `stored`
    const char* shown;
    std::string stored;  // the bytes of the field
  } cases[] = {{&Drug_2::Dosage, 28, "2.25", "2.25", RecordBytes(4).f32(0, 2.25f).str()},
               {&Drug_2::DrugCost, 74, "1234.567", "1234.567", RecordBytes(8).i64(0, 12'345'670).str()},
               {&Drug_2::PurAmt, 82, "12.125", "12.125", RecordBytes(4).f32(0, 12.125f).str()},
               {&Drug_2::InvAmt, 70, nullptr, "99.75", RecordBytes(4).f32(0, 100.0f - 0.25f).str()},
               {&Drug_2::InvAmt, 70, nullptr, "99.7", RecordBytes(4).f32(0, std::nextafter(99.7f, 100.0f)).str()},
               {&Drug_2::InvAmt, 70, nullptr, "9.7", RecordBytes(4).f32(0, 10.0f - 0.1f - 0.1f - 0.1f).str()},
               {&Drug_2::InvAmt, 70, nullptr, "999.5", RecordBytes(4).f32(0, 999.5302f).str()},
               {&Drug_2::InvAmt, 70, nullptr, "9.6", RecordBytes(4).f32(0, 9.5625f).str()},  // "9.5625" would fit
               {&Drug_2::Dosage, 28, nullptr, "0.0", RecordBytes(4).f32(0, 0.0001f).str()}};
  for (const auto& c : cases) {
    writeDrugs({aDrug("A").kind("V", "M", 2).bought(100, 50).onHand(100)});
    if (!c.typed) {
      std::string bytes = readFile(drugPath());
      writeFile(drugPath(), bytes.replace(static_cast<size_t>(c.at), c.stored.size(), c.stored));
    }
    const FigureSessions r = RunFigureSessions<Drug_2>(
        ScriptedSession<Drug_2>(tp.windows, "Drug_2", SelectedDrugRecs, [] { OpenDrugEntry("EDIT"); },
                                &Drug_2::DAccept, &Drug_2::DExit),
        [&c](Drug_2& w) { return w.*c.box; }, c.typed, [](Drug_2& w) { w.DName->SetText("RENAMED"); }, drugPath(),
        static_cast<size_t>(c.at), c.stored.size());
    EXPECT_EQ(r.shown, c.shown);
    EXPECT_TRUE(r.kept) << c.shown;
    EXPECT_TRUE(r.taken) << c.shown;
    EXPECT_EQ(r.figure, c.stored) << c.shown;
  }
}
