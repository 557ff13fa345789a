#include "platform/Ansi.h"

namespace platform {
namespace {
// Bytes 0x80..0x9F of Windows-1252; 0 marks the unused positions.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

char16_t ansiToUnicode(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) return kHigh[c - 0x80];
  return c;
}

QString fromAnsi(std::string_view text) {
  // Windows-1252 is Latin-1 but for bytes 0x80 to 0x9F.
  QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  unsigned char high = 0;
  for (char c : text) high |= static_cast<unsigned char>(c);
  if (high < 0x80) return out;  // plain ASCII, as most text is
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80 || c > 0x9F) continue;
    const char16_t u = ansiToUnicode(c);
    out[static_cast<qsizetype>(i)] = QChar(u ? u : c);
  }
  return out;
}

std::string toAnsi(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (QChar ch : text) {
    char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out.push_back(static_cast<char>(u));
      continue;
    }
    char mapped = '?';
    for (int i = 0; i < 32; ++i) {
      if (kHigh[i] != 0 && kHigh[i] == u) {
        mapped = static_cast<char>(0x80 + i);
        break;
      }
    }
    out.push_back(mapped);
  }
  return out;
}

}  // namespace platform
