#pragma once
// The print system of the machine: CUPS.
#include <QSizeF>
#include <string>

#include "platform/CupsCalls.h"
#include "platform/PrintSystem.h"

namespace platform {

// The size of a page as the system names it, in any of its spellings
// ("na_letter_8.5x11in", "na-letter", "Letter"), maybe followed by a tray or a
// type ("A4,tray-1"); empty where no part of it names a size.
QSizeF MediaSizeMm(const std::string& media);

// The print system over CUPS's answers: the system's own, or a test's
// (`calls`, not owned).
class CupsPrintSystem : public PrintSystem {
 public:
  explicit CupsPrintSystem(CupsCalls* calls = nullptr) : calls_(calls ? calls : &systemCalls_) {}
  CupsPrintSystem(const CupsPrintSystem&) = delete;
  CupsPrintSystem& operator=(const CupsPrintSystem&) = delete;
  PrintQueue defaultQueue() override;
  PrintOutcome submit(const PrintQueue& queue, const std::string& pdfFile, const std::string& title) override;

 private:
  SystemCupsCalls systemCalls_;
  CupsCalls* calls_;
};

}  // namespace platform
