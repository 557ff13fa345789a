#include <gtest/gtest.h>

#include <string>

#include "common/KeyMask.h"
#include "common/NumberText.h"
#include "platform/Controls.h"

namespace {
// A name box that filters every key by `mask`.
struct MaskedBox {
  explicit MaskedBox(const std::string& m) : mask(m), box(nullptr, "Name") {
    box.onKeyPress = [this](int& key) { MaskKeyPress(&box, key, mask); };
  }
  // The key as the filter leaves it, typed with the caret where it stands.
  int filter(int key) {
    MaskKeyPress(&box, key, mask);
    return key;
  }
  std::string mask;
  platform::TextBox box;
};
}  // namespace

TEST(MaskKeyPress, NamesAreCapitalisedWordByWord) {
  MaskedBox name(kNameMask);
  name.box.Type("swine farm");
  EXPECT_EQ(name.box.Text(), "Swine Farm");
}

TEST(MaskKeyPress, TheTwentyThirdCharacterIsRefused) {
  MaskedBox name(kNameMask);
  name.box.Type("abcdefghijklmnopqrstuv");
  EXPECT_EQ(name.box.Text(), "Abcdefghijklmnopqrstuv");
  name.box.Type("w");
  EXPECT_EQ(name.box.Text(), "Abcdefghijklmnopqrstuv");
  EXPECT_EQ(name.filter('w'), 0);
  EXPECT_EQ(name.filter(' '), 0);
}

TEST(MaskKeyPress, TrailingBlanksDoNotCount) {
  MaskedBox name(kNameMask);
  name.box.SetText(std::string(21, 'A') + "   ");
  name.box.SetSelStart(21);
  EXPECT_EQ(name.filter('b'), 'b');
}

TEST(MaskKeyPress, BackspaceAndEnterAlwaysPass) {
  MaskedBox name(kNameMask);
  name.box.SetText(std::string(22, 'A'));
  EXPECT_EQ(name.filter(8), 8);
  EXPECT_EQ(name.filter(13), 13);
  name.box.Type("\b");
  EXPECT_EQ(name.box.Text(), std::string(21, 'A'));
}

TEST(MaskKeyPress, LettersAndBlankOnly) {
  MaskedBox name(kNameMask);
  name.box.Type("Sow 7 Pen!");
  EXPECT_EQ(name.box.Text(), "Sow  Pen");
  EXPECT_EQ(name.filter('5'), 0);
  EXPECT_EQ(name.filter(0xD7), 0);  // multiplication sign
  EXPECT_EQ(name.filter(0xDF), 0xDF);  // sharp s is a letter
}

TEST(MaskKeyPress, KeyAtTheStartGoesAfterTheFirstCharacter) {
  MaskedBox name(kNameMask);
  name.box.SetText("Farm");
  name.box.SetSelStart(0);
  name.box.Type("x");
  EXPECT_EQ(name.box.Text(), "Fxarm");
}

TEST(MaskKeyPress, CapitalAfterABlankAnywhere) {
  MaskedBox name(kNameMask);
  name.box.SetText("Big  farm");
  name.box.SetSelStart(4);  // after the first blank
  name.box.Type("r");
  EXPECT_EQ(name.box.Text(), "Big R farm");
  name.box.SetSelStart(3);  // after "Big"
  EXPECT_EQ(name.filter('q'), 'q');
}

TEST(MaskKeyPress, AccentedLettersTakeTheirCapitals) {
  MaskedBox name(kNameMask);
  name.box.Type("\xE9leveur \xFF");
  EXPECT_EQ(name.box.Text(), "\xC9leveur \x9F");
}

TEST(MaskKeyPress, UpperAndLowerCaseMasks) {
  platform::TextBox box(nullptr, "Code");
  int key = 'q';
  MaskKeyPress(&box, key, "AA-----");
  EXPECT_EQ(key, 'Q');
  key = ' ';
  MaskKeyPress(&box, key, "AA-----");
  EXPECT_EQ(key, ' ');
  key = 0xE7;
  MaskKeyPress(&box, key, "AA-----");
  EXPECT_EQ(key, 0xC7);
  key = 'Q';
  MaskKeyPress(&box, key, "aa-----");
  EXPECT_EQ(key, 'q');
  box.SetText("abcdefg");
  key = 'h';
  MaskKeyPress(&box, key, "aa-----");
  EXPECT_EQ(key, 0);  // 7 characters fill a 7-character mask
}

TEST(MaskKeyPress, ClassesOfOtherMasks) {
  // The class comes from the mask's first character alone.
  const struct {
    int key;
    const char* mask;
    int passed;
  } cases[] = {
      {'7', "000000", '7'}, {'k', "000000", 'k'}, {' ', "000000", 0},   {'-', "000000", 0},
      {' ', "@@-----", 0},  {'!', "@@-----", '!'}, {' ', "#####", ' '}, {'!', "", '!'},
      {' ', "0A----", 0},   {'7', "A00000", 0},    {'7', "a0", 0},      {'!', "A@@@@", 0},
      {'!', "@A", '!'},     {' ', "@#", 0},        {'7', "#A", '7'},    {'!', "#0", '!'},
      {'-', "0@", 0},       {'k', "0#", 'k'},
  };
  for (const auto& c : cases) {
    platform::TextBox box(nullptr, "Code");
    int key = c.key;
    MaskKeyPress(&box, key, c.mask);
    EXPECT_EQ(key, c.passed) << static_cast<char>(c.key) << " with \"" << c.mask << "\"";
  }
}

TEST(MaskKeyPress, NoCasePrefixNoLengthRuleAndNoCaseChange) {
  platform::TextBox box(nullptr, "Code");
  box.SetText("abcdef");
  int key = 'x';
  MaskKeyPress(&box, key, "A");
  EXPECT_EQ(key, 'x');
}

TEST(MaskKeyPress, WordCapitalsWithAtMask) {
  platform::TextBox box(nullptr, "Code");
  int key = 'a';
  MaskKeyPress(&box, key, "@@-----");
  EXPECT_EQ(key, 'A');
}

TEST(MaskKeyPress, OtherControlsAreNeverChanged) {
  platform::MultiLineTextBox notes(nullptr, "Notes");
  int key = '5';
  MaskKeyPress(&notes, key, kNameMask);
  EXPECT_EQ(key, '5');
  key = 'a';
  MaskKeyPress(nullptr, key, kNameMask);
  EXPECT_EQ(key, 'a');
}

TEST(CharacterClasses1252, LettersDigitsAndCase) {
  EXPECT_TRUE(IsLetter1252('a'));
  EXPECT_TRUE(IsLetter1252('\xC0'));
  EXPECT_TRUE(IsLetter1252('\x8A'));  // S caron
  EXPECT_TRUE(IsLetter1252('\x83'));  // f with hook
  EXPECT_FALSE(IsLetter1252('\xF7'));  // division sign
  EXPECT_FALSE(IsLetter1252('5'));
  EXPECT_FALSE(IsLetter1252('\x80'));  // euro sign
  EXPECT_TRUE(IsLetterOrDigit1252('5'));
  EXPECT_FALSE(IsLetterOrDigit1252(' '));
  EXPECT_EQ(UCaseChar('\x9A'), '\x8A');
  EXPECT_EQ(LCaseChar('\x9F'), '\xFF');
  for (const char c : {'A', '\xC9'}) EXPECT_EQ(LCaseChar(c), static_cast<char>(c + 32));
  EXPECT_EQ(UCaseChar('\xDF'), '\xDF');  // sharp s has no single capital
  EXPECT_EQ(UCaseChar('1'), '1');
}
