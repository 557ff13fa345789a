#include <gtest/gtest.h>

#include <string>

#include "common/Scrambler.h"
#include "platform/FileSystem.h"
#include "support/TestPlatform.h"

namespace {
// The key the password file is scrambled with: 31 characters.
const std::string kKey = "5913KQT30481762-27740358WZ18264";
}  // namespace

TEST(ScrambleFile, OneByteTakesTheLastKeyCharacter) {
  TestPlatform tp;
  const std::string file = tp.path("TARLOWE.PWF");
  writeFile(file, "A");
  ASSERT_TRUE(ScrambleFile(file, file, kKey));
  EXPECT_EQ(readFile(file), std::string(1, static_cast<char>('A' ^ '4')));
}

TEST(ScrambleFile, KeyPositionsOverAFileOfTheKeysLength) {
  TestPlatform tp;
  const std::string file = tp.path("TARLOWE.PWF");
  writeFile(file, std::string(31, '\0'));
  ASSERT_TRUE(ScrambleFile(file, file, kKey));
  // Byte 0 takes character 31, bytes 1 to 30 characters 1 to 30.
  const std::string expected = kKey.substr(30) + kKey.substr(0, 30);
  EXPECT_EQ(readFile(file), expected);
}

TEST(ScrambleFile, KeyRepeatsFromByteK) {
  TestPlatform tp;
  const std::string file = tp.path("TARLOWE.PWF");
  writeFile(file, std::string(64, '\0'));
  ASSERT_TRUE(ScrambleFile(file, file, kKey));
  const std::string rotated = kKey.substr(30) + kKey.substr(0, 30);
  EXPECT_EQ(readFile(file), rotated + rotated + rotated.substr(0, 2));
}

TEST(ScrambleFile, TwiceRestoresTheFile) {
  TestPlatform tp;
  const std::string file = tp.path("TARLOWE.PWF");
  std::string original;
  for (int i = 0; i < 32 * 68; ++i) original.push_back(static_cast<char>((i * 37 + 11) & 0xFF));
  writeFile(file, original);
  ASSERT_TRUE(ScrambleFile(file, file, kKey));
  const std::string scrambled = readFile(file);
  EXPECT_EQ(scrambled.size(), original.size());
  EXPECT_NE(scrambled, original);
  ASSERT_TRUE(ScrambleFile(file, file, kKey));
  EXPECT_EQ(readFile(file), original);
}

TEST(ScrambleFile, EmptyFileStaysEmpty) {
  TestPlatform tp;
  const std::string file = tp.path("TARLOWE.PWF");
  writeFile(file, "");
  EXPECT_TRUE(ScrambleFile(file, file, kKey));
  EXPECT_TRUE(platform::fileExists(file));
  EXPECT_EQ(readFile(file), "");
}

TEST(ScrambleFile, LongerTargetKeepsItsTail) {
  TestPlatform tp;
  writeFile(tp.path("SOURCE"), "AB");
  writeFile(tp.path("TARGET"), "0123456789");
  ASSERT_TRUE(ScrambleFile(tp.path("SOURCE"), tp.path("TARGET"), "xy"));
  // Byte 0 takes "y", byte 1 takes "x".
  std::string expected = "0123456789";
  expected[0] = static_cast<char>('A' ^ 'y');
  expected[1] = static_cast<char>('B' ^ 'x');
  EXPECT_EQ(readFile(tp.path("TARGET")), expected);
  EXPECT_EQ(readFile(tp.path("SOURCE")), "AB");
}

TEST(ScrambleFile, MissingTargetIsMade) {
  TestPlatform tp;
  writeFile(tp.path("SOURCE"), "AB");
  ASSERT_TRUE(ScrambleFile(tp.path("SOURCE"), tp.path("NEW"), "xy"));
  const std::string expected = {static_cast<char>('A' ^ 'y'), static_cast<char>('B' ^ 'x')};
  EXPECT_EQ(readFile(tp.path("NEW")), expected);
}

TEST(ScrambleFile, MissingSourceFailsAndWritesNothing) {
  TestPlatform tp;
  EXPECT_FALSE(ScrambleFile(tp.path("NONE.PWF"), tp.path("NONE.PWF"), kKey));
  EXPECT_FALSE(platform::fileExists(tp.path("NONE.PWF")));
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST(ScrambleFile, UnwritableTargetFails) {
  TestPlatform tp;
  writeFile(tp.path("SOURCE"), "AB");
  EXPECT_FALSE(ScrambleFile(tp.path("SOURCE"), tp.path("NOFOLDER/TARGET"), kKey));
  EXPECT_EQ(readFile(tp.path("SOURCE")), "AB");
}

TEST(ScrambleFile, EmptyKeyIsRefused) {
  TestPlatform tp;
  const std::string file = tp.path("TARLOWE.PWF");
  writeFile(file, "SECRET");
  EXPECT_FALSE(ScrambleFile(file, file, ""));
  EXPECT_EQ(readFile(file), "SECRET");
}
