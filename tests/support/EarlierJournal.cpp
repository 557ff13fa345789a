#include "support/EarlierJournal.h"

#include <string>

namespace {

void put(std::vector<uint8_t>& out, uint64_t value, int count) {
  for (int i = 0; i < count; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void putBytes(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes) {
  put(out, bytes.size(), 4);
  out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

std::vector<uint8_t> EncodeEarlierJournal(const Journal& journal) {
  std::vector<uint8_t> body;
  putBytes(body, {journal.action.begin(), journal.action.end()});
  put(body, journal.files.size(), 1);
  for (const JournalFile& f : journal.files) {
    putBytes(body, {f.name.begin(), f.name.end()});
    put(body, static_cast<uint64_t>(f.recordLength), 4);
    put(body, f.existed ? 1 : 0, 1);
    put(body, static_cast<uint64_t>(f.oldLength), 8);
    put(body, static_cast<uint64_t>(f.newLength), 8);
  }
  put(body, journal.pieces.size(), 4);
  for (const JournalPiece& p : journal.pieces) {
    put(body, p.file, 1);
    put(body, static_cast<uint64_t>(p.at), 8);
    put(body, JournalChecksum(p.written.data(), p.written.size()), 8);
    putBytes(body, p.old);
  }
  const std::string magic = "TARLOWE JOURNAL2";
  std::vector<uint8_t> whole(magic.begin(), magic.end());
  put(whole, body.size(), 4);
  put(whole, JournalChecksum(body.data(), body.size()), 8);
  whole.insert(whole.end(), body.begin(), body.end());
  return whole;
}
