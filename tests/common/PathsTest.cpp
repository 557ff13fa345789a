#include <gtest/gtest.h>

#include <string>

#include "common/Paths.h"

using namespace std::string_literals;

TEST(ChangeExtension, ReplacesAddsOrKeepsTheExtension) {
  EXPECT_EQ(ChangeExtension("TARLOWE.TXT", "INI"), "TARLOWE.INI");
  EXPECT_EQ(ChangeExtension("VMQ2007", "INI"), "VMQ2007.INI");
  EXPECT_EQ(ChangeExtension("A.B.C", "INI"), "A.B.INI");
  EXPECT_EQ(ChangeExtension("tarlowe.ini", "INI"), "tarlowe.ini");
  EXPECT_EQ(ChangeExtension("NAME.", "INI"), "NAME.INI");
}

TEST(ChangeExtension, EmptyOrBlankNameIsAnError) {
  EXPECT_EQ(ChangeExtension("", "INI"), "ERROR");
  EXPECT_EQ(ChangeExtension("   ", "INI"), "ERROR");
}

TEST(FolderAndFileNamePart, SplitAtTheLastSeparator) {
  EXPECT_EQ(FolderPart("C:\\A\\B.INI"), "C:\\A\\");
  EXPECT_EQ(FileNamePart("C:\\A\\B.INI"), "B.INI");
  EXPECT_EQ(FolderPart("/home/farm/app/TARLOWE.INI"), "/home/farm/app/");
  EXPECT_EQ(FileNamePart("/home/farm/app/TARLOWE.INI"), "TARLOWE.INI");
}

TEST(FolderAndFileNamePart, BareNameAndTrailingSeparator) {
  EXPECT_EQ(FolderPart("B.INI"), "");
  EXPECT_EQ(FileNamePart("B.INI"), "");  // not the whole text
  EXPECT_EQ(FolderPart("C:\\VQ2007\\"), "C:\\VQ2007\\");
  EXPECT_EQ(FileNamePart("C:\\VQ2007\\"), "");
  EXPECT_EQ(FolderPart(""), "");
  EXPECT_EQ(FileNamePart(""), "");
}

TEST(StripNulls, TrimsBlanksThenDropsNuls) {
  EXPECT_EQ(StripNulls("AB\0\0   "s), "AB");
  EXPECT_EQ(StripNulls("  A B  "), "A B");
  EXPECT_EQ(StripNulls(""), "");
  // The blank stands before the NUL, not at the end, so it stays.
  EXPECT_EQ(StripNulls("AB \0   "s), "AB ");
  EXPECT_EQ(StripNulls("\0A\0B"s), "AB");
}
