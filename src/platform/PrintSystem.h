#pragma once
// The system's print queues, as the printer hands them its documents: the
// default queue with its page size and state, and a document handed to a
// queue as a PDF file. The real one asks CUPS; tests hand the printer one of
// their own. Texts are the system's own (UTF-8).
#include <QSizeF>
#include <string>

namespace platform {

struct PrintQueue {
  std::string name;  // empty where no printer can be reached
  // The queue's default page (the user's choice first, then the queue's
  // own) as the system names it, and its size; 0 where the system does not
  // know the name.
  std::string media;
  double pageWidthMm = 0;
  double pageHeightMm = 0;
  bool paused = false;  // it holds the jobs it takes until it is resumed
};

// A document handed to a queue, on the queue's page: its job number, or 0 and
// the print system's reason for refusing it.
struct PrintOutcome {
  int job = 0;
  std::string refusal;
};

class PrintSystem {
 public:
  virtual ~PrintSystem() = default;
  virtual PrintQueue defaultQueue() = 0;
  virtual PrintOutcome submit(const PrintQueue& queue, const std::string& pdfFile, const std::string& title) = 0;
};

// The size of a page as the system names it, in any of its spellings
// ("na_letter_8.5x11in", "na-letter", "Letter"), maybe followed by a tray or a
// type ("A4,tray-1"); empty where no part of it names a size.
QSizeF MediaSizeMm(const std::string& media);

class CupsPrintSystem : public PrintSystem {
 public:
  PrintQueue defaultQueue() override;
  PrintOutcome submit(const PrintQueue& queue, const std::string& pdfFile, const std::string& title) override;
};

}  // namespace platform
