#include "support/RecordingPrinter.h"

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
