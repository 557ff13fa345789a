#include "feed/FeedConversion.h"

#include "common/FileProcs.h"
#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "common/PrintSheet.h"
#include "platform/Refusal.h"
#include "records/Nearest.h"

namespace {

constexpr int kHeadingWidth = 80;

bool IsFeedFault(YearFileFault fault) {
  return fault == YearFileFault::FeedMissing || fault == YearFileFault::FeedEmpty;
}

// Reads the year file `name` of the data folder whole; the problem when it
// is missing, cannot be read or holds no record.
template <class R>
std::optional<YearFileProblem> ReadYearFile(records::FileImage<R>& image, const std::string& name,
                                            const std::string& year, YearFileFault missing, YearFileFault empty) {
  const std::string path = DataFolder + name;
  std::string error;
  if (!FileExists(path)) return YearFileProblem{missing, year, {}};
  if (!image.read(path, &error)) return YearFileProblem{YearFileFault::Unreadable, year, {path, error}};
  if (image.count() == 0) return YearFileProblem{empty, year, {}};
  return std::nullopt;
}

}  // namespace

std::string CostPerUnitText(double cost, int32_t units) {
  if (!(cost > 0) || units == 0) return "0.00";
  return Format(cost / static_cast<double>(units), "###0.00");
}

std::string CostPerCwtText(double cost, int32_t weight) {
  if (weight == 0 || !(cost > 0)) return "0.00";
  const float hundredweights = static_cast<float>(static_cast<double>(weight) / 100.0);
  if (hundredweights == 0) return "0.00";
  return Format(cost / static_cast<double>(hundredweights), "####0.00");
}

std::string FeedRatioText(int32_t numerator, int32_t denominator) {
  if (numerator == 0 || denominator == 0) return "0.00";
  return Format(static_cast<double>(numerator) / static_cast<double>(denominator), "####0.00");
}

std::string FeedRatioIntText(int32_t numerator, int32_t denominator) {
  if (numerator == 0 || denominator == 0) return "0";
  return Format(static_cast<double>(numerator) / static_cast<double>(denominator), "####0");
}

long long FigureWhole(const std::string& text) { return RoundHalfEven(Val(text)); }

float FigureSingle(const std::string& text) { return static_cast<float>(Val(text)); }

double CurrencyOf(double cost) { return records::Currency::fromDouble(cost).value(); }

std::string GroupIdYear(const std::string& groupId) {
  const std::string id = Trim(groupId);
  const int yy = records::NearestWhole<int16_t>(Val(id.size() >= 2 ? id.substr(id.size() - 2) : id));
  return (yy >= 90 && yy <= 99 ? "19" : "20") + Format(yy, "00");
}

std::string YearFileFaultLine(const YearFileProblem& problem) {
  const std::string file = (IsFeedFault(problem.fault) ? FeedFileName(problem.year) : MedFileName(problem.year));
  switch (problem.fault) {
    case YearFileFault::FeedMissing:
    case YearFileFault::MedMissing: return file + " FILE DOESN'T EXIST!";
    case YearFileFault::FeedEmpty:
    case YearFileFault::MedEmpty: return "FILE: " + file + " IS EMPTY!";
    default: return "";
  }
}

std::string YearFileFaultTitle(const YearFileProblem& problem) {
  return IsFeedFault(problem.fault) ? "FEED  FILE  ERROR" : "MEDICATION  FILE  ERROR";
}

std::string YearFileFaultText(const YearFileProblem& problem, const std::string& lastLine) {
  return YearFileFaultLine(problem) + "\r\rCan't do feed conversion!\r" + lastLine;
}

void ReportYearFileProblem(const YearFileProblem& problem, const std::string& lastLine, const std::string& title) {
  if (problem.fault == YearFileFault::Unreadable) return ReportFileFault(problem.unreadable, false, title);
  Alert(YearFileFaultText(problem, lastLine), platform::vbExclamation | platform::vbOKOnly, YearFileFaultTitle(problem));
}

FeedYearFiles::FeedYearFiles(std::string year) : year_(std::move(year)) {
  batchProblem_ = ReadYearFile(batches_, FeedFileName(year_), year_, YearFileFault::FeedMissing, YearFileFault::FeedEmpty);
}

std::optional<YearFileProblem> FeedYearFiles::needMeds() {
  if (medsRead_) return medProblem_;
  medsRead_ = true;
  MedicationFile meds;
  medProblem_ = ReadYearFile(meds, MedFileName(year_), year_, YearFileFault::MedMissing, YearFileFault::MedEmpty);
  if (!medProblem_) meds_ = BatchMedications(meds);
  return medProblem_;
}

std::optional<YearFileProblem> FeedYearFiles::Sum(const std::string& letter, const std::string* group, FeedSum& sum) {
  if (batchProblem_) return batchProblem_;
  if (letter.size() != 1) return std::nullopt;
  // Each batch's fields are read where they lie in its stored bytes.
  static const records::FieldPlace kGroup = records::placeOf(&FeedBatchRecord::GroupId);
  static const records::FieldPlace kNumber = records::placeOf(&FeedBatchRecord::BatchNumber);
  static const records::FieldPlace kPounds = records::placeOf(&FeedBatchRecord::TotalPounds);
  static const records::FieldPlace kCost = records::placeOf(&FeedBatchRecord::TotalCost);
  for (long n = 1; n <= batches_.count(); ++n) {
    const uint8_t* bytes = batches_.bytes(n);
    if (static_cast<char>(bytes[0]) != letter[0]) continue;
    if (group && Trimmed(kGroup.text(bytes)) != *group) continue;
    sum.pounds += kPounds.i32(bytes);
    sum.cost += static_cast<float>(kCost.cur(bytes).value());
    const std::string_view number = RTrimmed(kNumber.text(bytes));
    if (number.empty() || number[0] != 'M') continue;
    if (std::optional<YearFileProblem> problem = needMeds()) return problem;
    const BatchMedication med = meds_.Of(number);
    sum.pounds += med.wholePounds;
    sum.cost += med.cost;
  }
  return std::nullopt;
}

FeedYearFiles& FeedYearBook::Of(const std::string& year) {
  std::unique_ptr<FeedYearFiles>& files = years_[year];
  if (!files) files = std::make_unique<FeedYearFiles>(year);
  return *files;
}

std::string CentredHeading(const std::string& heading) {
  const int length = static_cast<int>(heading.size());
  const int column = length < kHeadingWidth ? (kHeadingWidth - length) / 2 : 1;
  return FixedLine(kHeadingWidth).put(column < 1 ? 1 : column, heading, length).str();
}

std::string SummaryPrintedLine(const std::string& today) {
  std::string date = today;
  for (char& c : date)
    if (c == '/') c = '-';
  return PrintedOnLine("SUMMARY", date);
}

void PrintFeedSummary(const std::string& heading1, const std::vector<std::string>& lines) {
  PrintCourierListing("S  U  M  M  A  R  Y", heading1, "", lines, {.fontSize = 13, .layout = 1, .endBanner = false});
}
