// The scroll bar's range, page and clamped position.
#include "viewer/ScrollBarModel.h"

#include <gtest/gtest.h>

namespace {

TEST(ScrollBarModel, PositionIsClampedToOnePastTheLastFullView) {
  TScrollBarModel Bar;
  Bar.SetRange(1056, 400); // a page of 1056 pixels in a view of 400
  EXPECT_TRUE(Bar.Shown());
  EXPECT_EQ(Bar.LastPosition(), 657); // 1056 - 400 + 1: one background row shows at the end
  EXPECT_EQ(Bar.SetPosition(100), 100);
  EXPECT_EQ(Bar.SetPosition(5000), 657);
  EXPECT_EQ(Bar.SetPosition(-20), 0);
}

TEST(ScrollBarModel, NewRangeClampsTheOldPosition) {
  TScrollBarModel Bar;
  Bar.SetRange(2000, 500);
  Bar.SetPosition(1400);
  Bar.SetRange(1000, 500); // zoomed out
  EXPECT_EQ(Bar.Position(), 501);
  Bar.SetRange(3000, 500); // zoomed in again: the position stays where it was
  EXPECT_EQ(Bar.Position(), 501);
}

TEST(ScrollBarModel, HiddenBarKeepsItsPositionUntilShownAgain) {
  TScrollBarModel Bar;
  Bar.SetRange(2000, 500);
  Bar.SetPosition(300);
  Bar.Hide();
  EXPECT_FALSE(Bar.Shown());
  EXPECT_EQ(Bar.Position(), 300);
  Bar.SetRange(2000, 500);
  EXPECT_EQ(Bar.Position(), 300);
}

TEST(ScrollBarModel, PageAsLargeAsTheContentLeavesOnlyPositionZeroAndOne) {
  TScrollBarModel Bar;
  Bar.SetRange(500, 500);
  EXPECT_EQ(Bar.LastPosition(), 1);
  EXPECT_EQ(Bar.SetPosition(10), 1);
}

} // namespace
