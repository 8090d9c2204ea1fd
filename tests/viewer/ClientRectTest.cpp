// Rectangle arithmetic of the page image: what one rectangle leaves of another, the bounds of a
// list, containment.
#include "viewer/ClientRect.h"

#include <gtest/gtest.h>

namespace {

long Area(const TRect& R) {
  return IsEmptyRect(R) ? 0 : long{R.Right - R.Left} * (R.Bottom - R.Top);
}

TEST(ClientRect, SubtractLeavesTheUncoveredPixelsOnce) {
  const TRect A{0, 0, 100, 80};
  struct TCase {
    TRect B;
    std::size_t Parts;
  } Cases[] = {
      {{20, 10, 70, 60}, 4},    // inside: a frame of four parts
      {{-10, -10, 50, 200}, 1}, // covers the left half
      {{0, 0, 100, 30}, 1},     // the top band
      {{-5, -5, 200, 200}, 0},  // covers everything
      {{100, 0, 150, 80}, 1},   // only touches: nothing taken
      {{50, 40, 50, 60}, 1},    // empty
      {{90, 70, 120, 100}, 2},  // a corner
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(::testing::Message()
                 << C.B.Left << "," << C.B.Top << "," << C.B.Right << "," << C.B.Bottom);
    const std::vector<TRect> Parts = SubtractRect(A, C.B);
    EXPECT_EQ(Parts.size(), C.Parts);
    long Total = 0;
    for (std::size_t I = 0; I < Parts.size(); ++I) {
      EXPECT_TRUE(ContainsRect(A, Parts[I]));
      EXPECT_TRUE(IsEmptyRect(IntersectRect(Parts[I], C.B)));
      for (std::size_t J = I + 1; J < Parts.size(); ++J)
        EXPECT_TRUE(IsEmptyRect(IntersectRect(Parts[I], Parts[J])));
      Total += Area(Parts[I]);
    }
    EXPECT_EQ(Total, Area(A) - Area(IntersectRect(A, C.B)));
  }
  EXPECT_TRUE(SubtractRect({5, 5, 5, 9}, A).empty()) << "nothing is left of nothing";
}

TEST(ClientRect, BoundsAndContainment) {
  EXPECT_EQ(BoundingRect({{10, 20, 30, 40}, {0, 50, 5, 55}, {100, 100, 100, 200}}),
            (TRect{0, 20, 30, 55}))
      << "empty rectangles add nothing";
  EXPECT_TRUE(IsEmptyRect(BoundingRect({})));
  EXPECT_TRUE(ContainsRect({0, 0, 10, 10}, {0, 0, 10, 10}));
  EXPECT_FALSE(ContainsRect({0, 0, 10, 10}, {5, 5, 11, 6}));
  EXPECT_TRUE(ContainsRect({0, 0, 10, 10}, {50, 50, 50, 50}));
  EXPECT_EQ(OffsetRect({1, 2, 3, 4}, 10, -2), (TRect{11, 0, 13, 2}));
}

} // namespace
