// The target list file: encodings by byte-order mark, line ends, the line's two parts, the caption
// search, and saving in one step.
#include "cad/TargetList.h"
#include "TempDir.h"
#include "cad/TargetProgID.h"
#include "platform/DynamicLibrary.h"
#include "platform/FileContents.h"
#include "platform/TextEncoding.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

std::string System8Bit(const std::string& Text) {
  return platform::TTextEncoding::System8Bit().Encode(Text);
}

TEST(TargetList, ReadsEachEncodingByItsMarkAndEveryLineEnd) {
  struct TCase {
    const char* Name;
    std::string Bytes;
    Lines Expected;
    TTargetListEncoding Encoding;
  };
  const TCase Cases[] = {
      {"empty", "", {}, tleSystem8Bit},
      {"CR LF",
       "BricsCAD\tBricscadApp.AcadApplication\r\nB\tC\r\n",
       {"BricsCAD\tBricscadApp.AcadApplication", "B\tC"},
       tleSystem8Bit},
      {"mixed ends, none at the end", "A\rB\nC\r\nD", {"A", "B", "C", "D"}, tleSystem8Bit},
      {"empty lines inside", "A\r\n\r\nB\n\n", {"A", "", "B", ""}, tleSystem8Bit},
      {"a lone break", "\n", {""}, tleSystem8Bit},
      {"no TAB, two TABs", "name only\nA\tB\tC\n", {"name only", "A\tB\tC"}, tleSystem8Bit},
      {"8-bit code page", System8Bit("図面\tX\r\n"), {"図面\tX"}, tleSystem8Bit},
      {"UTF-8", "\xEF\xBB\xBF図面\tX\r\n", {"図面\tX"}, tleUtf8},
      {"UTF-16 LE", "\xFF\xFE\xF3\x56\t\0B\0\r\0\n\0C\0"s, {"図\tB", "C"}, tleUtf16LE},
      {"UTF-16 BE", "\xFE\xFF\x56\xF3\0\t\0B\0\r"s, {"図\tB"}, tleUtf16BE},
      {"UTF-16 LE, half a unit at the end",
       "\xFF\xFE"
       "A\0B"s,
       {"A"},
       tleUtf16LE},
      {"a mark only", "\xEF\xBB\xBF", {}, tleUtf8}};
  for (const TCase& Case : Cases) {
    const TTargetListText Text = ParseTargetList(Case.Bytes);
    EXPECT_EQ(Text.Lines, Case.Expected) << Case.Name;
    EXPECT_EQ(Text.Encoding, Case.Encoding) << Case.Name;
  }
}

TEST(TargetList, WritesTheMarkOfItsEncodingAndCrLfAfterEveryLine) {
  const Lines Two = {"図\tB", ""};
  EXPECT_EQ(FormatTargetList(Two, tleUtf8), "\xEF\xBB\xBF図\tB\r\n\r\n");
  EXPECT_EQ(FormatTargetList(Two, tleUtf16LE), "\xFF\xFE\xF3\x56\t\0B\0\r\0\n\0\r\0\n\0"s);
  EXPECT_EQ(FormatTargetList(Two, tleUtf16BE), "\xFE\xFF\x56\xF3\0\t\0B\0\r\0\n\0\r\0\n"s);
  EXPECT_EQ(FormatTargetList(Two, tleSystem8Bit), System8Bit("図\tB\r\n\r\n"));
  EXPECT_EQ(FormatTargetList({}, tleUtf8), "\xEF\xBB\xBF");
  EXPECT_EQ(FormatTargetList({}, tleSystem8Bit), "");
}

TEST(TargetList, LineSplitsAtItsFirstTab) {
  struct TCase {
    const char* Line;
    const char* Name;
    const char* ProgID;
  };
  for (const TCase Case :
       {TCase{"BricsCAD\tBricscadApp.AcadApplication", "BricsCAD", "BricscadApp.AcadApplication"},
        TCase{"A\tB\tC", "A", "B\tC"}, TCase{"no tab", "", "no tab"}, TCase{"\t", "", ""},
        TCase{"", "", ""}}) {
    const TTargetEntry Entry = SplitTargetLine(Case.Line);
    EXPECT_EQ(Entry.Name, Case.Name) << Case.Line;
    EXPECT_EQ(Entry.ProgID, Case.ProgID) << Case.Line;
  }
  EXPECT_EQ(JoinTargetLine("", ""), "\t");
}

TEST(TargetList, CaptionNameIsWhatStandsBeforeTheTabFollowedByTheProgID) {
  struct TCase {
    const char* Name;
    Lines File;
    std::string ProgID;
    std::optional<std::string> Caption;
  };
  const TCase Cases[] = {
      {"exact",
       {"Other\tOther.App", "BricsCAD\tBricscadApp.AcadApplication"},
       "BricscadApp.AcadApplication",
       "BricsCAD"},
      {"suffixed ProgID",
       {"BricsCAD V24\tBricscadApp.AcadApplication.24"},
       "BricscadApp.AcadApplication",
       "BricsCAD V24"},
      {"two TABs", {"A\tB\tBricscadApp.AcadApplication"}, "BricscadApp.AcadApplication", "A\tB"},
      {"empty ProgID: the first line with a TAB", {"no tab", "First\tX", "Second\tY"}, "", "First"},
      {"case matters",
       {"BricsCAD\tbricscadapp.acadapplication"},
       "BricscadApp.AcadApplication",
       std::nullopt},
      {"no TAB before it",
       {"BricscadApp.AcadApplication"},
       "BricscadApp.AcadApplication",
       std::nullopt},
      {"empty file", {}, "X", std::nullopt}};
  for (const TCase& Case : Cases)
    EXPECT_EQ(CaptionNameOf(Case.File, Case.ProgID), Case.Caption) << Case.Name;
  EXPECT_EQ(TargetCaption("QUOLSA Ver.0.92", "BricsCAD"), "QUOLSA Ver.0.92 [ BricsCAD ]");
}

TEST(TargetList, ThePackagedListNamesTheDefaultTarget) {
  const std::optional<std::string> Bytes = platform::ReadFileContents(
      QUOLSA_TEST_DATA "/../../packaging/windows/TargetCAD_APIVersion.txt");
  if (!Bytes)
    GTEST_SKIP() << "the sources are not reachable from here";
  const TTargetListText List = ParseTargetList(*Bytes);
  ASSERT_FALSE(List.Lines.empty());
  EXPECT_EQ(SplitTargetLine(List.Lines.front()).ProgID, DefaultTargetProgID);
  EXPECT_EQ(CaptionNameOf(List.Lines, DefaultTargetProgID), "BricsCAD");
}

class TargetListFile : public ::testing::Test {
protected:
  std::string FileName() const { return TargetListFilePath(Dir.Path()); }
  TTempDir Dir;
};

TEST_F(TargetListFile, MissingFileIsNoListAndAFileReadIsWrittenBackInItsEncoding) {
  EXPECT_EQ(FileName(), Dir.Path() + platform::PathDelimiter + "TargetCAD_APIVersion.txt");
  EXPECT_FALSE(ReadTargetListFile(FileName()));
  for (const std::string& Bytes : {"\xEF\xBB\xBF"
                                   "A\tB\nC\tD"s,
                                   "\xFE\xFF\0A\0\t\0B"s, System8Bit("図\tB\r\n")}) {
    ASSERT_TRUE(platform::WriteFileContents(FileName(), Bytes));
    const std::optional<TTargetListText> Read = ReadTargetListFile(FileName());
    ASSERT_TRUE(Read);
    WriteTargetListFile(FileName(), *Read);
    EXPECT_EQ(platform::ReadFileContents(FileName()),
              FormatTargetList(Read->Lines, Read->Encoding));
    EXPECT_TRUE(platform::ReadFileContents(FileName())->ends_with("\r\n"s) ||
                platform::ReadFileContents(FileName())->ends_with("\r\0\n\0"s) ||
                platform::ReadFileContents(FileName())->ends_with("\0\r\0\n"s));
  }
}

TEST_F(TargetListFile, FailedSaveNamesTheFileAndLeavesItAsItWas) {
  ASSERT_TRUE(platform::WriteFileContents(FileName(), "Old\tOne\r\n"));
  // Every name the new content could be written under beside it is taken.
  for (int N = 0; N < 1000; ++N)
    std::filesystem::create_directory(FileName() + ".~" + std::to_string(N) + ".tmp");
  try {
    WriteTargetListFile(FileName(), {{"New\tOne"}, tleUtf8});
    FAIL() << "no error";
  } catch (const EFCreateError& E) {
    EXPECT_TRUE(
        std::string(E.what()).starts_with("ファイル \"" + FileName() + "\" を作成できません。"))
        << E.what();
  }
  EXPECT_EQ(platform::ReadFileContents(FileName()), "Old\tOne\r\n");
}

TEST_F(TargetListFile, NameTakenByAFolderIsNoListAndCannotBeSaved) {
  std::filesystem::create_directory(FileName());
  EXPECT_FALSE(ReadTargetListFile(FileName()));
  EXPECT_THROW(WriteTargetListFile(FileName(), {{"A\tB"}, tleUtf8}), EFCreateError);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()),
                          std::filesystem::directory_iterator()),
            1)
      << "the new content written beside it was not removed";
}

} // namespace
