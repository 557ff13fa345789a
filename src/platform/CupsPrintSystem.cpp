#include <cups/cups.h>

#include <QPageSize>
#include <QPrinterInfo>
#include <sstream>

#include "platform/PrintSystem.h"

namespace platform {

namespace {

std::string option(const cups_dest_t& dest, const char* name) {
  const char* value = cupsGetOption(name, dest.num_options, dest.options);
  return value ? value : "";
}

// The queue's own default page: its "media-default".
std::string queueMedia(cups_dest_t* dest) {
  std::string media;
  if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
    if (ipp_attribute_t* a = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "media")) {
      const char* name = ippGetString(a, 0, nullptr);
      if (name) media = name;
    }
    cupsFreeDestInfo(info);
  }
  return media;
}

}  // namespace

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
  // The user's default (lpoptions) before the system's, with the user's
  // options; none where the print system cannot be reached.
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (!dest) return queue;
  queue.name = dest->name;
  queue.paused = option(*dest, "printer-state") == "5";  // IPP_PSTATE_STOPPED
  queue.media = option(*dest, "media");  // the user's choice (lpoptions)
  // The page the queue's description (its PPD) has for its default, the
  // user's choice applied, as Qt reads it; a queue without one, its
  // "media-default".
  QSizeF size;
  const QPageSize page = QPrinterInfo::printerInfo(QString::fromStdString(queue.name)).defaultPageSize();
  if (page.isValid()) {
    size = page.size(QPageSize::Millimeter);
    if (queue.media.empty()) queue.media = page.key().toStdString();
  } else {
    if (queue.media.empty()) queue.media = queueMedia(dest);
    size = MediaSizeMm(queue.media);
  }
  if (size.isValid()) {
    queue.pageWidthMm = size.width();
    queue.pageHeightMm = size.height();
  }
  cupsFreeDests(1, dest);
  return queue;
}

PrintOutcome CupsPrintSystem::submit(const PrintQueue& queue, const std::string& pdfFile, const std::string& title) {
  // The page asked for is the page drawn on, whatever the queue's own.
  cups_option_t* options = nullptr;
  const int count = queue.media.empty() ? 0 : cupsAddOption("media", queue.media.c_str(), 0, &options);
  const int job = cupsPrintFile(queue.name.c_str(), pdfFile.c_str(), title.c_str(), count, options);
  cupsFreeOptions(count, options);
  if (job > 0) return {job, ""};
  const char* why = cupsLastErrorString();
  return {0, why && *why ? why : "the print system gave no reason"};
}

}  // namespace platform
