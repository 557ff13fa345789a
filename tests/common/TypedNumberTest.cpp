// A typed number read for its field: what is a number, the value stored, the
// fault and the words of its refusal.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "common/TypedNumber.h"

namespace {

using F = NumberFault;

struct ReadCase {
  const char* typed;
  NumberField field;
  double value;
  NumberFault fault;
};

const NumberField kCount = IntegerField("PIGS");
const NumberField kWeight = SingleField("WEIGHT");
const NumberField kPounds = LongField("POUNDS", 1);
const NumberField kPrice = CurrencyField("PRICE", 8);       // an eight-character box
const NumberField kWidePrice = CurrencyField("PRICE", 20);  // wider than the Currency's digits
const NumberField kPremium = SignedSingleField("PREMIUM");

}  // namespace

TEST(TypedNumber, WhatIsANumber) {
  for (const char* yes : {"0", "12", " 12 ", "+3", "-3", "1.5", ".5", "5.", "1e3", "1E+03", "2.5d-1", "\t7"})
    EXPECT_TRUE(IsNumberText(yes)) << yes;
  for (const char* no : {"", "  ", "abc", "12abc", "1,000", "$5", "-", ".", "1e", "1e+", "1 2", "0x1A", "inf", "1.2.3"})
    EXPECT_FALSE(IsNumberText(no)) << no;
}

namespace {

const ReadCase kReadCases[] = {
    {"", kCount, 0, F::None},
    {"   ", kCount, 0, F::None},
    {"40", kCount, 40, F::None},
    {" 2.5 ", kCount, 2, F::None},  // a half to the even neighbour
    {"3.5", kCount, 4, F::None},
    {"-0.4", kCount, 0, F::None},
    {"32767", kCount, 32767, F::None},
    {"32767.5", kCount, 0, F::AboveMost},
    {"40000", kCount, 0, F::AboveMost},
    {"-5", kCount, 0, F::BelowLeast},
    {"abc", kCount, 0, F::NotANumber},
    {"12abc", kCount, 0, F::NotANumber},
    {"1e3", kCount, 1000, F::None},
    {"9e9", kCount, 0, F::AboveMost},
    {"-3", kWeight, 0, F::BelowLeast},
    {"45.25", kWeight, 45.25, F::None},
    {"9999999", kWeight, 9999999, F::None},
    {"10000000", kWeight, 0, F::AboveMost},
    {"", kPounds, 0, F::BelowLeast},
    {"0.4", kPounds, 0, F::BelowLeast},
    {"2147483647", kPounds, 2147483647, F::None},
    {"2147483648", kPounds, 0, F::AboveMost},
    {"9e999999", kPrice, 0, F::AboveMost},
    {"-9e999999", kPrice, 0, F::BelowLeast},
    {"1e-999999", kPrice, 0, F::None},
    {"125.5", kPrice, 125.5, F::None},
    {"99999999", kPrice, 99999999, F::None},
    {"1e8", kPrice, 0, F::AboveMost},
    {"922337203685477", kWidePrice, 922337203685477, F::None},
    {"922337203685478", kWidePrice, 0, F::AboveMost},
    {"-2.5", kPremium, -2.5, F::None},
    {"-10000000", kPremium, 0, F::BelowLeast},
    {"+7", kCount, 7, F::None},
    {".5", kWeight, 0.5, F::None},
    {"5.", kWeight, 5, F::None},
    {"\t0.1 ", kWeight, 0.1, F::None},
    {"1D2", kWeight, 100, F::None},
    {"-2.5d-1", kPremium, -0.25, F::None},
    {"+1E+2", kWeight, 100, F::None},
    {"1.5D2", kWeight, 150, F::None},
    {"2.5d1", kCount, 25, F::None},
    {"1.5e400", kPrice, 0, F::AboveMost},
    {"1.5e-400", kPrice, 0, F::None},
};

void expectEachRead() {
  for (const ReadCase& c : kReadCases) {
    const TypedNumber read = ReadTypedNumber(c.typed, c.field);
    EXPECT_EQ(read.fault, c.fault) << c.typed << " " << c.field.name;
    EXPECT_EQ(read.value, c.value) << c.typed << " " << c.field.name;
  }
}

// LC_NUMERIC set to `name` while it lives, the one before put back however
// the test ends.
class NumericLocale {
 public:
  explicit NumericLocale(const char* name)
      : before_(std::setlocale(LC_NUMERIC, nullptr)), set_(std::setlocale(LC_NUMERIC, name) != nullptr) {}
  ~NumericLocale() { std::setlocale(LC_NUMERIC, before_.c_str()); }
  NumericLocale(const NumericLocale&) = delete;
  NumericLocale& operator=(const NumericLocale&) = delete;
  bool set() const { return set_; }

 private:
  std::string before_;
  bool set_;
};

}  // namespace

TEST(TypedNumber, ValueOrFaultOfEachField) { expectEachRead(); }

// A machine whose language writes a decimal comma reads every typed number
// as any other does.
TEST(TypedNumber, ReadTheSameUnderACommaLocale) {
  const NumericLocale german("de_DE.UTF-8");
  if (!german.set()) GTEST_SKIP() << "no de_DE.UTF-8 locale (scripts/setup.sh makes it)";
  expectEachRead();
}

TEST(TypedNumber, RefusalNamesTheFaultAndTheRange) {
  const struct {
    const char* typed;
    NumberField field;
    const char* text;
  } cases[] = {
      {"abc", kWeight, "WEIGHT is not a number!\r\rIt takes a number from 0 to 9999999."},
      {"-3", kWeight, "WEIGHT can't be less than 0!\r\rIt takes a number from 0 to 9999999."},
      {"40000", kCount, "PIGS can't be more than 32767!\r\rIt takes a number from 0 to 32767."},
      {"0", kPounds, "POUNDS can't be less than 1!\r\rIt takes a number from 1 to 2147483647."},
      {"9e999999", kPrice, "PRICE can't be more than 99999999!\r\rIt takes a number from 0 to 99999999."},
      {"9e999999", kWidePrice, "PRICE can't be more than 922337203685477!\r\rIt takes a number from 0 to 922337203685477."},
      {"-1e8", kPremium, "PREMIUM can't be less than -9999999!\r\rIt takes a number from -9999999 to 9999999."},
  };
  for (const auto& c : cases) {
    const Check refusal = CheckTypedNumber(c.typed, c.field, "T I T L E", 7, platform::vbInformation);
    ASSERT_TRUE(refusal) << c.typed;
    EXPECT_EQ(*refusal, (Refusal{c.text, "T I T L E", platform::vbInformation, 7})) << c.typed;
  }
  EXPECT_EQ(CheckTypedNumber("12", kCount, "T", 1), std::nullopt);
  EXPECT_EQ(NumberFaultText(kCount, F::None), "");
}

// A box that must not read 0: a text that is no number is told so first;
// one that its field stores as 0 gets the window's own message; any other
// goes through its field with the window's title, icon and box.
TEST(TypedNumber, ARequiredNumberIsNoNumberMissingOrItsFieldsFault) {
  const Refusal missing{"WEIGHT, is a required entry!", "T I T L E", platform::vbInformation, 4};
  const auto field = [&](const std::string& text) { return Refusal{text, "T I T L E", platform::vbInformation, 4}; };
  const struct {
    const char* typed;
    NumberField field;
    bool zero;     // ReadsAsZero
    Check check;   // CheckRequiredNumber
  } cases[] = {
      {"", kWeight, true, missing},
      {"  ", kCount, true, missing},
      {"0", kCount, true, missing},
      {"0.4", kCount, true, missing},
      {"-0.5", kCount, true, missing},
      {"0.6", kCount, false, std::nullopt},
      {"1e-50", kWeight, true, missing},
      {"-1e-50", kWeight, true, missing},
      {"1e-40", kWeight, false, std::nullopt},  // a Single holds it, below its normal numbers
      {"0.00004", kPrice, true, missing},
      {"0.00006", kPrice, false, std::nullopt},
      {"$1.20", kWeight, false, field("WEIGHT is not a number!\r\rIt takes a number from 0 to 9999999.")},
      {"abc", kPounds, false, field("POUNDS is not a number!\r\rIt takes a number from 1 to 2147483647.")},
      {"-3", kWeight, false, field("WEIGHT can't be less than 0!\r\rIt takes a number from 0 to 9999999.")},
      {"40000", kCount, false, field("PIGS can't be more than 32767!\r\rIt takes a number from 0 to 32767.")},
      {"-1e-50", kPremium, true, missing},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadsAsZero(c.typed, c.field), c.zero) << c.typed << " " << c.field.name;
    EXPECT_EQ(CheckRequiredNumber(c.typed, c.field, missing), c.check) << c.typed << " " << c.field.name;
  }
}
