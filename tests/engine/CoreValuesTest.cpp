// The small value types and tables of the object layer.
#include "EngineTestSupport.h"

namespace {

TEST(Geometry, PointAndRectOperations) {
  TPdfPoint P{1.5, -2};
  P.Offset(1, 3);
  EXPECT_EQ(P, (TPdfPoint{2.5, 1}));
  EXPECT_EQ(TPdfPoint::Empty(), (TPdfPoint{0, 0}));
  TPdfRect R{1, 2, 3, 4};
  R.Offset(10, 20);
  EXPECT_EQ(R, (TPdfRect{11, 22, 13, 24}));
  EXPECT_EQ(R.TopLeft(), (TPdfPoint{11, 22}));
  EXPECT_EQ(R.BottomRight(), (TPdfPoint{13, 24}));
  EXPECT_EQ(TPdfRect::Empty(), (TPdfRect{0, 0, 0, 0}));
}

TEST(Geometry, RenderOptionsBecomeEngineFlags) {
  struct TCase {
    TPdfPageRenderOptionType Option;
    int Flag;
  };
  const TCase Cases[] = {
      {proAnnotations, 0x01}, {proLCDOptimized, 0x02},           {proNoNativeText, 0x04},
      {proNoCatch, 0x100},    {proLimitedImageCacheSize, 0x200}, {proForceHalftone, 0x400},
      {proPrinting, 0x800},   {proReverseByteOrder, 0x10}};
  int All = 0;
  TPdfPageRenderOptions Set;
  for (const TCase& Case : Cases) {
    EXPECT_EQ(EngineRenderFlags({Case.Option}), Case.Flag) << Case.Option;
    Set.Include(Case.Option);
    All |= Case.Flag;
  }
  EXPECT_EQ(EngineRenderFlags(Set), All);
  EXPECT_EQ(EngineRenderFlags({}), 0);
  Set.Exclude(proPrinting);
  EXPECT_FALSE(Set.Contains(proPrinting));
  EXPECT_EQ(EngineRenderFlags(Set), All & ~0x800);
}

TEST(Errors, EngineErrorMessages) {
  const std::pair<unsigned long, const char*> Cases[] = {
      {0, "No error"},
      {1, "Unknown error"},
      {2, "File not found or can't be opened"},
      {3, "File is not a PDF document or is corrupted"},
      {4, "Password required oder invalid password"},
      {5, "Security schema is not support"},
      {6, "Page does not exist or data error"},
      {7, "Unknown error"},
  };
  for (const auto& [Code, Message] : Cases) {
    EXPECT_STREQ(EngineErrorMessage(Code), Message);
    try {
      RaiseEngineError(Code);
    } catch (const EPdfException& E) {
      EXPECT_STREQ(E.what(), Message);
    }
  }
  const EPdfArgumentOutOfRange E("Index", -3);
  EXPECT_STREQ(E.what(), "Function argument \"Index\" (-3) out of range");
}

TEST(UnsupportedFeatures, NamesOfTheCodes) {
  const std::pair<int, const char*> Cases[] = {
      {1, "XFA"},
      {2, "Portfolios_Packages"},
      {3, "Attachment"},
      {16, "Attachment"},
      {4, "Rights_Management"},
      {5, "Shared_Review"},
      {6, "Shared_Form"},
      {7, "Shared_Form"},
      {8, "Shared_Form"},
      {9, "Unknown"},
      {10, "Unknown"},
      {11, "3D"},
      {12, "Movie"},
      {13, "Sound"},
      {14, "Screen"},
      {15, "Screen"},
      {17, "Digital_Signature"},
      {0, "Unknown"},
      {18, "Unknown"},
  };
  for (const auto& [Code, Name] : Cases)
    EXPECT_EQ(UnsupportedFeatureName(Code), Name) << Code;
}

TEST(Unicode, ConversionsBothWays) {
  const std::u16string Text = u"Plan \u56F3\u9762 \U0001F4D0";
  const std::string Utf8 = "Plan \xE5\x9B\xB3\xE9\x9D\xA2 \xF0\x9F\x93\x90";
  EXPECT_EQ(Utf16ToUtf8(Text), Utf8);
  EXPECT_EQ(Utf8ToUtf16(Utf8), Text);
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToUtf16("a\xC0\xAF"
                        "b"),
            u"a\uFFFD\uFFFDb");                        // overlong form
  EXPECT_EQ(Utf8ToUtf16("\xE5\x9B"), u"\uFFFD\uFFFD"); // cut short
}

} // namespace
