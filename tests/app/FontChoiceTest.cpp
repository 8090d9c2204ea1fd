#include "app/FontChoice.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(FontChoice, TahomaFirstThenASansSerifFaceWithJapaneseGlyphs) {
  struct TCase {
    std::set<std::string> Installed;
    std::string Chosen;
  } Cases[] = {
      {{"Tahoma", "IPAPGothic", "DejaVu Sans"}, "Tahoma"},
      {{"IPAGothic", "IPAPGothic", "IPAMincho"}, "IPAPGothic"},
      {{"IPAMincho", "Noto Sans CJK JP"}, "Noto Sans CJK JP"},
      {{"DejaVu Sans", "IPAMincho"}, ""}, // a serif face is no substitute
  };
  for (const TCase& C : Cases)
    EXPECT_EQ(ChooseFaceName([&](const std::string& F) { return C.Installed.count(F) > 0; }),
              C.Chosen);
}

} // namespace
