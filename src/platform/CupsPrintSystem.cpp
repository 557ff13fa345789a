#include <cups/cups.h>

#include <sstream>

#include "platform/CupsPrintSystem.h"

namespace platform {

QSizeF MediaSizeMm(const std::string& media) {
  std::istringstream parts(media);
  std::string part;
  while (std::getline(parts, part, ',')) {
    const char* p = part.c_str();
    const pwg_media_t* m = pwgMediaForPWG(p);
    if (!m) m = pwgMediaForLegacy(p);
    if (!m) m = pwgMediaForPPD(p);
    if (m) return QSizeF(m->width / 100.0, m->length / 100.0);
  }
  return QSizeF();
}

PrintQueue CupsPrintSystem::defaultQueue() {
  PrintQueue queue;
  const std::optional<CupsQueue> dest = calls_->defaultQueue();
  if (!dest) return queue;
  auto option = [&dest](const std::string& name) {
    const auto found = dest->options.find(name);
    return found == dest->options.end() ? std::string() : found->second;
  };
  queue.name = dest->name;
  queue.paused = option("printer-state") == std::to_string(IPP_PSTATE_STOPPED);
  queue.media = option("media");  // the user's choice (lpoptions)
  // The page the queue's description (its PPD) has for its default, the
  // user's choice applied, with its printable area; a queue without one, its
  // "media-default".
  QSizeF size;
  const DescribedPage described = calls_->describedPage(queue.name);
  if (described.page.isValid()) {
    size = described.page.size(QPageSize::Millimeter);
    if (queue.media.empty()) queue.media = described.page.key().toStdString();
    queue.marginsMm = described.marginsMm;
  } else {
    if (queue.media.empty()) queue.media = calls_->jobDefault(queue.name, "media");
    size = MediaSizeMm(queue.media);
  }
  if (size.isValid()) {
    queue.pageWidthMm = size.width();
    queue.pageHeightMm = size.height();
  }
  if (queue.paused || option("printer-is-accepting-jobs") == "false")
    queue.stateMessage = calls_->queueAttribute(queue.name, "printer-state-message");
  return queue;
}

PrintOutcome CupsPrintSystem::submit(const PrintQueue& queue, const std::string& pdfFile, const std::string& title) {
  // The page asked for is the page drawn on, whatever the queue's own.
  CupsOptions options;
  if (!queue.media.empty()) options["media"] = queue.media;
  const int job = calls_->printFile(queue.name, pdfFile, title, options);
  if (job > 0) return {job, ""};
  // The system's reason as it gives it; where it gives none, the program's
  // own words, in capitals as the printer error box shows them.
  const char* why = calls_->lastErrorString();
  return {0, why && *why ? why : "THE PRINT SYSTEM GAVE NO REASON"};
}

}  // namespace platform
