#include "platform/Text1252.h"

#include <array>

std::string Trim(const std::string& text) { return std::string(Trimmed(text)); }

std::string RTrim(const std::string& text) { return std::string(RTrimmed(text)); }

std::string_view Trimmed(std::string_view text) {
  const size_t b = text.find_first_not_of(' ');
  return b == std::string_view::npos ? std::string_view() : text.substr(b, text.find_last_not_of(' ') - b + 1);
}

std::string_view RTrimmed(std::string_view text) {
  const size_t e = text.find_last_not_of(' ');
  return e == std::string_view::npos ? std::string_view() : text.substr(0, e + 1);
}

std::string LTrim(const std::string& text) {
  size_t b = text.find_first_not_of(' ');
  return b == std::string::npos ? std::string() : text.substr(b);
}

namespace {
unsigned char upper1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  if (c == 0x9A) return 0x8A;  // s caron
  if (c == 0x9C) return 0x8C;  // oe
  if (c == 0x9E) return 0x8E;  // z caron
  if (c == 0xFF) return 0x9F;  // y diaeresis
  return c;
}
unsigned char lower1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  if (c == 0x8A) return 0x9A;
  if (c == 0x8C) return 0x9C;
  if (c == 0x8E) return 0x9E;
  if (c == 0x9F) return 0xFF;
  return c;
}
}  // namespace

char UCaseChar(char c) { return static_cast<char>(upper1252(static_cast<unsigned char>(c))); }
char LCaseChar(char c) { return static_cast<char>(lower1252(static_cast<unsigned char>(c))); }

std::string UCase(const std::string& text) {
  std::string s = text;
  for (char& c : s) c = UCaseChar(c);
  return s;
}

namespace {
// One entry per Windows-1252 code: 1 for a letter, 2 for a digit, 0 otherwise.
constexpr std::array<unsigned char, 256> kCharClass = [] {
  std::array<unsigned char, 256> t{};
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = t[c + 32] = 1;
  for (int c = '0'; c <= '9'; ++c) t[c] = 2;
  for (int c : {0x83, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F, 0xAA, 0xB5, 0xBA}) t[c] = 1;
  for (int c = 0xC0; c <= 0xFF; ++c)
    if (c != 0xD7 && c != 0xF7) t[c] = 1;  // all but the multiplication and division signs
  return t;
}();
}  // namespace

bool IsLetter1252(char c) { return kCharClass[static_cast<unsigned char>(c)] == 1; }
bool IsLetterOrDigit1252(char c) { return kCharClass[static_cast<unsigned char>(c)] != 0; }
