#include <cups/cups.h>

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

// A media option names its size in any of the system's spellings
// ("na_letter_8.5x11in", "letter", "Letter"), maybe followed by a tray or a
// type ("A4,tray-1"): the first of its parts that is a size.
const pwg_media_t* mediaSize(const std::string& media) {
  std::istringstream parts(media);
  std::string part;
  while (std::getline(parts, part, ',')) {
    const char* p = part.c_str();
    if (const pwg_media_t* m = pwgMediaForPWG(p)) return m;
    if (const pwg_media_t* m = pwgMediaForLegacy(p)) return m;
    if (const pwg_media_t* m = pwgMediaForPPD(p)) return m;
  }
  return nullptr;
}

}  // namespace

PrintQueue CupsPrintSystem::defaultQueue() {
  PrintQueue queue;
  // The user's default (lpoptions) before the system's, with the user's
  // options; none where the print system cannot be reached.
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (!dest) return queue;
  queue.name = dest->name;
  queue.paused = option(*dest, "printer-state") == "5";  // IPP_PSTATE_STOPPED
  std::string media = option(*dest, "media");
  if (media.empty()) media = queueMedia(dest);
  if (const pwg_media_t* size = mediaSize(media)) {
    queue.pageWidthMm = size->width / 100.0;
    queue.pageHeightMm = size->length / 100.0;
  }
  cupsFreeDests(1, dest);
  return queue;
}

PrintOutcome CupsPrintSystem::submit(const std::string& queue, const std::string& pdfFile, const std::string& title) {
  const int job = cupsPrintFile(queue.c_str(), pdfFile.c_str(), title.c_str(), 0, nullptr);
  if (job > 0) return {job, ""};
  const char* why = cupsLastErrorString();
  return {0, why && *why ? why : "the print system gave no reason"};
}

}  // namespace platform
