// The records of a file found again by a short code: every record of a
// code in record order, blank codes passed over, a freed record forgotten.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/CodeIndex.h"

namespace {

std::vector<long> recordsOf(const CodeIndex& index, const std::string& code) { return index.Records(code); }

}  // namespace

TEST(CodeIndex, FindsEveryRecordOfACodeInRecordOrder) {
  const std::vector<std::string> codes = {"", "SOY", "OATS", "", "SOY", "SO", "ABCDEFG", "SOY", "ABCDEFGH"};
  const CodeIndex index(static_cast<long>(codes.size()), [&codes](long n) { return codes[static_cast<size_t>(n - 1)]; });
  const struct {
    const char* code;
    std::vector<long> records;
  } cases[] = {
      {"SOY", {2, 5, 8}},  {"OATS", {3}}, {"SO", {6}},     {"S", {}},          {"soy", {}},  // case matters
      {"SOY ", {}},        {"", {}},      {"ABCDEFG", {7}}, {"ABCDEFGH", {}},  // longer than any code told apart
  };
  for (const auto& c : cases) EXPECT_EQ(recordsOf(index, c.code), c.records) << c.code;
}

TEST(CodeIndex, AFreedRecordIsForgottenWhereverItStandsInItsChain) {
  const std::vector<std::string> codes = {"A", "B", "A", "A", "A"};
  CodeIndex index(5, [&codes](long n) { return codes[static_cast<size_t>(n - 1)]; });
  const struct {
    long forget;
    std::vector<long> left;
  } steps[] = {{3, {1, 4, 5}}, {1, {4, 5}}, {5, {4}}, {2, {4}}, {4, {}}};  // B's record is not A's
  for (const auto& s : steps) {
    index.Forget("A", s.forget);
    EXPECT_EQ(recordsOf(index, "A"), s.left) << s.forget;
  }
  EXPECT_EQ(recordsOf(index, "B"), std::vector<long>{2});
}

TEST(CodeIndex, AnEmptyFileHoldsNoCode) {
  const CodeIndex index(0, [](long) { return std::string("A"); });
  EXPECT_EQ(index.First("A"), 0);
}

// Codes of every length that differ in one character, wherever it stands,
// are told apart: each is found at its own record only.
TEST(CodeIndex, CodesDifferingInAnyOneCharacterAreToldApart) {
  std::vector<std::string> codes;
  for (size_t length = 1; length <= CodeIndex::kLongestCode; ++length) {
    const std::string code = std::string("ABCDEFG").substr(0, length);
    codes.push_back(code);
    for (size_t at = 0; at < length; ++at)
      for (char other : {'Z', ' ', 'a'}) codes.push_back(std::string(code).replace(at, 1, 1, other));
  }
  const CodeIndex index(static_cast<long>(codes.size()), [&codes](long n) { return codes[static_cast<size_t>(n - 1)]; });
  for (size_t n = 1; n <= codes.size(); ++n)
    EXPECT_EQ(recordsOf(index, codes[n - 1]), std::vector<long>{static_cast<long>(n)}) << "'" << codes[n - 1] << "'";
}
