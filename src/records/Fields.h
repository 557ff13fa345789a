#pragma once
// The field codecs of the record files, once for every record type:
//  - text: single-byte Windows-1252, left-aligned, blank-padded, cut to width;
//    read back with its padding, as a fixed-length string reads;
//  - date: 10 characters "MM/DD/YYYY", "__/__/____" written for a date never
//    set (an empty string); any text read from a file is written back as read;
//  - Integer (16-bit), Long (32-bit): signed, little-endian;
//  - Single: 32-bit IEEE float, little-endian;
//  - Currency: signed 64-bit count of 1/10000, little-endian;
//  - raw: a block of bytes kept as stored, turned into values by its owner.
//
// A record type is a struct with `static constexpr int Length` and a member
// template `fields(M& m)` that names each field once with its offset:
//
//   template <class M> void fields(M& m) {
//     m.text(Id, 0, 8);
//     m.i16(DaysTo230, 38);
//     m.date(DateOfBirth, 28);
//   }
//
// decode() and encode() then read and write the record's bytes; layoutOf()
// lists the fields so a test can check that they tile the record.
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace records {

using Bytes = std::vector<uint8_t>;

inline constexpr const char* kEmptyDate = "__/__/____";

// A Currency value: a signed count of 1/10000.
struct Currency {
  static constexpr int kPlaces = 4;          // the decimals it holds
  static constexpr int64_t kScale = 10'000;  // counts to a unit
  int64_t raw = 0;
  double value() const { return static_cast<double>(raw) / kScale; }
  // The nearest count of 1/10000, a half going to the even neighbour; a
  // value past the range gives the bound on its side, NaN 0.
  static Currency fromDouble(double v);
  bool operator==(const Currency&) const = default;
};

// The readers and writers of one field at `p`.
std::string getText(const uint8_t* p, int width);
// A stored text as it stands, padding included, as a view of the bytes.
inline std::string_view textView(const uint8_t* p, int width) {
  return {reinterpret_cast<const char*>(p), static_cast<size_t>(width)};
}
void putText(uint8_t* p, int width, const std::string& value);
inline int16_t getI16(const uint8_t* p) { return static_cast<int16_t>(p[0] | (p[1] << 8)); }
void putI16(uint8_t* p, int16_t v);
inline int32_t getI32(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                              (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24));
}
void putI32(uint8_t* p, int32_t v);
inline float getF32(const uint8_t* p) {
  const uint32_t u = static_cast<uint32_t>(getI32(p));
  float f;
  std::memcpy(&f, &u, 4);
  return f;
}
void putF32(uint8_t* p, float v);
// The low four bytes first, as every stored integer.
inline int64_t getI64(const uint8_t* p) {
  return static_cast<int64_t>(static_cast<uint64_t>(getI32(p) & 0xFFFFFFFFLL) |
                              (static_cast<uint64_t>(static_cast<uint32_t>(getI32(p + 4))) << 32));
}
void putI64(uint8_t* p, int64_t v);

// Reads fields out of a record's bytes.
class FieldReader {
 public:
  explicit FieldReader(const uint8_t* p) : p_(p) {}
  // Text keeps its full width, padding included.
  void text(std::string& v, int off, int width) {
    v.assign(reinterpret_cast<const char*>(p_ + off), static_cast<size_t>(width));
  }
  void date(std::string& v, int off) { text(v, off, 10); }
  void i16(int16_t& v, int off) { v = getI16(p_ + off); }
  void i32(int32_t& v, int off) { v = getI32(p_ + off); }
  void f32(float& v, int off) { v = getF32(p_ + off); }
  void cur(Currency& v, int off) { v.raw = getI64(p_ + off); }
  template <size_t N>
  void i16s(std::array<int16_t, N>& a, int off) {
    for (size_t i = 0; i < N; ++i) a[i] = getI16(p_ + off + 2 * static_cast<int>(i));
  }
  template <size_t N>
  void texts(std::array<std::string, N>& a, int off, int width) {
    for (size_t i = 0; i < N; ++i) a[i] = getText(p_ + off + width * static_cast<int>(i), width);
  }
  template <size_t N>
  void raw(std::array<uint8_t, N>& a, int off) { std::memcpy(a.data(), p_ + off, N); }

 private:
  const uint8_t* p_;
};

// Writes fields into a record's bytes.
class FieldWriter {
 public:
  explicit FieldWriter(uint8_t* p) : p_(p) {}
  void text(const std::string& v, int off, int width) { putText(p_ + off, width, v); }
  // A date never set ("") is written as "__/__/____"; other text as it is,
  // so that a record read and written back keeps every byte.
  void date(const std::string& v, int off);
  void i16(int16_t v, int off) { putI16(p_ + off, v); }
  void i32(int32_t v, int off) { putI32(p_ + off, v); }
  void f32(float v, int off) { putF32(p_ + off, v); }
  void cur(const Currency& v, int off) { putI64(p_ + off, v.raw); }
  template <size_t N>
  void i16s(const std::array<int16_t, N>& a, int off) {
    for (size_t i = 0; i < N; ++i) putI16(p_ + off + 2 * static_cast<int>(i), a[i]);
  }
  template <size_t N>
  void texts(const std::array<std::string, N>& a, int off, int width) {
    for (size_t i = 0; i < N; ++i) putText(p_ + off + width * static_cast<int>(i), width, a[i]);
  }
  template <size_t N>
  void raw(const std::array<uint8_t, N>& a, int off) { std::memcpy(p_ + off, a.data(), N); }

 private:
  uint8_t* p_;
};

// Lists each field as (offset, width), for layout checks.
struct FieldSpan {
  int offset, width;
};
class FieldLister {
 public:
  std::vector<FieldSpan> spans;
  template <class T>
  void text(T&, int off, int width) { spans.push_back({off, width}); }
  template <class T>
  void date(T&, int off) { spans.push_back({off, 10}); }
  template <class T>
  void i16(T&, int off) { spans.push_back({off, 2}); }
  template <class T>
  void i32(T&, int off) { spans.push_back({off, 4}); }
  template <class T>
  void f32(T&, int off) { spans.push_back({off, 4}); }
  template <class T>
  void cur(T&, int off) { spans.push_back({off, 8}); }
  template <class A>
  void i16s(A& a, int off) { spans.push_back({off, 2 * static_cast<int>(a.size())}); }
  template <class A>
  void texts(A& a, int off, int width) { spans.push_back({off, width * static_cast<int>(a.size())}); }
  template <class A>
  void raw(A& a, int off) { spans.push_back({off, static_cast<int>(a.size())}); }
};

// A choice of some fields of a record type, for runs that use only those:
// named once by the members of one record, it picks the same fields of any
// record of the type (by their place in the record's field list).
//
//   SowRecord s;
//   const records::FieldMask<SowRecord> ids(s, {&s.Id});
//   image.decode(n, sow, ids);   // sow.Id read, the other members untouched
template <class R>
class FieldMask {
 public:
  FieldMask(const R& record, const std::vector<const void*>& members) {
    Finder finder{members};
    const_cast<R&>(record).fields(finder);
    bits_ = finder.bits;
  }
  uint64_t bits() const { return bits_; }

 private:
  struct Finder {
    const std::vector<const void*>& members;
    uint64_t bits = 0;
    int index = 0;
    void mark(const void* member) {
      for (const void* m : members)
        if (m == member) bits |= uint64_t{1} << index;
      ++index;
    }
    template <class T, class... At> void text(T& v, At...) { mark(&v); }
    template <class T, class... At> void date(T& v, At...) { mark(&v); }
    template <class T, class... At> void i16(T& v, At...) { mark(&v); }
    template <class T, class... At> void i32(T& v, At...) { mark(&v); }
    template <class T, class... At> void f32(T& v, At...) { mark(&v); }
    template <class T, class... At> void cur(T& v, At...) { mark(&v); }
    template <class T, class... At> void i16s(T& v, At...) { mark(&v); }
    template <class T, class... At> void texts(T& v, At...) { mark(&v); }
    template <class T, class... At> void raw(T& v, At...) { mark(&v); }
  };
  uint64_t bits_ = 0;
};

// Where one field of a record type lies in the stored bytes, found by the
// member that holds it in one record: a run over a whole file reads that
// field straight from each record's bytes, decoding nothing.
//
//   static const records::FieldPlace expires = records::placeOf(&DrugRecord::ExpirationDate);
//   std::string_view date = expires.text(image.bytes(n));   // as stored, padded
struct FieldPlace {
  enum Kind { None, Text, I16, I32, F32, Cur };  // a date is a text of 10
  Kind kind = None;
  int offset = 0, width = 0;

  std::string_view text(const uint8_t* record) const { return textView(record + offset, width); }
  // True when the field holds blanks only.
  bool blank(const uint8_t* record) const { return text(record).find_first_not_of(' ') == std::string_view::npos; }
  int16_t i16(const uint8_t* record) const { return getI16(record + offset); }
  int32_t i32(const uint8_t* record) const { return getI32(record + offset); }
  float f32(const uint8_t* record) const { return getF32(record + offset); }
  Currency cur(const uint8_t* record) const { return {getI64(record + offset)}; }
};

// Finds the place of one member for placeOf().
class PlaceFinder {
 public:
  explicit PlaceFinder(const void* member) : member_(member) {}
  const FieldPlace& place() const { return place_; }
  void text(const std::string& v, int off, int width) { at(&v, FieldPlace::Text, off, width); }
  void date(const std::string& v, int off) { at(&v, FieldPlace::Text, off, 10); }
  void i16(const int16_t& v, int off) { at(&v, FieldPlace::I16, off, 2); }
  void i32(const int32_t& v, int off) { at(&v, FieldPlace::I32, off, 4); }
  void f32(const float& v, int off) { at(&v, FieldPlace::F32, off, 4); }
  void cur(const Currency& v, int off) { at(&v, FieldPlace::Cur, off, 8); }
  template <class T, class... At> void i16s(T&, At...) {}
  template <class T, class... At> void texts(T&, At...) {}
  template <class T, class... At> void raw(T&, At...) {}

 private:
  void at(const void* v, FieldPlace::Kind kind, int off, int width) {
    if (v == member_) place_ = {kind, off, width};
  }
  const void* member_;
  FieldPlace place_;
};

// The place of `member`, a member of `record`; kind None for any other
// address.
template <class R>
FieldPlace placeOf(const R& record, const void* member) {
  PlaceFinder finder(member);
  const_cast<R&>(record).fields(finder);
  return finder.place();
}
// The place of a member of the record type: placeOf(&SalesRecord::GroupId).
template <class R, class T>
FieldPlace placeOf(T R::*member) {
  static const R record{};
  return placeOf(record, &(record.*member));
}

// Reads the fields whose bits are set, in the order the record names them.
class MaskedReader {
 public:
  MaskedReader(const uint8_t* p, uint64_t bits) : reader_(p), bits_(bits) {}
  template <class T, class... At> void text(T& v, At... at) { if (next()) reader_.text(v, at...); }
  template <class T, class... At> void date(T& v, At... at) { if (next()) reader_.date(v, at...); }
  template <class T, class... At> void i16(T& v, At... at) { if (next()) reader_.i16(v, at...); }
  template <class T, class... At> void i32(T& v, At... at) { if (next()) reader_.i32(v, at...); }
  template <class T, class... At> void f32(T& v, At... at) { if (next()) reader_.f32(v, at...); }
  template <class T, class... At> void cur(T& v, At... at) { if (next()) reader_.cur(v, at...); }
  template <class T, class... At> void i16s(T& v, At... at) { if (next()) reader_.i16s(v, at...); }
  template <class T, class... At> void texts(T& v, At... at) { if (next()) reader_.texts(v, at...); }
  template <class T, class... At> void raw(T& v, At... at) { if (next()) reader_.raw(v, at...); }

 private:
  // Whether the next field is chosen; the bits of the fields passed go.
  bool next() {
    const bool chosen = bits_ & 1U;
    bits_ >>= 1;
    return chosen;
  }
  FieldReader reader_;
  uint64_t bits_;
};

// Every field of `r` from a record's bytes; with `fields`, only those.
template <class R>
void decodeInto(const uint8_t* bytes, R& r) {
  FieldReader reader(bytes);
  r.fields(reader);
}
template <class R>
void decodeInto(const uint8_t* bytes, R& r, const FieldMask<R>& fields) {
  MaskedReader reader(bytes, fields.bits());
  r.fields(reader);
}

template <class R>
R decode(const uint8_t* bytes) {
  R r{};
  decodeInto(bytes, r);
  return r;
}

template <class R>
R decode(const Bytes& bytes) {
  return decode<R>(bytes.data());
}

template <class R>
Bytes encode(const R& r) {
  Bytes bytes(static_cast<size_t>(R::Length), ' ');
  FieldWriter writer(bytes.data());
  const_cast<R&>(r).fields(writer);
  return bytes;
}

template <class R>
std::vector<FieldSpan> layoutOf() {
  R r{};
  FieldLister lister;
  r.fields(lister);
  return lister.spans;
}

}  // namespace records
