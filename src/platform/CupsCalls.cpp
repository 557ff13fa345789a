#include "platform/CupsCalls.h"

#include <cups/cups.h>

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace platform {

namespace {

struct FreeDest {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, FreeDest>;

// A queue by its name, or the user's default (lpoptions) before the
// system's where the name is null, with its options.
Dest namedDest(const char* name) { return Dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name, nullptr)); }

std::string firstString(ipp_attribute_t* attribute) {
  const char* value = attribute ? ippGetString(attribute, 0, nullptr) : nullptr;
  return value ? value : "";
}

}  // namespace

std::optional<CupsQueue> SystemCupsCalls::defaultQueue() {
  const Dest dest = namedDest(nullptr);
  if (!dest) return std::nullopt;
  CupsQueue queue{dest->name, {}};
  for (int i = 0; i < dest->num_options; ++i) queue.options[dest->options[i].name] = dest->options[i].value;
  return queue;
}

DescribedPage SystemCupsCalls::describedPage(const std::string& queue) {
  const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(queue));
  const QPageSize page = info.isNull() ? QPageSize() : info.defaultPageSize();
  if (!page.isValid()) return {};
  // A printer Qt makes for the queue, set to that page, has the page's
  // printable area as its least margins (the printer starts on the PPD's
  // own default, without the user's choice).
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setPageSize(page);
  QPageLayout layout = printer.pageLayout();
  layout.setUnits(QPageLayout::Millimeter);
  return {page, layout.minimumMargins()};
}

std::string SystemCupsCalls::jobDefault(const std::string& queue, const std::string& option) {
  const Dest dest = namedDest(queue.c_str());
  cups_dinfo_t* info = dest ? cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()) : nullptr;
  if (!info) return "";
  const std::string value = firstString(cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest.get(), info, option.c_str()));
  cupsFreeDestInfo(info);
  return value;
}

std::string SystemCupsCalls::queueAttribute(const std::string& queue, const std::string& attribute) {
  const Dest dest = namedDest(queue.c_str());
  const char* uri = dest ? cupsGetOption("printer-uri-supported", dest->num_options, dest->options) : nullptr;
  if (!uri) return "";
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, attribute.c_str());
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");  // frees the request
  const std::string value = firstString(ippFindAttribute(response, attribute.c_str(), IPP_TAG_ZERO));
  ippDelete(response);
  return value;
}

int SystemCupsCalls::printFile(const std::string& queue, const std::string& file, const std::string& title,
                               const CupsOptions& options) {
  cups_option_t* list = nullptr;
  int count = 0;
  for (const auto& [name, value] : options) count = cupsAddOption(name.c_str(), value.c_str(), count, &list);
  const int job = cupsPrintFile(queue.c_str(), file.c_str(), title.c_str(), count, list);
  cupsFreeOptions(count, list);
  return job;
}

const char* SystemCupsCalls::lastErrorString() { return cupsLastErrorString(); }

}  // namespace platform
