#pragma once
// The records of a file found again by a short code (an ingredient's, a
// drug's): each code's records in record order, from one run over the file.
// The caller gives every record's code as it compares codes (trimmed as it
// trims them); a blank code is no code.
//
//   CodeIndex index(file.count(), [&](long n) { return storedCode(file.bytes(n)); });
//   for (long n : index.Records(code)) ...
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CodeIndex {
 public:
  // The longest code told apart; a longer one is found in no file.
  static constexpr size_t kLongestCode = 7;

  template <class CodeOf>
  CodeIndex(long count, CodeOf codeOf) {
    for (long n = 1; n <= count; ++n) add(codeOf(n), n);
  }
  // Every record holding `code`, in record order; none when no record does.
  const std::vector<long>& Records(std::string_view code) const;
  // The first record holding `code`; 0 when none.
  long First(std::string_view code) const;
  // Takes `record` out, once it was freed: the records of its code that
  // follow it are found in its place.
  void Forget(std::string_view code, long record);

 private:
  void add(std::string_view code, long n);
  std::unordered_map<std::string, std::vector<long>> codes_;
};
