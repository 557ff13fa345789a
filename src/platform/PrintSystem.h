#pragma once
// The system's print queues, as the printer hands them its documents: the
// default queue with its page size, printable area and state, and a document
// handed to a queue as a PDF file. The real one asks CUPS; tests hand the
// printer one of their own. Texts are the system's own (UTF-8).
#include <QMarginsF>
#include <optional>
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
  // The page's unprintable border, edge by edge in millimetres with the
  // page upright, as the queue's description gives it; none where it gives
  // none.
  std::optional<QMarginsF> marginsMm;
  bool paused = false;  // it holds the jobs it takes until it is resumed
  // Why the queue is paused or refuses jobs, in its own words; empty where
  // it gives none, and for a queue that takes and prints jobs.
  std::string stateMessage;
};

// A document handed to a queue, on the queue's page: its job number, or 0 and
// the print system's reason for refusing it (never empty).
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

}  // namespace platform
