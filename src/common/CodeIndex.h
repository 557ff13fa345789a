#pragma once
// The records of a file found again by a short code (an ingredient's, a
// drug's): each code's records in record order, from one run over the file.
// The caller gives every record's code as it compares codes (trimmed as it
// trims them); a blank code is no code.
//
//   CodeIndex index(file.count(), [&](long n) { return storedCode(file.bytes(n)); });
//   for (long n = index.First(code); n != 0; n = index.Next(n)) ...
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CodeIndex {
 public:
  // The longest code told apart; a longer one is found in no file.
  static constexpr size_t kLongestCode = 7;

  template <class CodeOf>
  CodeIndex(long count, CodeOf codeOf) : next_(static_cast<size_t>(count > 0 ? count : 0) + 1, 0) {
    for (long n = 1; n <= count; ++n) add(codeOf(n), n);
  }
  // The first record holding `code`; 0 when none.
  long First(std::string_view code) const;
  // The record after `record` holding the same code; 0 when none.
  long Next(long record) const { return next_[static_cast<size_t>(record)]; }
  // Takes `record` out, once it was freed: the records of its code that
  // follow it are found in its place.
  void Forget(std::string_view code, long record);

 private:
  void add(std::string_view code, long n);
  // Each code's first and last record (0 once none is left); after each
  // record, the next of its code.
  struct Chain {
    long first = 0, last = 0;
  };
  std::unordered_map<std::string, Chain> codes_;
  std::vector<long> next_;
};
