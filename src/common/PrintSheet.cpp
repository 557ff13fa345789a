#include "common/PrintSheet.h"

#include <algorithm>

#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "platform/Services.h"

namespace {

platform::Printer& printer() { return platform::services().printer(); }

long long whole(double twips) { return RoundHalfEven(twips); }

}  // namespace

void SetSheetJob(const std::string& title, int fontSize) {
  PrintJob.Title = title;
  PrintJob.Heading1 = PrintJob.Heading2 = "";
  PrintJob.TitleFontName = PrintJob.HeadFontName = PrintJob.BodyFontName = "Courier New";
  PrintJob.TitleFontSize = 26;
  PrintJob.HeadFontSize = PrintJob.BodyFontSize = static_cast<int16_t>(fontSize);
  PrintJob.TitleItalic = PrintJob.HeadItalic = PrintJob.BodyItalic = 0;
  PrintJob.TitleBold = PrintJob.HeadBold = PrintJob.BodyBold = -1;
  PrintJob.Layout = 0;
  PrintJob.TitleRule = -1;
  PrintJob.Orientation = 1;
  PrintJob.PaperBin = 1;
}

std::string Labelled(std::string_view label, std::string_view value) {
  std::string line;
  line.reserve(label.size() + value.size());
  return line.append(label).append(value);
}

std::string PrintedOnLine(const std::string& what, const std::string& date) {
  return "This " + what + " was printed on " + date;
}

PrintSheet::PrintSheet(const std::string& fontName, int fontSize) {
  StartPrintPage();
  printer().setFontName(fontName);
  printer().setFontSize(fontSize);
}

void PrintSheet::SetRows(double lead, long long shift, const std::string& sample) {
  pitch_ = whole(printer().textHeight(sample) + lead);
  origin_ = whole(printer().currentY()) + shift;
}

void PrintSheet::Row(int n, const std::string& text) { PrintAt(0, static_cast<double>(RowY(n)), text); }

void PrintSheet::Rows(const std::vector<std::string>& lines, int first) {
  for (size_t k = 0; k < lines.size(); ++k) Row(first + static_cast<int>(k), lines[k]);
}

void PrintSheet::CentredRow(int n, const std::string& text) { PrintCentred(static_cast<double>(RowY(n)), text); }

void PrintSheet::RuledHeading(const std::string& text, int ruleDrop, int textDrop, double ruleEnd) {
  platform::Printer& p = printer();
  const long long y = whole(p.currentY());
  const long long w = whole(p.textWidth(text));
  const long long x = whole((p.scaleWidth() - static_cast<double>(w)) / 2);
  const double ruleY = static_cast<double>(y + ruleDrop);
  p.line(0, ruleY, static_cast<double>(x), ruleY);
  p.line(static_cast<double>(x + w), ruleY, std::min(ruleEnd, p.scaleWidth()), ruleY);
  PrintAt(static_cast<double>(x), static_cast<double>(y + textDrop), text);
}

bool PrintSheet::End() {
  printer().newPage();
  return EndPrintDocument();
}

void PrintHistorySheet(const std::string& title, const HistorySheetLayout& layout,
                       const std::vector<std::string>& lines, const std::vector<std::string>& notes) {
  SetSheetJob(title, layout.fontSize);
  PrintSheet sheet("Courier New", layout.fontSize);
  sheet.SetRows(layout.lead, -layout.lead);
  sheet.Rows(lines);
  sheet.RuledHeading(" *** N O T E   P A D *** ", layout.ruleDrop, layout.textDrop);
  sheet.SetRows(layout.lead, -150);
  sheet.Rows(notes, 1);
  sheet.End();
}

std::string SummaryBlankLine() { return std::string(79, ' '); }
