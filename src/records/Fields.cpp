#include "records/Fields.h"

#include <cmath>
#include <cstring>

#include "records/Nearest.h"

namespace records {

Currency Currency::fromDouble(double v) { return Currency{NearestWhole<int64_t>(v * kScale)}; }

std::string getText(const uint8_t* p, int width) { return std::string(reinterpret_cast<const char*>(p), static_cast<size_t>(width)); }

void putText(uint8_t* p, int width, const std::string& value) {
  size_t n = value.size() < static_cast<size_t>(width) ? value.size() : static_cast<size_t>(width);
  std::memcpy(p, value.data(), n);
  std::memset(p + n, ' ', static_cast<size_t>(width) - n);
}

void putI16(uint8_t* p, int16_t v) {
  auto u = static_cast<uint16_t>(v);
  p[0] = static_cast<uint8_t>(u & 0xFF);
  p[1] = static_cast<uint8_t>(u >> 8);
}

void putI32(uint8_t* p, int32_t v) {
  auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>((u >> (8 * i)) & 0xFF);
}

void putF32(uint8_t* p, float v) {
  uint32_t u;
  std::memcpy(&u, &v, 4);
  putI32(p, static_cast<int32_t>(u));
}

void putI64(uint8_t* p, int64_t v) {
  auto u = static_cast<uint64_t>(v);
  for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>((u >> (8 * i)) & 0xFF);
}

void FieldWriter::date(const std::string& v, int off) {
  putText(p_ + off, 10, v.empty() ? std::string(kEmptyDate) : v);
}

}  // namespace records
