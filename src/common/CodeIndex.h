#pragma once
// The records of a file found again by a short code (an ingredient's, a
// drug's): each code's records in record order, from one run over the file.
// The caller gives every record's code as it compares codes (trimmed as it
// trims them); a blank code is no code.
//
//   CodeIndex index(file.count(), [&](long n) { return storedCode(file.bytes(n)); });
//   for (long n : index.Records(code)) ...
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CodeIndex {
 public:
  // The longest code told apart; a longer one is found in no file.
  static constexpr size_t kLongestCode = 7;

  template <class CodeOf>
  CodeIndex(long count, CodeOf codeOf) {
    entries_.reserve(count > 0 ? static_cast<size_t>(count) : 0);
    for (long n = 1; n <= count; ++n) add(codeOf(n), n);
    sortByCode();
  }
  // Every record holding `code`, in record order; none when no record does.
  std::vector<long> Records(std::string_view code) const;
  // The first record holding `code`; 0 when none.
  long First(std::string_view code) const;
  // Takes `record` out, once it was freed: the records of its code that
  // follow it are found in its place.
  void Forget(std::string_view code, long record);

 private:
  // A code (its characters, then its length) and a record holding it. One
  // array sorted by code holds every code's records together in record
  // order: 16 bytes a record, where a map of lists took about a hundred.
  using Key = std::array<char, kLongestCode + 1>;
  struct Entry {
    Key key{};
    long record = 0;  // 0 once forgotten
  };
  static Key keyOf(std::string_view code);
  static bool indexable(std::string_view code);  // not blank, nor longer than kLongestCode
  void add(std::string_view code, long n);
  void sortByCode();
  std::span<const Entry> entriesOf(std::string_view code) const;

  std::vector<Entry> entries_;
};
