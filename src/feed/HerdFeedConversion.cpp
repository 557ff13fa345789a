#include "feed/HerdFeedConversion.h"

#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/PrintSheet.h"
#include "common/TypedNumber.h"
#include "groups/SalesTotals.h"
#include "records/Nearest.h"

HerdInputTable HerdFeedInputs;

namespace {

const char kTitle[] = "HERD   FEED   CONVERSION";
const char kInvalid[] = "INVALID ENTRY!!\r";
constexpr const char* kFeedTypes[] = {"N", "G", "F", "L", "E"};
constexpr int kDateLeftHerdAt = 70;

// The breeding herd weights are rounded to 32-bit whole pounds; the feeder
// pig weight is taken as typed, within the same range.
const NumberField kEndWeightNumber = LongField("The ENDING BREEDING HERD WT");
const NumberField kBeginWeightNumber = LongField("The BEGINING BREEDING HERD WT");
const NumberField kFeederWeightNumber{"The STARTING FEEDER PIG WT", 0, LongField("").most, NumberType::Double};

// How each figure is read back, shown and printed.
enum class Read { Whole, Single };
struct HerdFigure {
  Read read;
  const char* shown;
  const char* printLabel;
  const char* printed;
};
constexpr HerdFigure kFigures[14] = {
    {Read::Whole, "", "", ""},
    {Read::Whole, "####0", "TOTAL NUMBER of MARKET Hog(s) Sold. ------------->", "####0"},
    {Read::Whole, "####0", "TOTAL NUMBER of FEEDER Pig(s) Sold. ------------->", "####0"},
    {Read::Whole, "######0", "TOTAL MARKET WEIGHT Sold. ----------------------->", "######0"},
    {Read::Whole, "######0", "TOTAL FEEDER WEIGHT Sold. ----------------------->", "######0"},
    {Read::Whole, "######0", "AVERAGE MARKET WEIGHT Sold. --------------------->", "######0"},
    {Read::Whole, "######0", "AVERAGE FEEDER WEIGHT Sold. --------------------->", "######0"},
    {Read::Whole, "######0", "TOTAL POUNDS of PORK. --------------------------->", "######0"},
    {Read::Whole, "#######0", "POUND(s) of FEED USED. -------------------------->", "#######0"},
    {Read::Single, "0.00", "AVERAGE PRICE per POUND of FEED. ---------------->", "$0.00"},
    {Read::Single, "0.00", "TOTAL FEED COST. -------------------------------->", "$0.00"},
    {Read::Single, "0.00", "FEED COST per C.T.W. of PORK. ------------------->", "$0.00"},
    {Read::Whole, "###0", "FEED per PIG in POUND(s). ----------------------->", "###0"},
    {Read::Single, "#0.00", "FEED EFFICIENCY. -------------------------------->", "#0.00"},
};

std::string Reformatted(const std::string& text, Read read, const char* mask) {
  return read == Read::Whole ? Format(FigureWhole(text), mask) : Format(FigureSingle(text), mask);
}

int32_t Whole(double value) { return records::NearestWhole<int32_t>(value); }

// The average weight of a head sold: whole pounds over the head, in whole
// pounds; 0 with no head or no weight.
int32_t AverageWeight(float weight, int32_t head) {
  const int32_t pounds = Whole(weight);
  return head == 0 || pounds == 0 ? 0 : records::NearestFit<int32_t>(int64_t{pounds} / head);
}

// An active animal's stored bytes: an ID and no date left herd.
template <class R>
bool isActiveAnimal(const uint8_t* record) {
  const char* p = reinterpret_cast<const char*>(record);
  return !RTrim(std::string(p + R::IdAt, R::IdWidth)).empty() &&
         RTrim(std::string(p + kDateLeftHerdAt, 10)) == records::kEmptyDate;
}

}  // namespace

Check CheckHerdFeedEntry(const HerdFeedEntry& e) {
  if (e.year.size() != 4)
    return Refusal{std::string(kInvalid) + "You MUST supply a four(4) diget YEAR!", kTitle, platform::vbExclamation,
                   kReportYearField};
  if (RTrim(e.endWeight).empty())
    return Refusal{std::string(kInvalid) + "You MUST supply a ENDING BREEDING\rHERD WEIGHT!", kTitle,
                   platform::vbExclamation, kEndWeightField};
  if (Check refusal = CheckTypedNumber(e.endWeight, kEndWeightNumber, kTitle, kEndWeightField)) return refusal;
  if (RTrim(e.beginWeight).empty())
    return Refusal{std::string(kInvalid) + "You MUST supply a BEGINING BREEDING\rHERD WEIGHT!", kTitle,
                   platform::vbExclamation, kBeginWeightField};
  if (Check refusal = CheckTypedNumber(e.beginWeight, kBeginWeightNumber, kTitle, kBeginWeightField)) return refusal;
  return CheckTypedNumber(e.feederWeight, kFeederWeightNumber, kTitle, kFeederWeightField);
}

HerdInputTable HerdInputsOf(const HerdFeedEntry& e) {
  return {"", RTrim(e.year), RTrim(e.endWeight), RTrim(e.beginWeight), RTrim(e.feederWeight)};
}

std::optional<YearFileProblem> HerdFeedOfYear(FeedYearFiles& files, int64_t& feed, float& cost) {
  for (const char* letter : kFeedTypes) {
    FeedSum sum;
    if (std::optional<YearFileProblem> problem = files.Sum(letter, nullptr, sum)) return problem;
    feed += sum.pounds;
    cost = static_cast<float>(CurrencyOf(static_cast<double>(cost) + static_cast<double>(sum.cost)));
  }
  return std::nullopt;
}

std::optional<int32_t> ReadBreedingHerdCount(FileFault* fault) {
  int32_t count = 0;
  records::RecordScan<BoarRecord> boars;
  const auto boar = [&count](long, const uint8_t* record) { count += isActiveAnimal<BoarRecord>(record); };
  records::FileImage<SowRecord> sows;
  if (!ScanFile(boars, boar, fault) || !ReadImage(sows, fault)) return std::nullopt;
  for (long n = 1; n <= sows.count(); ++n) count += isActiveAnimal<SowRecord>(sows.bytes(n));
  return count;
}

HerdRun GatherHerdTotals(const std::string& year) {
  HerdRun run;
  FileFault fault;
  // Each file is let go before the next is read.
  {
    records::FileImage<SalesRecord> sales;
    if (!ReadImage(sales, &fault)) return run.fault = fault, run;
    const SalesTotal market = SalesTotals(sales, year, "M");
    const SalesTotal feeder = SalesTotals(sales, year, "F");
    run.totals.marketHead = market.head;
    run.totals.marketWeight = market.weight;
    run.totals.feederHead = feeder.head;
    run.totals.feederWeight = feeder.weight;
  }
  {
    FeedYearFiles files(year);
    if ((run.problem = HerdFeedOfYear(files, run.totals.feed, run.totals.cost))) return run;
  }
  const std::optional<int32_t> breedingHead = ReadBreedingHerdCount(&fault);
  if (!breedingHead) return run.fault = fault, run;
  run.totals.breedingHead = *breedingHead;
  return run;
}

HerdFigureTexts HerdFeedFigures(const HerdTotals& t, const HerdFeedEntry& e) {
  const int64_t herdGain =
      int64_t{Whole(TypedValue(e.endWeight, kEndWeightNumber))} - Whole(TypedValue(e.beginWeight, kBeginWeightNumber));
  const int32_t pigs = records::NearestFit<int32_t>(int64_t{t.marketHead} + t.feederHead + t.breedingHead);
  const int32_t pork = Whole(static_cast<double>(t.marketWeight + t.feederWeight) -
                             TypedValue(e.feederWeight, kFeederWeightNumber) + static_cast<double>(herdGain));
  const int32_t feed = records::NearestFit<int32_t>(t.feed);
  const double cost = CurrencyOf(t.cost);
  HerdFigureTexts f;
  f[1] = Format(t.marketHead, "#####0");
  f[2] = Format(t.feederHead, "#####0");
  f[3] = Format(t.marketWeight, "0.0");
  f[4] = Format(t.feederWeight, "0.0");
  f[5] = Format(AverageWeight(t.marketWeight, t.marketHead), "#####0");
  f[6] = Format(AverageWeight(t.feederWeight, t.feederHead), "#####0");
  f[7] = Format(pork, "#####0");
  f[8] = Format(feed, "#####0");
  f[9] = CostPerUnitText(cost, feed);
  f[10] = Format(t.cost, "0.00");
  f[11] = CostPerCwtText(cost, pork);
  f[12] = FeedRatioIntText(feed, pigs);
  f[13] = FeedRatioText(feed, pork);
  return f;
}

HerdFigureTexts ShownHerdFigures(const HerdFigureTexts& figures) {
  HerdFigureTexts shown;
  for (size_t k = 1; k < shown.size(); ++k) shown[k] = Reformatted(figures[k], kFigures[k].read, kFigures[k].shown);
  return shown;
}

std::vector<std::string> HerdSummaryLines(const HerdFigureTexts& figures, const std::string& today) {
  std::vector<std::string> lines(30, SummaryBlankLine());
  for (size_t k = 1; k < figures.size(); ++k)
    lines[2 * k - 2] = kFigures[k].printLabel + Reformatted(figures[k], kFigures[k].read, kFigures[k].printed);
  lines[27] = SummaryPrintedLine(today);
  return lines;
}

void PrintHerdFeedSummary(const std::string& year, const HerdFigureTexts& figures) {
  PrintFeedSummary(CentredHeading("HERD FEED CONVERSION for " + year), HerdSummaryLines(figures, DateText));
}
