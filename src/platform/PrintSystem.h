#pragma once
// The system's print queues, as the printer hands them its documents: the
// default queue with its page size and state, and a document handed to a
// queue as a PDF file. The real one asks CUPS; tests hand the printer one of
// their own. Texts are the system's own (UTF-8).
#include <string>

namespace platform {

struct PrintQueue {
  std::string name;  // empty where no printer can be reached
  // The queue's default page size (the user's choice first, then the
  // queue's own); 0 where it names a size the system does not know.
  double pageWidthMm = 0;
  double pageHeightMm = 0;
  bool paused = false;  // it holds the jobs it takes until it is resumed
};

// A document handed to a queue: its job number, or 0 and the print system's
// reason for refusing it.
struct PrintOutcome {
  int job = 0;
  std::string refusal;
};

class PrintSystem {
 public:
  virtual ~PrintSystem() = default;
  virtual PrintQueue defaultQueue() = 0;
  virtual PrintOutcome submit(const std::string& queue, const std::string& pdfFile, const std::string& title) = 0;
};

class CupsPrintSystem : public PrintSystem {
 public:
  PrintQueue defaultQueue() override;
  PrintOutcome submit(const std::string& queue, const std::string& pdfFile, const std::string& title) override;
};

}  // namespace platform
