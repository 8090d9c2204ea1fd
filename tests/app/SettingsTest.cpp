#include "app/Settings.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

TSettings Defaults() {
  TSettings D;
  D.Left = 533;
  D.Top = 418;
  D.Width = 533;
  D.Height = 364;
  D.PageNo = DefaultPageNo;
  D.Scale = DefaultScale;
  D.ProgID = "BricscadApp.AcadApplication";
  return D;
}

TEST(Settings, WithoutAFileEverythingIsDefault) {
  TTempDir Dir;
  const TSettings S = ReadSettings(TIniFile(Dir / "quolsa.ini"), Defaults());
  EXPECT_EQ(S.Left, 533);
  EXPECT_EQ(S.Top, 418);
  EXPECT_EQ(S.FileName, "");
  EXPECT_EQ(S.PageNo, "1");
  EXPECT_EQ(S.Scale, "25.4");
  EXPECT_EQ(S.ProgID, "BricscadApp.AcadApplication");
}

TEST(Settings, StoredValuesAreTakenAsTheyStand) {
  TTempDir Dir;
  WriteFile(Dir / "quolsa.ini", "[Form]\nLeft=abc\nTop=-12\nWidth=900\nHeight=700\n"
                                "[PDF]\nFileName=/data/plan.pdf\nPageNo=seven\nScale=1/50\n"
                                "[Target]\nProgID=\n");
  const TSettings S = ReadSettings(TIniFile(Dir / "quolsa.ini"), Defaults());
  EXPECT_EQ(S.Left, 533); // not a number: the centred default
  EXPECT_EQ(S.Top, -12);
  EXPECT_EQ(S.Width, 533); // never read back
  EXPECT_EQ(S.Height, 364);
  EXPECT_EQ(S.FileName, "/data/plan.pdf");
  EXPECT_EQ(S.PageNo, "seven");
  EXPECT_EQ(S.Scale, "1/50");
  EXPECT_EQ(S.ProgID, ""); // an empty stored target stays empty
}

TEST(Settings, ANewFileGetsAllEightKeysInThreeSections) {
  TTempDir Dir;
  TIniFile Ini(Dir / "quolsa.ini");
  TSettings S = Defaults();
  S.Left = -4;
  S.PageNo = "";
  WriteSettings(Ini, S);
  EXPECT_EQ(ReadFile(Ini.FileName()), "[Form]\r\nWidth=533\r\nHeight=364\r\nLeft=-4\r\nTop=418\r\n"
                                      "[PDF]\r\nFileName=\r\nPageNo=\r\nScale=25.4\r\n"
                                      "[Target]\r\nProgID=BricscadApp.AcadApplication\r\n");
}

TEST(Settings, WritingThenReadingGivesTheValuesBack) {
  TTempDir Dir;
  TIniFile Ini(Dir / "quolsa.ini");
  TSettings S = Defaults();
  S.Left = 10;
  S.Top = 20;
  S.FileName = "/home/user/図面 1.pdf";
  S.PageNo = "12";
  S.Scale = "";
  S.ProgID = "Other.Application";
  WriteSettings(Ini, S);
  const TSettings Back = ReadSettings(Ini, Defaults());
  EXPECT_EQ(Back.Left, 10);
  EXPECT_EQ(Back.Top, 20);
  EXPECT_EQ(Back.FileName, S.FileName);
  EXPECT_EQ(Back.PageNo, "12");
  EXPECT_EQ(Back.Scale, ""); // written empty, read back empty, not the default
  EXPECT_EQ(Back.ProgID, "Other.Application");
}

TEST(Settings, CentredOriginTruncatesTowardZero) {
  EXPECT_EQ(CentredOrigin(1600, 533), 533);
  EXPECT_EQ(CentredOrigin(1200, 364), 418);
  EXPECT_EQ(CentredOrigin(400, 533), -66); // a window wider than the screen: -66.5
}

} // namespace
