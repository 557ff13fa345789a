#include "feed/FeedBatchList.h"

#include <array>
#include <cmath>

#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "medication/MedicationFiles.h"
#include "records/Nearest.h"

namespace {

constexpr int kLineWidth = kBatchLineWidth;

// Where the fields of a batch lie: the list and the printout read them
// straight from the stored bytes.
const records::FieldPlace kGroup = records::placeOf(&FeedBatchRecord::GroupId);
const records::FieldPlace kDate = records::placeOf(&FeedBatchRecord::DateGround);
const records::FieldPlace kPounds = records::placeOf(&FeedBatchRecord::TotalPounds);
const records::FieldPlace kCost = records::placeOf(&FeedBatchRecord::TotalCost);

// A listed batch as the list and the printout read it: its stored bytes,
// its number without trailing blanks, and what its medication adds (none
// for a number without the "M" mark).
struct Listed {
  const uint8_t* bytes;
  std::string_view number;
  const BatchMedication* med;
};

// A line with the number and group of a batch: the list puts the group at
// column 13 and the date at 19, the printout at 12 and 18.
FixedLine batchLine(const Listed& batch, int groupCol) {
  FixedLine line(kLineWidth);
  line.putRight(2, batch.number, 6).putRight(groupCol, RTrimmed(kGroup.text(batch.bytes)), 3);
  line.putRight(groupCol + 6, kDate.text(batch.bytes), 10);
  return line;
}

// `pounds` plus a medication's pounds, rounded (a half to the even number);
// a medication that is no number adds nothing.
int64_t plusMedication(int64_t pounds, double medication) {
  const double sum = static_cast<double>(pounds) + medication;
  return std::isnan(sum) ? pounds : records::NearestWhole<int64_t>(sum);
}

// The list line of one batch with its medication; its pounds and cost, the
// medication's included, into `poundsOut` and `costOut`.
std::string listLine(const Listed& batch, int32_t& poundsOut, float& costOut) {
  int32_t pounds = kPounds.i32(batch.bytes);
  float cost = static_cast<float>(kCost.cur(batch.bytes).value());
  if (batch.med) {
    pounds = records::NearestFit<int32_t>(plusMedication(pounds, batch.med->pounds));
    cost += batch.med->cost;
  }
  const float tons = pounds != 0 ? static_cast<float>(pounds) / 2000.0f : 0.0f;
  const float perPound = cost != 0 && pounds != 0 ? cost / static_cast<float>(pounds) : 0.0f;
  const float perTon = cost != 0 && tons != 0 ? cost / tons : 0.0f;
  poundsOut = pounds;
  costOut = cost;
  FixedLine line = batchLine(batch, 13);
  line.putRight(33, tons, "0.000", 5).putRight(40, pounds, "##,###,##0", 10);
  line.putRight(53, perTon, "0.00", 9).putRight(66, perPound, "0.00", 7);
  return line.putRight(77, cost, "0.00", 10).str();
}

// The printed line of one batch with its medication.
std::string printLine(const Listed& batch) {
  const double pounds = kPounds.i32(batch.bytes) + (batch.med ? batch.med->poundsWide : 0.0);
  const float cost = static_cast<float>(kCost.cur(batch.bytes).value()) + (batch.med ? batch.med->cost : 0.0f);
  const float perTon = pounds != 0 ? cost / static_cast<float>(pounds / 2000.0) : 0.0f;
  const float perPound = pounds != 0 ? cost / static_cast<float>(pounds) : 0.0f;
  FixedLine line = batchLine(batch, 12);
  line.putRight(33, pounds / 2000.0, "##0.000", 5).putRight(40, pounds, "##,###,##0", 10);
  line.putRight(53, perTon, "0.00", 9).putRight(66, perPound, "0.00", 7);
  return line.putRight(77, cost, "0.00", 10).str();
}

// Runs `each` over the stored batches of type `letter`, in record order,
// with their record numbers.
template <class F>
void eachBatch(const FeedBatchFile& batches, const std::string& letter, const BatchMedications& meds, F each) {
  const long count = batches.count();
  for (long n = 1; n <= count; ++n) {
    const uint8_t* b = batches.bytes(n);
    const std::string_view number = ListedBatchNumber(b, letter);
    if (number.empty()) continue;
    const bool medicated = IsMedicatedNumber(number);
    const BatchMedication med = medicated ? meds.Of(number) : BatchMedication{};
    each(n, Listed{b, number, medicated ? &med : nullptr});
  }
}

}  // namespace

BatchTotals WriteBatchRows(platform::ListItems& rows, const FeedBatchFile& batches, const std::string& letter,
                           const BatchMedications& meds) {
  BatchTotals totals;
  eachBatch(batches, letter, meds, [&](long n, const Listed& batch) {
    int32_t pounds = 0;
    float cost = 0;
    rows.add(listLine(batch, pounds, cost), n);
    ++totals.batches;
    totals.totalPounds += pounds;
    totals.totalCost += cost;
  });
  return totals;
}

GrandTotals GrandTotalsOf(const BatchTotals& list) {
  if (list.batches == 0) return {};
  const int32_t pounds = records::NearestFit<int32_t>(list.totalPounds);
  return {Format(pounds / 2000.0, "#,##0.00"), Format(pounds, "###,###,##0"),
          Format(list.totalCost, "0.00")};
}

BatchReport BatchReportOf(const FeedBatchFile& batches, const std::string& letter, const BatchMedications& meds) {
  BatchReport r;
  eachBatch(batches, letter, meds, [&](long, const Listed& batch) {
    const BatchMedication med = batch.med ? *batch.med : BatchMedication{};
    const float cost = static_cast<float>(kCost.cur(batch.bytes).value());
    r.medicationPounds += med.poundsWide;
    r.medicationCost += med.cost;
    r.totalPounds = records::Plus64(r.totalPounds, kPounds.i32(batch.bytes));
    if (batch.med) r.totalPounds = plusMedication(r.totalPounds, med.poundsWide);
    r.totalCost = r.totalCost + cost + med.cost;
    r.lines.push_back(printLine(batch));
    ++r.batches;
  });
  return r;
}

std::vector<std::string> BatchSummaryLines(const BatchReport& r, const std::string& today) {
  const int16_t batches = records::NearestFit<int16_t>(r.batches);
  const int32_t totalPounds = records::NearestFit<int32_t>(r.totalPounds);
  const double count = batches;
  const double tons = totalPounds / 2000.0;
  const bool pounds = totalPounds != 0;
  const std::array<std::pair<const char*, std::string>, 11> figures = {{
      {"TOTAL BATCH(s). -------------------------------> ", Format(batches, "####0")},
      {"TOTAL FEED in TON(s). -------------------------> ", Format(tons, "#,##0.00")},
      {"TOTAL FEED in POUND(s). -----------------------> ", Format(static_cast<double>(totalPounds), "###,###,##0.0")},
      {"TOTAL COST. -----------------------------------> ", Format(r.totalCost, "$0.00")},
      {"TOTAL AMOUNT of ADDED MEDICATION in POUND(s). -> ", Format(r.medicationPounds, "##,##0.0")},
      {"TOTAL COST of ADDED MEDICATION. ---------------> ", Format(r.medicationCost, "$0.00")},
      {"Average TON of FEED per BATCH. ----------------> ", Format(count != 0 ? tons / count : 0.0, "####0.0")},
      {"Average POUNDs of FEED per BATCH. -------------> ",
       Format(count != 0 ? totalPounds / count : 0.0, "#,###,##0.0")},
      {"Average COST per BATCH. -----------------------> ",
       Format(batches != 0 ? r.totalCost / static_cast<float>(batches) : 0.0f, "$0.00")},
      {"Average COST per TON of FEED. -----------------> ", Format(pounds ? r.totalCost / tons : 0.0, "$0.00")},
      {"Average COST per POUND of FEED. ---------------> ",
       Format(pounds ? r.totalCost / static_cast<double>(totalPounds) : 0.0, "$0.00")},
  }};
  std::vector<std::string> lines(25, std::string(79, ' '));
  for (size_t k = 0; k < figures.size(); ++k) lines[2 * k] = figures[k].first + figures[k].second;
  std::string date = today;
  for (char& c : date)
    if (c == '/') c = '-';
  lines[23] = "This SUMMARY was printed on " + date;
  return lines;
}

std::string BatchReportTitle(int choice, const std::string& year) {
  // The finisher's title is spelt as the main menu's caption spells it.
  const std::string word = choice == 2 ? "FINSHER" : FeedTypeWord(choice);
  return word + "  FEED  RECORD  for ( " + year + " )";
}

bool PrintBatchReport(FileFault* fault) {
  FeedBatchFile batches;
  MedicationFile meds;
  if (!ReadFeedBatchFile(batches, fault) || !ReadMedFile(meds, fault)) return false;
  const BatchReport report = BatchReportOf(batches, FeedTypeLetter(FeedMenuChoice), BatchMedications(meds));
  const std::string title = BatchReportTitle(FeedMenuChoice, FeedYear);
  PrintCourierListing(title, " BATCH    GROUP                 ----- FEED -----          - PRICE PER -",
                      " NUMBER    ID.      DATE        TONS       POUNDS        TON       POUND    TOTAL COST",
                      report.lines, {.endBanner = false});
  const int at = title.size() < 80 ? static_cast<int>(80 - title.size()) / 2 : 1;
  PrintCourierListing("S  U  M  M  A  R  Y", FixedLine(80).put(at > 0 ? at : 1, title, 80).str(), std::string(80, ' '),
                      BatchSummaryLines(report, DateText), {.fontSize = 13, .layout = 1, .endBanner = false});
  return true;
}
