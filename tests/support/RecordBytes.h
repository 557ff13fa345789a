#pragma once
// Hand-made record bytes for the record file tests: a record of blanks with
// values put at byte offsets, little-endian.
#include <cstdint>
#include <cstring>
#include <string>

class RecordBytes {
 public:
  explicit RecordBytes(int length, char fill = ' ') : bytes_(static_cast<size_t>(length), fill) {}
  RecordBytes& text(int off, const std::string& s) {
    bytes_.replace(static_cast<size_t>(off), s.size(), s);
    return *this;
  }
  RecordBytes& i16(int off, int16_t v) { return raw(off, &v, 2); }
  RecordBytes& i32(int off, int32_t v) { return raw(off, &v, 4); }
  RecordBytes& f32(int off, float v) { return raw(off, &v, 4); }
  RecordBytes& i64(int off, int64_t v) { return raw(off, &v, 8); }
  const std::string& str() const { return bytes_; }

 private:
  RecordBytes& raw(int off, const void* p, size_t n) {
    // Little-endian as the file stores it (the build targets are little-endian).
    std::memcpy(bytes_.data() + off, p, n);
    return *this;
  }
  std::string bytes_;
};

// Little-endian values read out of bytes.
inline int16_t le16(const std::string& b, size_t off) {
  return static_cast<int16_t>(static_cast<uint8_t>(b[off]) | (static_cast<uint8_t>(b[off + 1]) << 8));
}
inline int32_t le32(const std::string& b, size_t off) {
  int32_t v;
  std::memcpy(&v, b.data() + off, 4);
  return v;
}
inline float lef32(const std::string& b, size_t off) {
  float v;
  std::memcpy(&v, b.data() + off, 4);
  return v;
}
inline int64_t le64(const std::string& b, size_t off) {
  int64_t v;
  std::memcpy(&v, b.data() + off, 8);
  return v;
}
