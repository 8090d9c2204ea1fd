// The arithmetic of the view commands and the page display.
#include "app/ViewCommands.h"
#include "platform/FilePath.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(ViewCommands, ZoomInSteps) {
  std::vector<int> Seen;
  for (int Zoom = 100, I = 0; I < 12; ++I)
    Seen.push_back(Zoom = ZoomedIn(Zoom));
  EXPECT_EQ(Seen, (std::vector<int>{120, 144, 172, 206, 247, 296, 355, 426, 511, 613, 735, 882}));
  EXPECT_EQ(ZoomedIn(250), 300);
  EXPECT_EQ(ZoomedIn(9000), 10800) << "the viewer clamps, not the command";
  for (int Zoom = 1; Zoom <= 4; ++Zoom)
    EXPECT_EQ(ZoomedIn(Zoom), Zoom) << "at 4 percent or less zooming in changes nothing";
}

TEST(ViewCommands, ZoomOutSteps) {
  std::vector<int> Seen;
  for (int Zoom = 100, I = 0; I < 17; ++I)
    Seen.push_back(Zoom = std::max(ZoomedOut(Zoom), 1)); // the viewer keeps at least 1
  EXPECT_EQ(Seen, (std::vector<int>{80, 64, 51, 40, 32, 25, 20, 16, 12, 9, 7, 5, 4, 3, 2, 1, 1}));
}

TEST(ViewCommands, QuarterTurnsEachWay) {
  TPdfPageRotation R = prNormal;
  std::vector<TPdfPageRotation> Right, Left;
  for (int I = 0; I < 4; ++I)
    Right.push_back(R = RotatedRight(R));
  EXPECT_EQ(Right, (std::vector{pr90Clockwise, pr180, pr90CounterClockwide, prNormal}));
  for (int I = 0; I < 4; ++I)
    Left.push_back(R = RotatedLeft(R));
  EXPECT_EQ(Left, (std::vector{pr90CounterClockwide, pr180, pr90Clockwise, prNormal}));
  EXPECT_EQ(RotatedLeft(RotatedRight(pr180)), pr180);
}

TEST(ViewCommands, PageDisplay) {
  EXPECT_EQ(PageLabel(0, 12), "1 / 12");
  EXPECT_EQ(PageLabel(0, 0), "1 / 0");
  EXPECT_EQ(PageLabel("7", 5), "7 / 5");
  EXPECT_EQ(PageLabel("seven", 5), "seven / 5");
  struct TCase {
    const char* Text;
    int Default, Index;
  } Cases[] = {
      {"3", 0, 2},     {"0", 0, -1},           {"", 0, -1},
      {"999", 0, 998}, {"abc", 1, 0},          {"+4", 1, 3},
      {"-2", 0, -3},   {"99999999999", 0, -1}, {"-2147483648", 0, INT_MIN},
  };
  for (const TCase& C : Cases)
    EXPECT_EQ(PageIndexOfText(C.Text, C.Default), C.Index) << '"' << C.Text << '"';
}

TEST(ViewCommands, OnlyNamesEndingInPdfOpen) {
  struct TCase {
    const char* Name;
    bool Opens;
  } Cases[] = {
      {"/home/u/plan.pdf", true},      {"/home/u/PLAN.PDF", true}, {"/home/u/plan.Pdf", true},
      {"/home/u/plan.pdf.txt", false}, {"/home/u/plan", false},    {"/home/u/plan.pd", false},
      {"/home/u/v1.pdf/plan", false},  {"/home/u/.pdf", true},     {"/home/u/図面 一.pdf", true},
      {"/home/u/plan.pdf ", false},
  };
  for (const TCase& C : Cases)
    EXPECT_EQ(HasPdfExtension(C.Name), C.Opens) << C.Name;
  EXPECT_EQ(platform::ExtractFileExt("/a.b/c.tar.gz"), ".gz");
  EXPECT_EQ(platform::ExtractFileExt("/a.b/c"), "");
}

TEST(ViewCommands, WheelNotchInTheWindowAsTable) {
  struct TCase {
    bool Inside, Modifier;
    TPdfControlScaleMode Mode;
    bool TowardUser;
    TWheelAction Action;
  } Cases[] = {
      {true, false, smFitAuto, true, waNextPage}, {true, false, smFitWidth, false, waPrevPage},
      {true, false, smZoom, true, waNone},        {true, true, smFitHeight, true, waSwitchToZoom},
      {true, true, smZoom, false, waNone},        {false, false, smFitAuto, true, waNone},
      {false, true, smFitAuto, true, waNone},
  };
  for (const TCase& C : Cases)
    EXPECT_EQ(MainWindowWheelAction(C.Inside, C.Modifier, C.Mode, C.TowardUser), C.Action)
        << C.Inside << C.Modifier << C.Mode << C.TowardUser;
}

} // namespace
