// The page image built in steps, against the real engine: the finished image is the picture of one
// render call, the part on screen comes first, a page that renders within one step is one render,
// the form layer's changes render only their part, and pieces follow the view.
#include "viewer/PageImage.h"

#include "engine/PdfEngineCore.h"
#include "viewer/ClientRect.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

using TClock = TPageImage::TClock;

constexpr TColor Paper = 0xDDEEFF; // 0x00BBGGRR

// The engine beside the test executable, set before any document exists.
struct TTestEngine {
  TTestEngine() {
    const auto Exe = std::filesystem::read_symlink("/proc/self/exe");
    SetEngineDirectory((Exe.parent_path() / "PDFium" / "x64").string());
  }
};

class PageImage : public ::testing::Test, private TTestEngine {
protected:
  TPdfPage* Open(const std::string& Path, int Index = 0) {
    Document.LoadFromFile(Path);
    return Document.Pages(Index);
  }
  TPdfDocument Document;
};

std::string Fixture(const char* Name) {
  return std::string(QUOLSA_TEST_DATA) + "/" + Name;
}

// The page drawn on paper in one call, at the image's size.
TOffscreenSurface OneCall(TPdfPage& Page, const TPageDrawing& How) {
  TOffscreenSurface S({0, 0, How.Width, How.Height}, Paper);
  Page.DrawOnPaper(S.Surface(), 0, 0, How.Width, How.Height, How.Rotation, How.Options);
  return S;
}

// What the image paints over the area R of the page, drawn with the page's corner at (0, 0).
TOffscreenSurface Painted(const TPageImage& Image, const TRect& R) {
  TOffscreenSurface S(R);
  Image.Paint(S, 0, 0);
  return S;
}

// Pixels of A and B over their common area that differ.
long Differences(const TOffscreenSurface& A, const TOffscreenSurface& B, const TRect& R) {
  long Count = 0;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X)
      Count += A.PixelAt(X, Y) != B.PixelAt(X, Y);
  return Count;
}

// Steps as the window's idle time would, until the image is complete; the number of steps.
int StepToEnd(TPageImage& Image) {
  int Steps = 0;
  while (!Image.Complete() && Steps < 100000) {
    Image.Step(TClock::now() + std::chrono::milliseconds(25), false);
    ++Steps;
  }
  return Steps;
}

TEST_F(PageImage, TheFinishedImageIsThePictureOfOneRenderCall) {
  struct TCase {
    const char* What;
    TPageDrawing How;
    TRect View;
  } Cases[] = {
      {"all on screen", {800, 565, prNormal, {}}, {0, 0, 800, 565}},
      {"part on screen first", {1200, 848, prNormal, {}}, {200, 100, 700, 400}},
      {"turned, part on screen", {565, 800, pr90Clockwise, {}}, {0, 300, 565, 800}},
  };
  TPdfPage* Page = Open(QUOLSA_HEAVY_DRAWING, 1);
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.What);
    TPageImage Image(*Page, C.How, Paper, true);
    Image.SetView(C.View);
    EXPECT_GT(StepToEnd(Image), 1) << "the heavy drawing takes more than one step";
    const TRect All{0, 0, C.How.Width, C.How.Height};
    EXPECT_EQ(Differences(Painted(Image, All), OneCall(*Page, C.How), All), 0);
    if (ContainsRect(C.View, All)) {
      EXPECT_EQ(Image.Renders(), 1) << "the whole image serves the view and is never broken off";
    }
  }
}

TEST_F(PageImage, ThePartOnScreenIsCompleteFirstAndFollowsTheView) {
  TPdfPage* Page = Open(QUOLSA_HEAVY_DRAWING);
  const TPageDrawing How{1200, 848, prNormal, {}};
  const TOffscreenSurface Reference = OneCall(*Page, How);
  TPageImage Image(*Page, How, Paper, true);
  for (const TRect& View : {TRect{0, 0, 400, 300}, TRect{700, 500, 1100, 800}}) {
    SCOPED_TRACE(View.Left);
    Image.SetView(View);
    while (!Image.ViewComplete())
      Image.Step(TClock::now() + std::chrono::milliseconds(25), false);
    EXPECT_FALSE(Image.Complete()) << "the rest of the image comes later";
    // Rendered on its own, the part on screen is what one call draws of just that part.
    TOffscreenSurface Part(View, Paper);
    Page->DrawOnPaper(Part.Surface(), -View.Left, -View.Top, How.Width, How.Height, prNormal, {});
    EXPECT_EQ(Differences(Painted(Image, View), Part, View), 0);
  }
  StepToEnd(Image);
  const TRect All{0, 0, How.Width, How.Height};
  EXPECT_EQ(Differences(Painted(Image, All), Reference, All), 0);
}

TEST_F(PageImage, APageRenderedWithinOneStepIsOneRender) {
  TPdfPage* Page = Open(Fixture("one-page.pdf"));
  TPageImage Image(*Page, {400, 600, prNormal, {}}, Paper, true);
  Image.SetView({0, 0, 100, 100});
  Image.Step(TClock::now() + std::chrono::seconds(10), true);
  EXPECT_TRUE(Image.Complete());
  EXPECT_EQ(Image.Renders(), 1) << "no piece of the view before the whole image";
}

TEST_F(PageImage, NothingRenderedShowsThePaper) {
  TPdfPage* Page = Open(QUOLSA_HEAVY_DRAWING);
  for (const bool Cached : {true, false}) {
    TPageImage Image(*Page, {2000, 1413, prNormal, {}}, Paper, Cached);
    Image.SetView({100, 100, 500, 400});
    const TOffscreenSurface S = Painted(Image, {0, 0, 600, 500});
    for (const auto& [X, Y] : {std::pair{0, 0}, {300, 250}, {599, 499}})
      EXPECT_EQ(S.PixelAt(X, Y), ColorToPixel(Paper)) << Cached << " " << X << "," << Y;
  }
}

TEST_F(PageImage, WithoutCacheOnlyTheViewIsRenderedAndNewPartsOnly) {
  TPdfPage* Page = Open(QUOLSA_HEAVY_DRAWING);
  const TPageDrawing How{4000, 2825, prNormal, {}};
  TPageImage Image(*Page, How, Paper, false);
  EXPECT_FALSE(Image.Cached());
  Image.SetView({1000, 1000, 1400, 1300});
  StepToEnd(Image);
  EXPECT_EQ(Image.Renders(), 1);
  EXPECT_EQ(Image.TakeFinished(), (std::vector<TRect>{{1000, 1000, 1400, 1300}}));
  // A scroll step down: only the strip it uncovers is rendered.
  Image.SetView({1000, 1050, 1400, 1350});
  EXPECT_FALSE(Image.ViewComplete());
  StepToEnd(Image);
  EXPECT_EQ(Image.Renders(), 2);
  EXPECT_EQ(Image.TakeFinished(), (std::vector<TRect>{{1000, 1300, 1400, 1350}}));
  // Far away: the old pieces are let go, and the new part shows the paper until rendered.
  Image.SetView({3000, 2000, 3400, 2300});
  EXPECT_EQ(Painted(Image, {3000, 2000, 3400, 2300}).PixelAt(3200, 2200), ColorToPixel(Paper));
  StepToEnd(Image);
  EXPECT_EQ(Image.Renders(), 3);
  const TRect View{3000, 2000, 3400, 2300};
  TOffscreenSurface Reference(View, Paper);
  Page->DrawOnPaper(Reference.Surface(), -View.Left, -View.Top, How.Width, How.Height, prNormal,
                    {});
  EXPECT_EQ(Differences(Painted(Image, View), Reference, View), 0);
}

TEST_F(PageImage, AClosedPageIsRenderedAgainFromTheStart) {
  TPdfPage* Page = Open(QUOLSA_HEAVY_DRAWING);
  const TPageDrawing How{800, 565, prNormal, {}};
  TPageImage Image(*Page, How, Paper, true);
  Image.SetView({0, 0, 800, 565});
  Image.Step(TClock::now(), false);
  ASSERT_FALSE(Image.Complete());
  Page->Close(); // the render under way is abandoned with the page's handle
  StepToEnd(Image);
  EXPECT_EQ(Image.Renders(), 2);
  const TRect All{0, 0, How.Width, How.Height};
  EXPECT_EQ(Differences(Painted(Image, All), OneCall(*Page, How), All), 0);
}

// The text field of form-fields.pdf's second page, drawn at 400 x 600: typing into it changes that
// part of the image alone.
TEST_F(PageImage, FormChangesRenderOnlyThePartTheyName) {
  const TPageDrawing How{400, 600, prNormal, {}};
  std::vector<TRect> Changed;
  TPageImage* Shown = nullptr;
  Document.SetOnFormInvalidate([&](TPdfDocument*, TPdfPage* Page, const TPdfRect& R) {
    const TRect Device =
        NormalizedRect(Page->PageToDevice(0, 0, How.Width, How.Height, R, prNormal));
    Changed.push_back({Device.Left - 1, Device.Top - 1, Device.Right + 1, Device.Bottom + 1});
    if (Shown)
      Shown->Invalidate(Changed.back());
  });
  TPdfPage* Page = Open(Fixture("form-fields.pdf"), 1);
  TPageImage Image(*Page, How, Paper, true);
  Shown = &Image;
  Image.SetView({0, 0, 400, 600});
  StepToEnd(Image);
  const TRect All{0, 0, 400, 600};
  const TOffscreenSurface Before = Painted(Image, All);
  const int Renders = Image.Renders();

  Page->FormEventLButtonDown({ssLeft}, 100, 215);
  Page->FormEventLButtonUp({}, 100, 215);
  for (const char16_t C : std::u16string(u"WWW"))
    Page->FormEventKeyPress(C, 0);
  ASSERT_FALSE(Changed.empty());
  EXPECT_FALSE(Image.ViewComplete());
  EXPECT_EQ(Differences(Before, Painted(Image, All), All), 0)
      << "the picture stays until the changed part is rendered";
  StepToEnd(Image);
  const TOffscreenSurface After = Painted(Image, All);
  EXPECT_GT(Image.Renders(), Renders);
  const TRect ChangedArea = BoundingRect(Changed);
  EXPECT_GT(Differences(Before, After, ChangedArea), 50) << "the typed text shows";
  EXPECT_EQ(Differences(Before, After, All), Differences(Before, After, ChangedArea))
      << "nothing changed outside";
  Shown = nullptr;
}

} // namespace
