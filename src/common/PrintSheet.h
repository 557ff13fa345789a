#pragma once
// The one-page sheets (a sow's or a boar's history, a litter, a drug's data
// sheet, the summaries): the title block of StartPrintPage, rows of text at a
// fixed pitch from the text height, a heading between two rules, and the new
// page and end of the document. A sheet of a sow's history:
//
//   SetSheetJob("S O W  I D (" + Trim(SowHistory.Id) + ")  H I S T O R Y", 10);
//   PrintSheet sheet("Courier New", 10);
//   sheet.SetRows(30, -30);                  // pitch: height of "ABCDEM" + 30
//   sheet.Rows(lines);                       // line i at top - 30 + i x pitch
//   sheet.RuledHeading(" *** N O T E   P A D *** ", 400, 330);
//   sheet.SetRows(30, -150);
//   sheet.Rows(notes, 1);                    // notes from row 1
//   sheet.End();
//
// Positions are whole twips: a height, a width or a position read from the
// printer is taken to the nearest whole twip, a half to the even one.
#include <string>
#include <string_view>
#include <vector>

// Sets PrintJob for a sheet: `title`; no headings; title font "Courier New"
// 26, heading and body fonts "Courier New" `fontSize`, all bold and not
// italic; sheet layout, title rule, portrait, the first paper bin. The lines
// per page, the line count and the end banner are left as they are.
void SetSheetJob(const std::string& title, int fontSize);

// The page of a sow's or a boar's history: what its lines and its note
// heading are spaced by.
struct HistorySheetLayout {
  int fontSize;  // of the body, "Courier New"
  int lead;      // rows: the text height of "ABCDEM" + lead
  int ruleDrop;  // the note heading's rules and text below the last line
  int textDrop;
};
// Prints a history sheet: PrintJob set by SetSheetJob(title, fontSize); then
// lines[i] in row i from the top less `lead`; the note heading
// " *** N O T E   P A D *** " between its rules; notes[k] in row k + 1 from
// the heading less 150; the end of the page and of the document.
void PrintHistorySheet(const std::string& title, const HistorySheetLayout& layout,
                       const std::vector<std::string>& lines, const std::vector<std::string>& notes);

// A sheet's line: its label, then the value, made once at its length.
std::string Labelled(std::string_view label, std::string_view value);
// "This " + what + " was printed on " + date, the last line of a summary.
std::string PrintedOnLine(const std::string& what, const std::string& date);
// A blank line of a one-page summary: 79 spaces.
std::string SummaryBlankLine();

class PrintSheet {
 public:
  // Starts the page with PrintJob's title block, then sets the printer's font
  // face and size; bold and italic stay as the title left them.
  PrintSheet(const std::string& fontName, int fontSize);

  // Rows from here on: the pitch is the text height of `sample` + `lead`;
  // row n lies at y = the position now + `shift` + n x pitch.
  void SetRows(double lead, long long shift, const std::string& sample = "ABCDEM");
  long long Pitch() const { return pitch_; }
  long long RowY(int n) const { return origin_ + n * pitch_; }

  // Prints `text` at x = 0 in row n.
  void Row(int n, const std::string& text);
  // Prints lines[k] in row first + k.
  void Rows(const std::vector<std::string>& lines, int first = 0);
  // Prints `text` centred on the page in row n.
  void CentredRow(int n, const std::string& text);

  // A heading centred between two rules, below what was printed last (at
  // y): the rules at y + ruleDrop from the left edge to the heading and from
  // its end to `ruleEnd` (or the printable width, where that is less), the
  // heading at y + textDrop.
  void RuledHeading(const std::string& text, int ruleDrop, int textDrop, double ruleEnd = 12240);

  // A new page and the end of the document, which prints no blank page; on
  // a printer failure shows its box and answers false.
  bool End();

 private:
  long long pitch_ = 0;
  long long origin_ = 0;
};
