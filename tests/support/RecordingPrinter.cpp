#include "support/RecordingPrinter.h"

#include <algorithm>

bool RecordingPrinter::startPage() {
  ++pagesBegun_;
  if (failAtPage != 0 && pagesBegun_ == failAtPage) {
    setFailure("printer off line");
    return false;
  }
  ++pageInDoc_;
  pages.push_back({documents, pageInDoc_, paperBin(), orientation()});
  return true;
}

bool RecordingPrinter::beginDocument() {
  ++documents;
  titles.push_back(title());
  pageInDoc_ = 0;
  return startPage();
}

bool RecordingPrinter::beginPage() { return startPage(); }

void RecordingPrinter::drawText(double x, double y, const std::string& text) {
  PrintedItem it;
  it.kind = PrintedItem::Text;
  it.document = documents;
  it.page = pageInDoc_;
  it.x = x;
  it.y = y;
  it.text = text;
  it.font = font();
  items.push_back(it);
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2) {
  PrintedItem it;
  it.kind = PrintedItem::Line;
  it.document = documents;
  it.page = pageInDoc_;
  it.x = x1;
  it.y = y1;
  it.x2 = x2;
  it.y2 = y2;
  it.drawWidth = drawWidth();
  items.push_back(it);
}

void RecordingPrinter::drawPicture(const QImage& picture, double x, double y, double w, double h) {
  PrintedItem it;
  it.kind = PrintedItem::Picture;
  it.pictureWidth = picture.width();
  it.pictureHeight = picture.height();
  it.document = documents;
  it.page = pageInDoc_;
  it.x = x;
  it.y = y;
  it.x2 = x + w;
  it.y2 = y + h;
  items.push_back(it);
}

std::vector<std::string> RecordingPrinter::texts(int document) const {
  std::vector<std::string> out;
  for (const auto& it : items)
    if (it.kind == PrintedItem::Text && (document == 0 || it.document == document)) out.push_back(it.text);
  return out;
}

std::vector<PrintedItem> RecordingPrinter::onPage(int document, int page) const {
  std::vector<PrintedItem> out;
  for (const auto& it : items)
    if (it.kind == PrintedItem::Text && it.document == document && it.page == page) out.push_back(it);
  return out;
}

const PrintedItem* RecordingPrinter::find(const std::string& text) const {
  for (const auto& it : items)
    if (it.kind == PrintedItem::Text && it.text == text) return &it;
  return nullptr;
}

std::vector<std::string> RecordingPrinter::pastThePrintableWidth() const {
  std::vector<std::string> out;
  for (const auto& it : items) {
    int orientation = 1;
    for (const PrintedPage& p : pages)
      if (p.document == it.document && p.page == it.page) orientation = p.orientation;
    const double width = orientation == 2 ? 15120 : 11520;
    double left = std::min(it.x, it.x2), right = std::max(it.x, it.x2);
    if (it.kind == PrintedItem::Text) {
      const size_t shown = it.text.find_last_not_of(' ') + 1;  // 0 for blanks only
      left = it.x;
      right = it.x + static_cast<double>(shown) * it.font.size * 12;
      if (shown == 0) continue;
    }
    if (left >= 0 && right <= width) continue;
    out.push_back("document " + std::to_string(it.document) + " page " + std::to_string(it.page) + ": " +
                  (it.kind == PrintedItem::Text ? "\"" + it.text + "\" at " + std::to_string(it.font.size) + " points"
                                                : std::string(it.kind == PrintedItem::Line ? "a rule" : "a picture")) +
                  " from " + std::to_string(left) + " to " + std::to_string(right) + " of " + std::to_string(width));
  }
  return out;
}
